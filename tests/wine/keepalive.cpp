// Keeps a Wine session warm while the Windows tests run.
//
// The first program of a Wine session starts Wine's own services, and those keep
// the standard handles they inherited open for as long as they live. Started by
// this program instead of by the first test, they hold this program's output file
// rather than the pipes CTest reads a test's output from, and every test after it
// starts in a fraction of a second. cmake/run-wine-tests.sh starts it, waits for
// "ready" and ends the session when the tests are done.

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT WM_APP_READY = WM_APP + 1;

// A safety net only: the session script ends this program long before.
constexpr UINT_PTR kSafetyTimerId = 1;
constexpr UINT kSafetyTimeoutMs = 30 * 60 * 1000;

LRESULT CALLBACK KeepaliveWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_APP_READY:
            // Posted before the loop started, so handling it proves the loop runs.
            std::printf("ready\n");
            std::fflush(stdout);
            return 0;
        case WM_TIMER:
            if (wParam == kSafetyTimerId) {
                DestroyWindow(hWnd);
            }
            return 0;
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hWnd, msg, wParam, lParam);
    }
}

}  // namespace

int main() {
    HINSTANCE hInstance = GetModuleHandleA(nullptr);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = KeepaliveWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "Vrn3WineKeepalive";
    if (!RegisterClassA(&wc)) {
        std::fprintf(stderr, "keepalive: RegisterClass failed (%lu)\n", GetLastError());
        return 1;
    }

    // Never shown: the window exists only to give the program a message loop.
    HWND hWnd =
        CreateWindowExA(0, wc.lpszClassName, "keepalive", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 100, 100, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd) {
        std::fprintf(stderr, "keepalive: CreateWindow failed (%lu)\n", GetLastError());
        return 1;
    }
    if (!SetTimer(hWnd, kSafetyTimerId, kSafetyTimeoutMs, nullptr)) {
        std::fprintf(stderr, "keepalive: SetTimer failed (%lu)\n", GetLastError());
        return 1;
    }
    PostMessageA(hWnd, WM_APP_READY, 0, 0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
