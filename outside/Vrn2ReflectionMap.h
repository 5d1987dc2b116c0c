// Stand-in of the Varnel 2 reflection/refraction map.
//
// References:
//   PBLOCK0_REF  parameter block 0 (BLOCK0_PARAMS)
//   PBLOCK1_REF  parameter block 1 (BLOCK1_PARAMS, which the Varnel 3 map kept)
// Sub-texmap 0 is parameter MAP_PARAM of block 0.
#pragma once

#include "SlotObject.h"

class Vrn2ReflectionMap : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ed97);
    enum { PBLOCK0_REF = 0, PBLOCK1_REF = 1, MAP_PARAM = 2 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(1, "tint", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
        Param(MAP_PARAM, "map", TYPE_TEXMAP),                           // environment map
        Default(Param(3, "ior", TYPE_FLOAT), 1.5f),                     // index of refraction
        Default(Param(4, "samples", TYPE_INT), 4),
        Default(Param(5, "blur", TYPE_FLOAT), 0.0f),
        Default(Param(6, "outlineOff", TYPE_INT, P_ANIMATABLE), 0),     // 1 = outline not reflected
        Default(Param(7, "highlightOff", TYPE_INT, P_ANIMATABLE), 0),
        Default(Param(8, "zonesOff", TYPE_INT, P_ANIMATABLE), 0),
        Default(Param(9, "strokesOff", TYPE_INT, P_ANIMATABLE), 0),
        Default(Param(10, "shadowOff", TYPE_INT, P_ANIMATABLE), 0),
        Default(Param(11, "falloff", TYPE_FLOAT), 0.0f),
        Default(Param(12, "mode", TYPE_INT), 0),                        // 1 = refraction
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Param(1, "mask", TYPE_TEXMAP),
    };
    // clang-format on

    Vrn2ReflectionMap();
    Class_ID ClassID() override { return Vrn2ReflectionMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Reflection Map"; }

    int NumSubTexmaps() override { return 1; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2ReflectionMap>(remap); }
};
