// The line converter utility: turns the scene's Varnel 2 line render effects
// into Varnel 3 ones in one undo step.
#pragma once

#include <windows.h>

#include "CStr.h"
#include "UtilityObj.h"

class Vrn3LineConverter : public UtilityObj {
public:
    Vrn3LineConverter() = default;
    ~Vrn3LineConverter() override = default;

    void BeginEditParams(Interface* ip, IUtil* iu) override;
    void EndEditParams(Interface* ip, IUtil* iu) override;
    // The one static instance is never deleted through the host.
    void DeleteThis() override {}

    Interface* ip = nullptr;
    IUtil* iu = nullptr;
    HWND hPanel = nullptr;
    int messagePanel = 0;
};

extern Vrn3LineConverter theLineConverter;

INT_PTR CALLBACK LineConverterDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
void InitLineConverterPanel(HWND panel);
// Enables the suffix edit exactly when "Add Suffix" is ticked; with reload it
// also shows the saved suffix.
void UpdateSuffixEdit(HWND panel, int reload);
// The Convert command.
void ConvertLines(HWND panel);

// Saved while the module is loaded: (control ID, check state) pairs of the
// panel's options, and the suffix text.
struct LineConverterCheck {
    int controlId;
    int state;
};
const int NUM_LINE_CONVERTER_CHECKS = 2;
extern LineConverterCheck lineConverterChecks[NUM_LINE_CONVERTER_CHECKS];
extern CStr lineSuffix;

// Longest suffix read from the edit.
const int MAX_LINE_SUFFIX = 255;

// The length in bytes of the longest start of text that is at most maxBytes
// long and does not end inside a double-byte character of codePage.
int CharBoundaryLength(const char* text, int maxBytes, UINT codePage);
