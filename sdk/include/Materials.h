// Materials and maps. Both are MtlBase: named reference targets with numbered
// map slots (ISubMap). Materials may also hold sub-materials.
#pragma once

#include "Color.h"
#include "Reference.h"

class Texmap;

// Numbered map slots of a material or map.
class SDKAPI ISubMap {
public:
    virtual ~ISubMap() = default;
    virtual int NumSubTexmaps() { return 0; }
    virtual Texmap* GetSubTexmap(int i) {
        (void)i;
        return nullptr;
    }
    virtual void SetSubTexmap(int i, Texmap* m) {
        (void)i;
        (void)m;
    }
    virtual CStr GetSubTexmapSlotName(int i) {
        (void)i;
        return CStr();
    }
};

// Material flags.
const int MTL_TEX_DISPLAY_ENABLED = 1 << 3;  // the material itself shows in the viewport

class SDKAPI MtlBase : public ReferenceTarget, public ISubMap {
public:
    CStr& GetName() { return name; }
    void SetName(const CStr& s) { name = s; }
    // The display text of the material: its name followed by its class name.
    virtual CStr GetFullName();

    // Brings the object up to date for time t; valid is narrowed to the time
    // span in which the result holds.
    virtual void Update(TimeValue t, Interval& valid) {
        (void)t;
        (void)valid;
    }
    virtual void Reset() {}
    virtual Interval Validity(TimeValue t) {
        (void)t;
        return FOREVER;
    }

    void SetMtlFlag(int mask, BOOL val = TRUE) {
        if (val)
            mtlFlags |= mask;
        else
            mtlFlags &= ~mask;
    }
    void ClearMtlFlag(int mask) { mtlFlags &= ~mask; }
    int TestMtlFlag(int mask) const { return (mtlFlags & mask) != 0 ? 1 : 0; }
    // The flag word itself, as the older generations' inline tests read it.
    int MtlFlags() const { return mtlFlags; }

private:
    CStr name;
    int mtlFlags = 0;
};

class SDKAPI Mtl : public MtlBase {
public:
    SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Mtl"; }

    virtual int NumSubMtls() { return 0; }
    virtual Mtl* GetSubMtl(int i) {
        (void)i;
        return nullptr;
    }
    virtual void SetSubMtl(int i, Mtl* m) {
        (void)i;
        (void)m;
    }

    // The map shown in the viewport for this material (a plain pointer, as
    // the host keeps it: the viewport display holds no reference).
    virtual Texmap* GetActiveTexmap() { return activeTexmap; }
    virtual void SetActiveTexmap(Texmap* m) { activeTexmap = m; }

private:
    Texmap* activeTexmap = nullptr;
};

class SDKAPI Texmap : public MtlBase {
public:
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Texmap"; }
};
