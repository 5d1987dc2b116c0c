// Stand-in of the Varnel 3 reflection/refraction map.
//
// References:
//   PBLOCK0_REF  parameter block 0 (BLOCK0_PARAMS)
//   PBLOCK1_REF  parameter block 1, the Varnel 2 map's (Vrn2ReflectionMap::BLOCK1_PARAMS)
// Sub-texmap 0 is parameter MAP_PARAM of block 0.
#pragma once

#include "SlotObject.h"
#include "Vrn2ReflectionMap.h"

class Vrn3ReflectionMap : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401a5);
    enum { PBLOCK0_REF = 0, PBLOCK1_REF = 1, MAP_PARAM = 2 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(1, "tint", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
        Param(MAP_PARAM, "map", TYPE_TEXMAP),                           // environment map
        Default(Param(3, "falloff", TYPE_FLOAT), 0.0f),
        Default(Param(4, "mode", TYPE_INT), 0),                         // 1 = refraction
        Default(Param(5, "ior", TYPE_FLOAT), 1.5f),                     // index of refraction
        Default(Param(6, "samples", TYPE_INT), 4),
        Default(Param(7, "blur", TYPE_FLOAT), 0.0f),
        Default(Param(8, "outlineOn", TYPE_INT, P_ANIMATABLE), 1),
        Default(Param(9, "outlineWidthOn", TYPE_INT, P_ANIMATABLE), 1),
        Default(Param(10, "highlightOn", TYPE_INT, P_ANIMATABLE), 1),
        Default(Param(11, "zonesOn", TYPE_INT, P_ANIMATABLE), 1),
        Default(Param(12, "strokesOn", TYPE_INT, P_ANIMATABLE), 1),
        Default(Param(13, "shadowOn", TYPE_INT, P_ANIMATABLE), 1),
    };
    // clang-format on

    Vrn3ReflectionMap();
    Class_ID ClassID() override { return Vrn3ReflectionMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Reflection Map"; }

    int NumSubTexmaps() override { return 1; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3ReflectionMap>(remap); }
};
