// Services shared by both utility panels: string-table texts, the version
// label, the confirm dialog and the page shown when Varnel 3 is not loaded.
#pragma once

#include <windows.h>

#include "CStr.h"

class Interface;

// The module holding the dialog templates and the string table.
extern HINSTANCE hInstance;

// Text id of the string table, or null when it cannot be loaded. Every call
// overwrites the one shared 256-byte buffer: a caller that needs two texts at
// once copies the first before loading the second.
const char* LoadResText(int id);

// "Version <major>.<minor>[<revision>][ Beta<beta>]" for this release.
CStr FormatVersionLabel();

// Asks "Proceed with convert?": IDOK, IDCANCEL, or -1 when the dialog cannot be
// shown (callers stop only on IDCANCEL).
INT_PTR ConfirmConvert(HWND parent);
INT_PTR CALLBACK ConfirmDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Whether the host can create a Varnel 3 material offering the zone-list interface.
bool IsVarnel3Available();

// Adds the page that says "Varnel 3 is not loaded." in place of a panel.
HWND AddNotLoadedPage(Interface* ip, const char* title);
INT_PTR CALLBACK NotLoadedDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
