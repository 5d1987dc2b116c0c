// The host's core interface: time, object creation, the scene and the
// material editor.
#pragma once

#include "Effects.h"
#include "Materials.h"
#include "Node.h"

const int NUM_MTL_SLOTS = 24;

class SDKAPI Interface {
public:
    virtual ~Interface() = default;

    virtual TimeValue GetTime() = 0;
    virtual void SetTime(TimeValue t, BOOL redraw = TRUE) = 0;

    // A new object of a registered class, or null when no module offers it.
    virtual Animatable* CreateInstance(SClass_ID superID, Class_ID classID) = 0;

    virtual INode* GetRootNode() = 0;
    // A new node under the scene root showing obj (which may be null).
    virtual INode* CreateObjectNode(ReferenceTarget* obj) = 0;

    // Material editor sample slots 0 to 23; empty slots answer null.
    virtual MtlBase* GetMtlSlot(int slot) = 0;
    virtual void PutMtlToMtlEditor(MtlBase* mtl, int slot) = 0;

    // The scene's render effects, in order. The list references its effects;
    // adding and deleting are recorded while the hold is recording. An effect
    // deleted from the list and referenced by nothing else is deleted.
    virtual int NumEffects() = 0;
    virtual Effect* GetEffect(int i) = 0;
    virtual void AddEffect(Effect* eff) = 0;
    virtual void DeleteEffect(int i) = 0;
};

SDKAPI Interface* GetCOREInterface();
