// A small maker that keeps targets alive by referencing them: the converter's
// reference material and the materials named by undo records.
#pragma once

#include "Reference.h"
#include "Tab.h"

class ReferenceHolder : public ReferenceMaker {
public:
    ReferenceHolder() = default;
    // Lets go of every target with the hold suspended: releasing is never part
    // of an undo step.
    ~ReferenceHolder() override;

    int NumRefs() override { return refs.Count(); }
    RefTargetHandle GetReference(int i) override {
        return i >= 0 && i < refs.Count() ? refs[i] : nullptr;
    }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i >= 0 && i < refs.Count()) refs[i] = rtarg;
    }
    RefResult NotifyRefChanged(Interval, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }

    Tab<ReferenceTarget*> refs;
};

// Makes holder hold exactly one reference, to t (or none), outside any undo step.
void SetSingleRef(ReferenceHolder& holder, ReferenceTarget* t);
