// The host's UV generator: the texture-coordinate settings that a map keeps
// as a reference (offset, tiling, angle). Cloned with the map that owns it.
#pragma once

#include "Materials.h"

class SDKAPI UVGen : public MtlBase {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x0000100, 0);
    SClass_ID SuperClassID() override { return UVGEN_CLASS_ID; }
    Class_ID ClassID() override { return UVGen::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "UVGen"; }

    float GetUOffs(TimeValue t) const {
        (void)t;
        return uOffset;
    }
    float GetVOffs(TimeValue t) const {
        (void)t;
        return vOffset;
    }
    float GetUScl(TimeValue t) const {
        (void)t;
        return uTiling;
    }
    float GetVScl(TimeValue t) const {
        (void)t;
        return vTiling;
    }
    void SetUOffs(float f, TimeValue t) {
        (void)t;
        uOffset = f;
    }
    void SetVOffs(float f, TimeValue t) {
        (void)t;
        vOffset = f;
    }
    void SetUScl(float f, TimeValue t) {
        (void)t;
        uTiling = f;
    }
    void SetVScl(float f, TimeValue t) {
        (void)t;
        vTiling = f;
    }

    RefTargetHandle Clone(RemapDir& remap) override;

private:
    float uOffset = 0.0f, vOffset = 0.0f;
    float uTiling = 1.0f, vTiling = 1.0f;
};

SDKAPI UVGen* NewDefaultUVGen();
