// Stand-in of the host's Standard material, in its minimal form: a diffuse
// colour and the twelve standard map channels.
//
// References:
//   0 .. 11   map channels 0 .. 11 (also sub-texmaps 0 .. 11): ambient, diffuse,
//             specular, glossiness, specular level, self-illumination, opacity,
//             filter colour, bump, reflection, refraction, displacement
#pragma once

#include "Materials.h"


class StdMtl : public Mtl {
public:
    static inline const Class_ID CLASS_ID = Class_ID(2, 0);
    enum { NUM_MAPS = 12 };

    Class_ID ClassID() override { return StdMtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Standard"; }

    Color GetDiffuse(TimeValue t) {
        (void)t;
        return diffuse;
    }
    void SetDiffuse(const Color& c, TimeValue t) {
        (void)t;
        diffuse = c;
    }

    int NumSubTexmaps() override { return NUM_MAPS; }
    Texmap* GetSubTexmap(int i) override { return i >= 0 && i < NUM_MAPS ? maps[i] : nullptr; }
    void SetSubTexmap(int i, Texmap* m) override {
        if (i >= 0 && i < NUM_MAPS) ReplaceReference(i, m);
    }

    // A copy has its own copies of the maps.
    RefTargetHandle Clone(RemapDir& remap) override {
        StdMtl* copy = new StdMtl;
        remap.AddEntry(this, copy);
        copy->SetName(GetName());
        copy->diffuse = diffuse;
        for (int i = 0; i < NUM_MAPS; ++i)
            copy->ReplaceReference(i, remap.CloneRef(maps[i]));
        return copy;
    }

    int NumRefs() override { return NUM_MAPS; }
    RefTargetHandle GetReference(int i) override { return GetSubTexmap(i); }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i >= 0 && i < NUM_MAPS && (!rtarg || rtarg->SuperClassID() == TEXMAP_CLASS_ID))
            maps[i] = static_cast<Texmap*>(rtarg);
    }

private:
    Color diffuse = Color(0.5f, 0.5f, 0.5f);
    Texmap* maps[NUM_MAPS] = {};
};
