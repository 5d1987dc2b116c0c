// Render effects: named reference targets that the renderer runs after a
// frame. The scene keeps an ordered list of them (on the core interface).
#pragma once

#include "Reference.h"

class SDKAPI Effect : public ReferenceTarget {
public:
    SClass_ID SuperClassID() override { return RENDER_EFFECT_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Effect"; }

    virtual CStr GetName() { return name; }
    virtual void SetName(const CStr& s) { name = s; }
    // Whether the effect runs at time t: unless switched off by the
    // animatable flag A_DISABLED.
    virtual BOOL Active(TimeValue t) {
        (void)t;
        return !TestAFlag(A_DISABLED);
    }

private:
    CStr name;
};
