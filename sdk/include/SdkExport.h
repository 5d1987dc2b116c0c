// Export macro of the stand-in host SDK. The SDK is one shared library that the
// host program, the plug-in module and the outside plug-ins all link against, so
// that there is exactly one hold, one class directory and one scene per process.
#pragma once

#if defined(_WIN32)
#if defined(MAXSDK_BUILDING)
#define SDKAPI __declspec(dllexport)
#else
#define SDKAPI __declspec(dllimport)
#endif
#else
#define SDKAPI __attribute__((visibility("default")))
#endif
