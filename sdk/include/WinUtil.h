// Window helpers of the host's utility library.
#pragma once

#include "MaxTypes.h"

#if defined(_WIN32)

// Moves hWndChild so that it is centred over hWndParent (over the screen when
// there is no parent).
SDKAPI void CenterWindow(HWND hWndChild, HWND hWndParent);

#endif
