// Stand-ins of the Varnel 3 brush and brush sub-map.
//
// Vrn3Brush (a map):
//   ref      holds
//   0        parameter block 0 (BLOCK_PARAMS)
//   1 .. 3   sub-texmaps 0 .. 2 (0: the brush's sub-map)
//
// Vrn3BrushSubMap (a map):
//   ref      holds
//   0 .. 2   parameter blocks 0 .. 2 (block indices 0 .. 2): BLOCK0_PARAMS,
//            BLOCK1_PARAMS and BLOCK2_PARAMS
//   3, 4     sub-texmaps 0, 1
//   5        empty
//   6, 7     any object, from EXTRA_REF on
#pragma once

#include "SlotObject.h"

class Vrn3Brush : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401fd);

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "size", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(1, "shape", TYPE_INT), 0),
        Default(Param(2, "spacing", TYPE_FLOAT), 5.0f),
        Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
        Default(Param(4, "blend", TYPE_INT), 0),
        Default(Param(5, "opacity", TYPE_FLOAT), 1.0f),
        Default(Param(6, "flow", TYPE_INT), 0),
        Default(Param(7, "tipColor", TYPE_RGBA), Color(1.0f, 1.0f, 1.0f)),
        Default(Param(8, "tipShape", TYPE_INT), 0),
    };
    // clang-format on

    Vrn3Brush();
    Class_ID ClassID() override { return Vrn3Brush::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Brush"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3Brush>(remap); }
};

class Vrn3BrushSubMap : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401ff);
    enum { EXTRA_REF = 6 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Param(1, "mask", TYPE_TEXMAP),
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "mode", TYPE_INT), 0),
    };

    static inline const std::vector<ParamDef> BLOCK2_PARAMS = {
        Default(Param(0, "softness", TYPE_FLOAT), 3.0f),
    };
    // clang-format on

    Vrn3BrushSubMap();
    Class_ID ClassID() override { return Vrn3BrushSubMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Brush Map"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3BrushSubMap>(remap); }
};
