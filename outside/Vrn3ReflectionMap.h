// Stand-in of the Varnel 3 reflection/refraction map.
//
// References:
//   ref  holds
//   0    parameter block 0
//   1    parameter block 1
// Sub-texmap 0 is parameter 2 of block 0.
//
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   100        amount, percent
//   1   colour, anim  (1, 1, 1)  tint
//   2   texmap        empty      environment map (sub-texmap 0)
//   3   float         0          falloff
//   4   int           0          mode (0 reflection, 1 refraction)
//   5   float         1.5        index of refraction
//   6   int           4          samples
//   7   float         0          blur
//   8   int, anim     1          outline on
//   9   int, anim     1          outline width on
//   10  int, anim     1          highlight on
//   11  int, anim     1          zones on
//   12  int, anim     1          strokes on
//   13  int, anim     1          shadow on
// Parameter block 1:
//   id  type          default    meaning
//   0   float, anim   1          strength
//   1   texmap        empty      mask
#pragma once

#include "SlotObject.h"

class Vrn3ReflectionMap : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401a5);
    enum { PBLOCK0_REF = 0, PBLOCK1_REF = 1, MAP_PARAM = 2 };

    Vrn3ReflectionMap();
    Class_ID ClassID() override { return Vrn3ReflectionMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Reflection Map"; }

    int NumSubTexmaps() override { return 1; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3ReflectionMap>(remap); }
};
