#include "WinUtil.h"

void CenterWindow(HWND hWndChild, HWND hWndParent) {
    RECT child = {}, parent = {};
    if (!GetWindowRect(hWndChild, &child)) return;
    if (!hWndParent || !GetWindowRect(hWndParent, &parent))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &parent, 0);
    int w = child.right - child.left;
    int h = child.bottom - child.top;
    int x = parent.left + ((parent.right - parent.left) - w) / 2;
    int y = parent.top + ((parent.bottom - parent.top) - h) / 2;
    SetWindowPos(hWndChild, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
