// Stand-in of the standard-compatible material: a further material class that
// offers StdMat2 with a channel numbering of its own and three extra "shade"
// channels, and shades with a shader of its own class when it is made.
//
// References (see StdMaterial.h for the values and what a clone copies):
//   channel  content                   standard map ID
//   0        diffuse                   1
//   1        ambient                   0
//   2        specular                  2
//   3        glossiness                3
//   4        specular level            4
//   5        self-illumination         5
//   6        opacity                   6
//   7        filter colour             7
//   8        shade ambient             none
//   9        shade diffuse             none
//   10       shade specular            none
//   11       bump                      8
//   12       reflection                9
//   13       refraction                10
//   (none)                             11 (displacement): StdIDToChannel answers -1
//   14       reference: the shader
#pragma once

#include "StdMaterial.h"

class StdCompatibleMtl : public StdMaterial {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x5d0f71a6, 0x28e02964);
    enum { NUM_CHANNELS = 14, SHADER_REF = NUM_CHANNELS };

    StdCompatibleMtl();

    Class_ID ClassID() override { return StdCompatibleMtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Standard-Compatible Material"; }

protected:
    StdMaterial* MakeEmpty() override { return new StdCompatibleMtl; }
};
