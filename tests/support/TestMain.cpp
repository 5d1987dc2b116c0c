// main() of every test program.
//
// On Windows a crashing test program must fail at once: no error box waiting for a
// click, no debugger, no exit code that could read as success. GoogleTest built
// with mingw cannot catch structured exceptions, so a crash reaches the
// unhandled-exception filter below, which reports it and ends the program.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

#ifdef _WIN32
namespace {

// Fixed rather than the exception code: under Wine only the low byte of an exit
// code survives, and some exception codes end in 0x00.
constexpr UINT kCrashExitCode = 70;

LONG WINAPI ReportCrashAndExit(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info ? info->ExceptionRecord : nullptr;
    // A small buffer and no allocation: the crash may be a stack overflow or a
    // corrupted heap.
    char line[160];
    int length = std::snprintf(line, sizeof line,
                               "FATAL: unhandled exception 0x%08lX at %p; test program aborted\n",
                               record ? static_cast<unsigned long>(record->ExceptionCode) : 0ul,
                               record ? record->ExceptionAddress : nullptr);
    if (length > 0) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(length), &written,
                  nullptr);
    }
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(ReportCrashAndExit);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
