// The host's custom controls, usable by window class name in a plug-in's
// dialog templates ("CustEdit", "CustButton"). A plug-in reaches a control
// through an interface obtained from its window and released when done.
#pragma once

#include "MaxTypes.h"

#if defined(_WIN32)

#define CUSTEDITWINDOWCLASS "CustEdit"
#define CUSTBUTTONWINDOWCLASS "CustButton"

class SDKAPI ICustomControl {
public:
    virtual ~ICustomControl() = default;
    virtual HWND GetHwnd() = 0;
    virtual void Enable(BOOL onOff = TRUE) = 0;
    virtual void Disable() = 0;
    virtual BOOL IsEnabled() = 0;
};

class SDKAPI ICustEdit : public ICustomControl {
public:
    // Copies at most ct - 1 characters and a terminating NUL into text.
    virtual void GetText(char* text, int ct) = 0;
    virtual int GetTextLength() = 0;
    virtual void SetText(const char* text) = 0;
};

class SDKAPI ICustButton : public ICustomControl {
public:
    virtual void GetText(char* text, int ct) = 0;
    virtual void SetText(const char* text) = 0;
};

// Null when hCtrl is not a control of that kind.
SDKAPI ICustEdit* GetICustEdit(HWND hCtrl);
SDKAPI void ReleaseICustEdit(ICustEdit* ice);
SDKAPI ICustButton* GetICustButton(HWND hCtrl);
SDKAPI void ReleaseICustButton(ICustButton* icb);

#endif
