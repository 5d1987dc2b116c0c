// Stand-in of the host's multi/sub-object material: a list of sub-materials.
//
// References:
//   i   sub-material i (may be empty)
#pragma once

#include <vector>

#include "Materials.h"

class MultiMtl : public Mtl {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x200, 0);
    MultiMtl() : subs(3, nullptr) {}

    Class_ID ClassID() override { return MultiMtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Multi/Sub-Object"; }

    // Sub-materials beyond the new number are let go.
    void SetNumSubMtls(int n) {
        if (n < 0) n = 0;
        for (int i = NumSubMtls() - 1; i >= n; --i) ReplaceReference(i, nullptr);
        subs.resize(static_cast<size_t>(n), nullptr);
    }

    int NumSubMtls() override { return static_cast<int>(subs.size()); }
    Mtl* GetSubMtl(int i) override {
        return i >= 0 && i < NumSubMtls() ? subs[static_cast<size_t>(i)] : nullptr;
    }
    void SetSubMtl(int i, Mtl* m) override {
        if (i >= 0 && i < NumSubMtls()) ReplaceReference(i, m);
    }

    int NumRefs() override { return NumSubMtls(); }
    RefTargetHandle GetReference(int i) override { return GetSubMtl(i); }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i >= 0 && i < NumSubMtls() && (!rtarg || rtarg->SuperClassID() == MATERIAL_CLASS_ID))
            subs[static_cast<size_t>(i)] = static_cast<Mtl*>(rtarg);
    }

private:
    std::vector<Mtl*> subs;
};
