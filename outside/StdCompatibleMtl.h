// Stand-in of the standard-compatible material: a further material class that
// offers StdMat2 with a channel numbering of its own and three extra "shade"
// channels, and shades with a shader of its own class when it is made.
//
// References (see StdMaterial.h for the values and what a clone copies):
//   0 .. NUM_CHANNELS - 1  map channels, numbered by CHANNEL_OF below; channels
//                          8, 9 and 10 are the shade ambient, shade diffuse and
//                          shade specular, which have no standard map ID
//   SHADER_REF             the shader
#pragma once

#include "StdMaterial.h"

class StdCompatibleMtl : public StdMaterial {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x5d0f71a6, 0x28e02964);
    enum { NUM_CHANNELS = 14, SHADER_REF = NUM_CHANNELS };

    // The channel of each standard map ID (-1 for none): diffuse before
    // ambient, the shade channels before bump.
    // clang-format off
    static constexpr long CHANNEL_OF[NTEXMAPS] = {
        1,   // ambient
        0,   // diffuse
        2,   // specular
        3,   // glossiness
        4,   // specular level
        5,   // self-illumination
        6,   // opacity
        7,   // filter colour
        11,  // bump
        12,  // reflection
        13,  // refraction
        -1,  // displacement: StdIDToChannel answers -1
    };
    // clang-format on

    StdCompatibleMtl();

    Class_ID ClassID() override { return StdCompatibleMtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Standard-Compatible Material"; }

protected:
    StdMaterial* MakeEmpty() override { return new StdCompatibleMtl; }
};
