// Stand-in of the Varnel 2 material. The converter only reads it.
//
// References (the REF constants and functions below):
//   MAIN_PBLOCK_REF              parameter block 0 (main)
//   1                            empty (kept free by the plug-in)
//   FIRST_ZONE_PBLOCK_REF + z    parameter block z + 2: zone z, z = 0 .. NUM_ZONES - 1
//   6                            empty
//   OUTLINE_MAP_REF              outline map (a map)
//   SETTINGS_REF                 settings object (Vrn2MtlSettings), present from creation
//   FIRST_MAP_REF .. + 4         maps: highlight colour, highlight level, highlight
//                                glossiness, bump, reflection
//   ZoneObjectRef(z)             zone z's zone object (a map)
//   StrokeRef(z, i)              stroke slot i of zone z, i = 0 .. STROKES_PER_ZONE - 1
//                                (any object)
//
// Parameter block 0 is MAIN_BLOCK_PARAMS below; blocks 2 .. 5 hold zones
// 0 .. 3 (zone z in block z + 2), each laid out by ZoneBlockParams(z).
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

    // clang-format off
    static inline const std::vector<ParamDef> MAIN_BLOCK_PARAMS = {
        Default(Param(0, "shadingModel", TYPE_INT), 0),
        Default(Param(1, "standardMix", TYPE_FLOAT, P_ANIMATABLE), 50.0f),  // percent
        Default(Param(2, "highlightColor", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
        Default(Param(3, "highlightBlendMode", TYPE_INT), 0),
        Default(Param(4, "highlightSize", TYPE_FLOAT), 30.0f),              // Varnel 3: an int
        Default(Param(9, "highlightMapAmount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
        Default(Param(11, "outlineSoftness", TYPE_PCNT_FRAC), 0.5f),
        Param(12, "layers", TYPE_MTL_TAB),                                  // 0 entries
        Param(13, "patternMap", TYPE_TEXMAP),
        TabCount(Param(16, "curve", TYPE_FLOAT_TAB), 3),                    // custom curve
        Default(Param(20, "legacyFlags", TYPE_INT), 0),                     // none in Varnel 3
    };

    // The block of zone z.
    static std::vector<ParamDef> ZoneBlockParams(int z) {
        return {
            Default(Param(0, "start", TYPE_FLOAT), 0.0f),       // percent, the lower boundary
            Default(Param(1, "end", TYPE_FLOAT), 100.0f),       // percent, the upper boundary
            TabCount(Param(2, "zoneMaps", TYPE_TEXMAP_TAB), 2),
            Default(Param(3, "color", TYPE_RGBA, P_ANIMATABLE), Color(0.5f, 0.5f, 0.5f)),
            Default(Param(5, "mapOn", TYPE_INT, P_ANIMATABLE), 0),
            Param(6, "patternMap", TYPE_TEXMAP),
            Default(Param(7, "blendMode", TYPE_INT), 0),
            Default(TabCount(Param(9, "strokeOn", TYPE_INT_TAB), STROKES_PER_ZONE), 1),
            Default(Param(10, "shadowOnly", TYPE_BOOL), 0),
            Default(Param(11, "zoneNumber", TYPE_INT), z + 1),  // the Varnel 3 zone's ID, so a
                                                                // block copy carries it
            Param(12, "patternOffset", TYPE_POINT3),
            Default(Param(13, "patternDensity", TYPE_PCNT_FRAC), 0.5f),
        };
    }
    // clang-format on

    Vrn2Mtl();

    Class_ID ClassID() override { return Vrn2Mtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Material"; }

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Mtl>(remap); }
    void Update(TimeValue t, Interval& valid) override;
    int UpdateCount() const { return updates; }

private:
    int updates = 0;
};
