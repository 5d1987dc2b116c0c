// Parameter IDs, reference indices and map slots of the Varnel 3 objects that
// the converter writes. They belong to the Varnel 3 plug-in: never change them.
#pragma once

#include "MaxTypes.h"

// Parameter block 0 of a Varnel 3 material.
enum : ParamID {
    VRN3_MTL_STANDARD_MIX = 1,       // float, percent
    VRN3_MTL_HIGHLIGHT_COLOR = 2,    // Color
    VRN3_MTL_HIGHLIGHT_BLEND = 3,    // int, 1 = Add
    VRN3_MTL_HIGHLIGHT_SIZE = 4,     // int
    VRN3_MTL_HIGHLIGHT_GLOSS = 5,    // int
    VRN3_MTL_HIGHLIGHT_SHARP = 6,    // int
    VRN3_MTL_HIGHLIGHT_ANISO = 7,    // int
    VRN3_MTL_HIGHLIGHT_ORIENT = 8,   // int
    VRN3_MTL_HIGHLIGHT_MAP_AMT = 9,  // float, percent
    VRN3_MTL_HIGHLIGHT_MAP_ON = 10,  // int
    VRN3_MTL_BUMP_ON = 14,           // int
    VRN3_MTL_BUMP_AMT = 15,          // int, percent
    VRN3_MTL_REFLECTION_ON = 17,     // int
    VRN3_MTL_REFLECTION_AMT = 18,    // int, percent
};

// Texmap slots of a Varnel 3 material (ISubMap).
enum {
    VRN3_MTL_SLOT_HIGHLIGHT_COLOR = 0,
    VRN3_MTL_SLOT_HIGHLIGHT_LEVEL = 1,
    VRN3_MTL_SLOT_HIGHLIGHT_GLOSS = 2,
    VRN3_MTL_SLOT_BUMP = 3,
    VRN3_MTL_SLOT_REFLECTION = 4,
};

// Value of VRN3_MTL_HIGHLIGHT_BLEND for the Add blend mode.
const int VRN3_HIGHLIGHT_BLEND_ADD = 1;

// Parameter block 0 of a Varnel 3 zone.
enum : ParamID {
    VRN3_ZONE_START = 0,         // float, percent
    VRN3_ZONE_END = 1,           // float, percent
    VRN3_ZONE_COLOR = 3,         // Color
    VRN3_ZONE_MAP_AMT = 4,       // float, percent
    VRN3_ZONE_MAP_ON = 5,        // int
    VRN3_ZONE_BLEND_MODE = 7,    // int
    VRN3_ZONE_STANDARD_MIX = 8,  // float, percent
    VRN3_ZONE_STROKE_ON = 9,     // int table, one entry per stroke
    VRN3_ZONE_NUMBER = 11,       // int, 1 to 8
};

// Value of VRN3_ZONE_BLEND_MODE for the Multiply blend mode.
const int VRN3_ZONE_BLEND_MULTIPLY = 3;
// Zone numbers run from 1 to 8.
const int VRN3_ZONE_NUMBER_MIN = 1;
const int VRN3_ZONE_NUMBER_MAX = 8;

// Reference of a Varnel 3 zone that holds its map.
const int VRN3_ZONE_MAP_REF = 1;
