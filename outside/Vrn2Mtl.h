// Stand-in of the Varnel 2 material. The converter only reads it.
//
// References:
//   ref          holds
//   0            parameter block 0 (main)
//   1            empty (kept free by the plug-in)
//   2 .. 5       parameter blocks 2 .. 5: zones 0 .. 3
//   6            empty
//   7            outline map (a map)
//   8            settings object (Vrn2MtlSettings), present from creation
//   9 .. 13      maps: highlight colour, highlight level, highlight
//                glossiness, bump, reflection
//   14 + 7z      zone z's zone object (a map), z = 0 .. 3
//   15 + 7z + i  stroke slot i of zone z, i = 0 .. 5 (any object)
//
// Parameter block 0 (main):
//   id  type          default        meaning
//   0   int           0              shading model
//   1   float, anim   50             standard mix, percent
//   2   colour, anim  (1, 1, 1)      highlight colour
//   3   int           0              highlight blend mode
//   4   float         30             highlight size (the Varnel 3 one is an int)
//   9   float, anim   100            highlight map amount
//   11  percent frac  0.5            outline softness
//   12  material tab  0 entries      layered materials
//   13  texmap        empty          pattern map
//   16  float table   3 entries, 0   custom curve
//   20  int           0              legacy flags (no Varnel 3 counterpart)
//
// Parameter blocks 2 .. 5 (zone z in block z + 2):
//   id  type          default          meaning
//   0   float         0                start, percent (the lower boundary)
//   1   float         100              end, percent (the upper boundary)
//   2   texmap table  2 entries        zone maps
//   3   colour, anim  (0.5, 0.5, 0.5)  colour
//   5   int, anim     0                map enabled
//   6   texmap        empty            pattern map
//   7   int           0                blend mode
//   9   int table     6 entries, 1     on/off per stroke slot
//   10  bool          0                shadow only
//   11  int           z + 1            zone number (the same parameter as the
//                                      Varnel 3 zone's, so the block copy carries it)
//   12  point3        (0, 0, 0)        pattern offset
//   13  percent frac  0.5              pattern density
#pragma once

#include "SlotObject.h"

class Vrn2Mtl : public SlotObject<Mtl> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c54e);
    enum {
        MAIN_PBLOCK_REF = 0,
        FIRST_ZONE_PBLOCK_REF = 2,
        OUTLINE_MAP_REF = 7,
        SETTINGS_REF = 8,
        FIRST_MAP_REF = 9,
        FIRST_ZONE_REF = 14,
        REFS_PER_ZONE = 7,
        NUM_ZONES = 4,
        STROKES_PER_ZONE = 6,
        NUM_REFS = FIRST_ZONE_REF + REFS_PER_ZONE * NUM_ZONES,
    };
    static int ZoneObjectRef(int z) { return FIRST_ZONE_REF + REFS_PER_ZONE * z; }
    static int StrokeRef(int z, int i) { return ZoneObjectRef(z) + 1 + i; }

    Vrn2Mtl();

    Class_ID ClassID() override { return Vrn2Mtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Material"; }

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Mtl>(remap); }
    void Update(TimeValue t, Interval& valid) override;
    int UpdateCount() const { return updates; }

private:
    int updates = 0;
};
