// Stand-ins of the Varnel 2 brush and brush sub-map.
//
// Vrn2Brush (a map):
//   ref      holds
//   0        parameter block 0
//   1 .. 3   sub-texmaps 0 .. 2 (1: the brush's sub-map)
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   1          size
//   1   int           0          shape
//   2   float         0          jitter (no counterpart)
//   3   colour, anim  (0, 0, 0)  colour
//   4   int           0          blend
//   5   float         1          opacity
//   6   int           0          flow
//   9   colour        (1, 1, 1)  tip colour
//   10  int           0          tip shape
//   11  float         0          legacy (no counterpart)
//
// Vrn2BrushSubMap (a map):
//   ref      holds
//   0, 1     parameter blocks 0, 1 (block indices 0, 1)
//   2, 3     sub-texmaps 0, 1
//   4 .. 7   empty
//   8, 9     any object (copied into the converted sub-map)
// Parameter block 0:  id 0 float, anim (default 1): strength; id 1 texmap: mask
// Parameter block 1:  id 0 int (default 0): mode
#pragma once

#include "SlotObject.h"

class Vrn2Brush : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x71460fa7, 0x20262bf2);
    Vrn2Brush();
    Class_ID ClassID() override { return Vrn2Brush::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Brush"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Brush>(remap); }
};

class Vrn2BrushSubMap : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x3c1e671c, 0x7c0f52a1);
    enum { EXTRA_REF = 8 };
    Vrn2BrushSubMap();
    Class_ID ClassID() override { return Vrn2BrushSubMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Brush Map"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2BrushSubMap>(remap); }
};
