// The stroke layout that the Varnel 2 and Varnel 3 strokes share (the newer
// plug-in kept the older one's references and blocks, which is what lets a
// stroke be converted reference by reference):
//
//   STROKE_PBLOCK_REF   parameter block 0 (STROKE_BLOCK0_PARAMS)
//   STROKE_UVGEN_REF    UV generator (the host's), present from creation
//   STROKE_CURVE_REF    curve control (the host's), present from creation
//   STROKE_MAP_REF      a map (may be empty)
//   STROKE_PBLOCK1_REF  parameter block 1 (STROKE_BLOCK1_PARAMS)
//   STROKE_ANY_REF      any object (may be empty)
#pragma once

#include <vector>

#include "SlotObject.h"

enum {
    STROKE_PBLOCK_REF = 0,
    STROKE_UVGEN_REF = 1,
    STROKE_CURVE_REF = 2,
    STROKE_MAP_REF = 3,
    STROKE_PBLOCK1_REF = 4,
    STROKE_ANY_REF = 5,
    STROKE_NUM_REFS = 6
};

// clang-format off
inline const std::vector<ParamDef> STROKE_BLOCK0_PARAMS = {
    Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Param(1, "color", TYPE_RGBA, P_ANIMATABLE),
    Default(Param(2, "style", TYPE_INT), 0),
};

inline const std::vector<ParamDef> STROKE_BLOCK1_PARAMS = {
    Default(Param(0, "pressureMode", TYPE_INT), 0),
};
// clang-format on

std::vector<RefSlot> StrokeSlots();
// Gives a new stroke its own UV generator and curve control.
void AddStrokeControls(ReferenceMaker* stroke);
