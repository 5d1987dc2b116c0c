// Stand-in of the Varnel 2 reflection/refraction map.
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
//   3   float         1.5        index of refraction
//   4   int           4          samples
//   5   float         0          blur
//   6   int, anim     0          outline off (1 = outline not reflected)
//   7   int, anim     0          highlight off
//   8   int, anim     0          zones off
//   9   int, anim     0          strokes off
//   10  int, anim     0          shadow off
//   11  float         0          falloff
//   12  int           0          mode (0 reflection, 1 refraction)
// Parameter block 1:
//   id  type          default    meaning
//   0   float, anim   1          strength
//   1   texmap        empty      mask
#pragma once

#include "SlotObject.h"

class Vrn2ReflectionMap : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ed97);
    enum { PBLOCK0_REF = 0, PBLOCK1_REF = 1, MAP_PARAM = 2 };

    Vrn2ReflectionMap();
    Class_ID ClassID() override { return Vrn2ReflectionMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Reflection Map"; }

    int NumSubTexmaps() override { return 1; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2ReflectionMap>(remap); }
};
