// Root of everything the host can animate, reference or publish.
#pragma once

#include "CStr.h"
#include "ClassID.h"

class BaseInterface;
class IParamBlock2;

// Animatable flags.
const DWORD A_DISABLED = 0x20;  // a render effect with this flag is switched off

class SDKAPI Animatable {
public:
    Animatable() = default;
    Animatable(const Animatable&) = delete;
    Animatable& operator=(const Animatable&) = delete;
    virtual ~Animatable() = default;

    virtual Class_ID ClassID() { return Class_ID(0, 0); }
    virtual SClass_ID SuperClassID() = 0;
    virtual void GetClassName(CStr& s) { s = "Animatable"; }

    // The older generations asked for interfaces by an integer code.
    virtual void* GetInterface(ULONG id) {
        (void)id;
        return nullptr;
    }
    // Function-publishing interfaces, by interface ID.
    virtual BaseInterface* GetInterface(Interface_ID id) {
        (void)id;
        return nullptr;
    }

    virtual void DeleteThis() { delete this; }

    virtual int NumParamBlocks() { return 0; }
    virtual IParamBlock2* GetParamBlock(int i) {
        (void)i;
        return nullptr;
    }
    virtual IParamBlock2* GetParamBlockByID(BlockID id) {
        (void)id;
        return nullptr;
    }

    void SetAFlag(DWORD mask) { aflag |= mask; }
    void ClearAFlag(DWORD mask) { aflag &= ~mask; }
    BOOL TestAFlag(DWORD mask) const { return (aflag & mask) != 0; }

private:
    DWORD aflag = 0;
};
