// Collections of materials and maps. A MtlBaseLib references what it holds, so
// its entries stay alive as long as the collection.
#pragma once

#include <vector>

#include "Materials.h"

class SDKAPI MtlBaseList {
public:
    virtual ~MtlBaseList() = default;
    int Count() const { return static_cast<int>(items.size()); }
    MtlBase* operator[](int i) const {
        return i >= 0 && i < Count() ? items[static_cast<size_t>(i)] : nullptr;
    }
    // Index of m, or -1.
    int FindMtl(MtlBase* m) const;

protected:
    std::vector<MtlBase*> items;
};

class SDKAPI MtlBaseLib : public ReferenceTarget, public MtlBaseList {
public:
    MtlBaseLib() = default;
    ~MtlBaseLib() override;

    SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "MtlBaseLib"; }

    // Adds m unless it is there already; answers its index (-1 for null).
    int AddMtl(MtlBase* m);
    void Empty();

    int NumRefs() override { return Count(); }
    RefTargetHandle GetReference(int i) override { return (*this)[i]; }
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefResult NotifyRefChanged(Interval, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }
};
