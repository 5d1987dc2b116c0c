// Stand-ins of the Varnel 3 brush and brush sub-map.
//
// Vrn3Brush (a map):
//   ref      holds
//   0        parameter block 0
//   1 .. 3   sub-texmaps 0 .. 2 (0: the brush's sub-map)
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   1          size
//   1   int           0          shape
//   2   float         5          spacing
//   3   colour, anim  (0, 0, 0)  colour
//   4   int           0          blend
//   5   float         1          opacity
//   6   int           0          flow
//   7   colour        (1, 1, 1)  tip colour
//   8   int           0          tip shape
//
// Vrn3BrushSubMap (a map):
//   ref      holds
//   0 .. 2   parameter blocks 0 .. 2 (block indices 0 .. 2)
//   3, 4     sub-texmaps 0, 1
//   5        empty
//   6, 7     any object
// Parameter block 0:  id 0 float, anim (default 1): strength; id 1 texmap: mask
// Parameter block 1:  id 0 int (default 0): mode
// Parameter block 2:  id 0 float (default 3): softness
#pragma once

#include "SlotObject.h"

class Vrn3Brush : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401fd);
    Vrn3Brush();
    Class_ID ClassID() override { return Vrn3Brush::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Brush"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3Brush>(remap); }
};

class Vrn3BrushSubMap : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401ff);
    enum { EXTRA_REF = 6 };
    Vrn3BrushSubMap();
    Class_ID ClassID() override { return Vrn3BrushSubMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Brush Map"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3BrushSubMap>(remap); }
};
