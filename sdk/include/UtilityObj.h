// Utility plug-ins: objects shown in the host's Utilities panel. The host calls
// BeginEditParams when the user opens the utility and EndEditParams when it is
// closed.
#pragma once

#include "CoreInterface.h"

// The Utilities panel as a utility sees it.
class SDKAPI IUtil {
public:
    virtual ~IUtil() = default;
    // Closes the utility that is open (its EndEditParams runs).
    virtual void CloseUtility() = 0;
};

class SDKAPI UtilityObj {
public:
    virtual ~UtilityObj() = default;
    virtual void BeginEditParams(Interface* ip, IUtil* iu) = 0;
    virtual void EndEditParams(Interface* ip, IUtil* iu) = 0;
    virtual void SelectionSetChanged(Interface* ip, IUtil* iu) {
        (void)ip;
        (void)iu;
    }
    virtual void DeleteThis() = 0;
    virtual void SetStartupParam(const char* param) { (void)param; }
};
