// The host's key-control interface: what a keyframe controller answers to
// Animatable::GetInterface(I_KEYCONTROL), so that a caller can list the keys
// of a controller without knowing its class.
#pragma once

#include "Animatable.h"

// Integer interface code of the older generations' GetInterface(ULONG).
const ULONG I_KEYCONTROL = 0x1060;

class SDKAPI IKeyControl {
public:
    virtual ~IKeyControl() = default;
    virtual int GetNumKeys() = 0;
    // The time of key i (keys are kept in time order), or 0 outside the keys.
    virtual TimeValue GetKeyTime(int i) = 0;
};

inline IKeyControl* GetKeyControlInterface(Animatable* anim) {
    return anim ? static_cast<IKeyControl*>(anim->GetInterface(I_KEYCONTROL)) : nullptr;
}
