// Stand-in of the host's Standard material: twelve map channels numbered as
// the standard map IDs, and a Blinn shader when it is made.
//
// References (see StdMaterial.h for the values and what a clone copies):
//   0 .. 11   map channels 0 .. 11 (also sub-texmaps 0 .. 11): ambient, diffuse,
//             specular, glossiness, specular level, self-illumination, opacity,
//             filter colour, bump, reflection, refraction, displacement
//   12        the shader
#pragma once

#include "StdMaterial.h"

class StdMtl : public StdMaterial {
public:
    static inline const Class_ID CLASS_ID = Class_ID(2, 0);
    enum { NUM_MAPS = NTEXMAPS, SHADER_REF = NTEXMAPS };

    StdMtl();

    Class_ID ClassID() override { return StdMtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Standard"; }

protected:
    StdMaterial* MakeEmpty() override { return new StdMtl; }
};
