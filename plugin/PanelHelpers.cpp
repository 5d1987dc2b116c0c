#include "PanelHelpers.h"

#include "CoreInterface.h"
#include "OutsideContract.h"
#include "WinUtil.h"
#include "resource.h"

namespace {

// Version of this release.
const int VERSION_MAJOR = 0;
const int VERSION_MINOR = 8;
const int VERSION_REVISION = 6;
const int VERSION_BETA = 0;

const int RES_TEXT_SIZE = 256;
char resText[RES_TEXT_SIZE];

}  // namespace

const char* LoadResText(int id) {
    if (!hInstance) return nullptr;
    // LoadStringA cuts a longer text to the buffer and always terminates it.
    int length = LoadStringA(hInstance, static_cast<UINT>(id), resText, RES_TEXT_SIZE);
    return length > 0 ? resText : nullptr;
}

CStr FormatVersionLabel() {
    CStr label;
    label.printf("Version %d.%d", VERSION_MAJOR, VERSION_MINOR);
    if (VERSION_REVISION != 0) {
        CStr revision;
        revision.printf("%d", VERSION_REVISION);
        label += revision;
    }
    if (VERSION_BETA != 0) {
        CStr beta;
        beta.printf(" Beta%d", VERSION_BETA);
        label += beta;
    }
    return label;
}

INT_PTR ConfirmConvert(HWND parent) {
    return DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_CONFIRM), parent, ConfirmDlgProc, 0);
}

INT_PTR CALLBACK ConfirmDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (msg) {
        case WM_INITDIALOG: {
            CenterWindow(hWnd, GetParent(hWnd));
            const char* title = LoadResText(IDS_CONFIRM_TITLE);
            SetWindowTextA(hWnd, title ? title : "");
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(hWnd, static_cast<INT_PTR>(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

bool IsVarnel3Available() {
    Animatable* probe = GetCOREInterface()->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID);
    if (!probe) return false;
    bool available = probe->GetInterface(VRN3_ZONE_LIST_INTERFACE_ID) != nullptr;
    // Only asked; nothing references it.
    probe->DeleteThis();
    return available;
}

HWND AddNotLoadedPage(Interface* ip, const char* title) {
    // The title usually comes from the text buffer, which the page's own
    // WM_INITDIALOG reloads while the host is still making the page.
    CStr ownTitle(title);
    return ip->AddRollupPage(hInstance, MAKEINTRESOURCEA(IDD_NOT_LOADED), NotLoadedDlgProc,
                             ownTitle, 0, 0, ROLLUP_CAT_STANDARD);
}

INT_PTR CALLBACK NotLoadedDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    if (msg != WM_INITDIALOG) return FALSE;
    SetDlgItemTextA(hWnd, IDC_VERSION, FormatVersionLabel());
    const char* message = LoadResText(IDS_NOT_LOADED);
    SetDlgItemTextA(hWnd, IDC_MESSAGE, message ? message : "");
    return TRUE;
}
