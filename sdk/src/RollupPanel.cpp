// The host's main window and the Utilities panel that holds rollup pages.
#include <vector>

#include "CoreInterface.h"
#include "HostState.h"
#include "StandIn.h"

using StandIn::Report;

bool RegisterCustomControls(HINSTANCE hInst);

namespace {

struct RollupPage {
    HWND hWnd;
    CStr title;
    int category;
};

struct PanelState {
    HWND mainWnd = nullptr;
    HWND utilityPanel = nullptr;
    std::vector<RollupPage> pages;
};

PanelState& Panel() {
    static PanelState* state = new PanelState;
    return *state;
}

HINSTANCE SdkModule() {
    HMODULE h = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&Panel), &h);
    return h;
}

const char* const kMainClass = "Vrn3StandInHostMain";
const char* const kPanelClass = "Vrn3StandInCommandPanel";

// Creates the main window and its command panel on first use. Neither is shown:
// tests run without a desktop.
void EnsureWindows() {
    PanelState& p = Panel();
    if (p.mainWnd && IsWindow(p.mainWnd)) return;
    HINSTANCE hInst = SdkModule();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInst;
    wc.lpszClassName = kMainClass;
    RegisterClassA(&wc);
    wc.lpszClassName = kPanelClass;
    RegisterClassA(&wc);
    p.mainWnd = CreateWindowExA(0, kMainClass, "Stand-in host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                nullptr, nullptr, hInst, nullptr);
    p.utilityPanel = CreateWindowExA(0, kPanelClass, "Utilities", WS_CHILD | WS_VISIBLE, 0, 0, 220,
                                     600, p.mainWnd, nullptr, hInst, nullptr);
}

}  // namespace

void ResetRollupPages() {
    PanelState& p = Panel();
    if (!p.pages.empty()) {
        Report("host reset with %d rollup page(s) still open", static_cast<int>(p.pages.size()));
        for (const RollupPage& page : p.pages) DestroyWindow(page.hWnd);
        p.pages.clear();
    }
}

HWND Interface::GetMAXHWnd() {
    EnsureWindows();
    return Panel().mainWnd;
}

HWND Interface::AddRollupPage(HINSTANCE hInst, const char* dlgTemplate, DLGPROC dlgProc,
                              const char* title, LPARAM param, DWORD flags, int category) {
    (void)flags;
    EnsureWindows();
    HWND page = CreateDialogParamA(hInst, dlgTemplate, Panel().utilityPanel, dlgProc, param);
    if (!page) {
        Report("AddRollupPage(\"%s\"): the dialog could not be created (error %lu)",
               title ? title : "", static_cast<unsigned long>(GetLastError()));
        return nullptr;
    }
    Panel().pages.push_back({page, CStr(title), category});
    return page;
}

void Interface::DeleteRollupPage(HWND hRollup) {
    auto& pages = Panel().pages;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].hWnd == hRollup) {
            pages.erase(pages.begin() + static_cast<long>(i));
            DestroyWindow(hRollup);
            return;
        }
    }
    Report("DeleteRollupPage: %p is not a rollup page", static_cast<void*>(hRollup));
}

namespace StandIn {

int NumRollupPages() { return static_cast<int>(Panel().pages.size()); }

HWND RollupPage(int i) {
    return i >= 0 && i < NumRollupPages() ? Panel().pages[static_cast<size_t>(i)].hWnd : nullptr;
}

CStr RollupPageTitle(int i) {
    return i >= 0 && i < NumRollupPages() ? Panel().pages[static_cast<size_t>(i)].title : CStr();
}

}  // namespace StandIn

BOOL WINAPI DllMain(HINSTANCE hInst, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) RegisterCustomControls(hInst);
    return TRUE;
}
