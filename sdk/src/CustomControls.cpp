// The host's custom edit and custom button: the system's edit and button
// controls under the host's class names, registered when the SDK library is
// loaded so that any module's template can name them.
#include "CustCont.h"

namespace {

WNDPROC systemEditProc = nullptr;
WNDPROC systemButtonProc = nullptr;

LRESULT CALLBACK CustEditProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        // The host's edit scrolls its text: a template need not ask for it, and
        // a text wider than the box can still be typed. The system edit takes
        // its style from the creation data and from the window.
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        cs->style |= ES_AUTOHSCROLL;
        SetWindowLongA(hWnd, GWL_STYLE, GetWindowLongA(hWnd, GWL_STYLE) | ES_AUTOHSCROLL);
    }
    return CallWindowProcA(systemEditProc, hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CustButtonProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(systemButtonProc, hWnd, msg, wParam, lParam);
}

// Registers name as the system class base with proc in front of it. Global, so
// that templates of other modules find it.
bool RegisterSuperclass(HINSTANCE hInst, const char* base, const char* name, WNDPROC proc,
                        WNDPROC* baseProc) {
    WNDCLASSA wc = {};
    if (!GetClassInfoA(nullptr, base, &wc)) return false;
    *baseProc = wc.lpfnWndProc;
    wc.style |= CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.hInstance = hInst;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

bool IsOfClass(HWND hCtrl, const char* name) {
    char cls[64] = {};
    return hCtrl && GetClassNameA(hCtrl, cls, sizeof cls) > 0 && lstrcmpiA(cls, name) == 0;
}

class CustomControl {
public:
    explicit CustomControl(HWND h) : hWnd(h) {}
    HWND hWnd;
    void Text(char* text, int ct) {
        if (!text || ct <= 0) return;
        text[0] = '\0';
        GetWindowTextA(hWnd, text, ct);
    }
};

class CustEditImp : public ICustEdit {
public:
    explicit CustEditImp(HWND h) : ctl(h) {}
    HWND GetHwnd() override { return ctl.hWnd; }
    void Enable(BOOL onOff) override { EnableWindow(ctl.hWnd, onOff); }
    void Disable() override { EnableWindow(ctl.hWnd, FALSE); }
    BOOL IsEnabled() override { return IsWindowEnabled(ctl.hWnd); }
    void GetText(char* text, int ct) override { ctl.Text(text, ct); }
    int GetTextLength() override { return GetWindowTextLengthA(ctl.hWnd); }
    void SetText(const char* text) override { SetWindowTextA(ctl.hWnd, text ? text : ""); }

private:
    CustomControl ctl;
};

class CustButtonImp : public ICustButton {
public:
    explicit CustButtonImp(HWND h) : ctl(h) {}
    HWND GetHwnd() override { return ctl.hWnd; }
    void Enable(BOOL onOff) override { EnableWindow(ctl.hWnd, onOff); }
    void Disable() override { EnableWindow(ctl.hWnd, FALSE); }
    BOOL IsEnabled() override { return IsWindowEnabled(ctl.hWnd); }
    void GetText(char* text, int ct) override { ctl.Text(text, ct); }
    void SetText(const char* text) override { SetWindowTextA(ctl.hWnd, text ? text : ""); }

private:
    CustomControl ctl;
};

}  // namespace

bool RegisterCustomControls(HINSTANCE hInst) {
    return RegisterSuperclass(hInst, "EDIT", CUSTEDITWINDOWCLASS, CustEditProc, &systemEditProc) &&
           RegisterSuperclass(hInst, "BUTTON", CUSTBUTTONWINDOWCLASS, CustButtonProc,
                              &systemButtonProc);
}

ICustEdit* GetICustEdit(HWND hCtrl) {
    if (!IsOfClass(hCtrl, CUSTEDITWINDOWCLASS)) return nullptr;
    return new CustEditImp(hCtrl);
}

void ReleaseICustEdit(ICustEdit* ice) { delete ice; }

ICustButton* GetICustButton(HWND hCtrl) {
    if (!IsOfClass(hCtrl, CUSTBUTTONWINDOWCLASS)) return nullptr;
    return new CustButtonImp(hCtrl);
}

void ReleaseICustButton(ICustButton* icb) { delete icb; }
