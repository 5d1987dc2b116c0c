// Parameter IDs of block 0 of the finalToon and Illustrate! shaders. They
// belong to those plug-ins: never change them.
#pragma once

#include "MaxTypes.h"

// finalToon.
const ParamID FT_AMBIENT = 0;                    // Color
const ParamID FT_DIFFUSE = 1;                    // Color
const ParamID FT_SPECULAR = 2;                   // Color
const ParamID FT_LOCK_AD = 3;                    // int
const ParamID FT_LOCK_DS = 4;                    // int
const ParamID FT_SPEC_LEVEL = 8;                 // float
const ParamID FT_GLOSSINESS = 9;                 // float
const ParamID FT_SOFTEN = 10;                    // float
const ParamID FT_STANDARD_MIX = 16;              // float
const ParamID FT_TONE_ON[3] = {20, 21, 22};      // int
const ParamID FT_TONE_COLOR[3] = {23, 24, 25};   // Color
const ParamID FT_TONE_AMOUNT[3] = {26, 27, 28};  // float, percent
const ParamID FT_SOFTNESS_01 = 29;               // float, fraction
const ParamID FT_SOFTNESS_12 = 30;               // float, fraction
const ParamID FT_TONE0_WIDTH = 31;               // float, percent
const ParamID FT_TONE2_WIDTH = 32;               // float, percent

// Illustrate!.
const ParamID IL_TONE_ON[3] = {0, 1, 2};         // int
const ParamID IL_TONE0_WIDTH = 3;                // float, fraction
const ParamID IL_TONE2_WIDTH = 5;                // float, fraction
const ParamID IL_TONE_COLOR[3] = {6, 7, 8};      // Color
const ParamID IL_TONE_AMOUNT[3] = {12, 13, 14};  // float, fraction
const ParamID IL_SOFTNESS_01 = 15;               // float, fraction
const ParamID IL_SOFTNESS_12 = 16;               // float, fraction
const ParamID IL_STANDARD_MIX = 19;              // float
const ParamID IL_DESATURATION = 20;              // float

// The standard-compatible material's shader: non-zero mixes the extra map
// channels into the base material.
const ParamID COMPAT_SHADER_MIX = 16;  // float

// Anisotropic shader.
const ParamID ANISO_ANISOTROPY = 8;   // float
const ParamID ANISO_ORIENTATION = 9;  // float
