// Stand-in of the Varnel 2 stroke: a map object that draws a zone's strokes.
//
// References:
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

#include "SlotObject.h"

class Vrn2Stroke : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c4f5);
    enum {
        PBLOCK0_REF = 0,
        UVGEN_REF = 1,
        CURVE_REF = 2,
        MAP_REF = 3,
        PBLOCK1_REF = 4,
        ANY_REF = 5
    };

    Vrn2Stroke();
    Class_ID ClassID() override { return Vrn2Stroke::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Stroke"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Stroke>(remap); }
};
