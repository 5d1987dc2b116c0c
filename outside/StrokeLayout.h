// The stroke layout that the Varnel 2 and Varnel 3 strokes share (the newer
// plug-in kept the older one's references and blocks, which is what lets a
// stroke be converted reference by reference):
//
//   ref  holds
//   0    parameter block 0
//   1    UV generator (the host's), present from creation
//   2    curve control (the host's), present from creation
//   3    a map (may be empty)
//   4    parameter block 1
//   5    any object (may be empty)
//
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   1          width
//   1   colour, anim  (0, 0, 0)  colour
//   2   int           0          style
// Parameter block 1:
//   id  type          default    meaning
//   0   int           0          pressure mode
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

std::vector<RefSlot> StrokeSlots();
// Gives a new stroke its own UV generator and curve control.
void AddStrokeControls(ReferenceMaker* stroke);
