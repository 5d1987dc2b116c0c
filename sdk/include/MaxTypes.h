// Basic host types. On Windows they come from <windows.h> like in the real host;
// elsewhere the portable subset is defined here with the same widths.
#pragma once

#include <cstdint>

#include "SdkExport.h"

#if defined(_WIN32)
#include <windows.h>
#else
typedef int BOOL;
typedef uint32_t DWORD;
typedef uint32_t ULONG;
typedef uint32_t UINT;
typedef uint8_t BYTE;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
// Window and module handles exist only in the Windows build; the portable
// parts pass them through untouched.
typedef void* HWND;
typedef void* HINSTANCE;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#endif

// Time is counted in ticks; 160 ticks make one frame at the host's default rate.
typedef int TimeValue;
const TimeValue TIME_NegInfinity = INT32_MIN;
const TimeValue TIME_PosInfinity = INT32_MAX;
const int TICKS_PER_FRAME = 160;
inline int GetTicksPerFrame() { return TICKS_PER_FRAME; }

typedef ULONG SClass_ID;
typedef short ParamID;
typedef short BlockID;
typedef int ParamType2;
typedef short FunctionID;
