// Stand-ins of the Varnel 2 brush and brush sub-map.
//
// Vrn2Brush (a map):
//   ref      holds
//   0        parameter block 0 (BLOCK_PARAMS)
//   1 .. 3   sub-texmaps 0 .. 2 (1: the brush's sub-map)
//
// Vrn2BrushSubMap (a map):
//   ref      holds
//   0, 1     parameter blocks 0, 1 (block indices 0, 1): BLOCK0_PARAMS and
//            BLOCK1_PARAMS
//   2, 3     sub-texmaps 0, 1
//   4 .. 7   empty
//   8, 9     any object from EXTRA_REF on (copied into the converted sub-map)
#pragma once

#include "SlotObject.h"

class Vrn2Brush : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x71460fa7, 0x20262bf2);

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "size", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(1, "shape", TYPE_INT), 0),
        Default(Param(2, "jitter", TYPE_FLOAT), 0.0f),   // no counterpart
        Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
        Default(Param(4, "blend", TYPE_INT), 0),
        Default(Param(5, "opacity", TYPE_FLOAT), 1.0f),
        Default(Param(6, "flow", TYPE_INT), 0),
        Default(Param(9, "tipColor", TYPE_RGBA), Color(1.0f, 1.0f, 1.0f)),
        Default(Param(10, "tipShape", TYPE_INT), 0),
        Default(Param(11, "legacy", TYPE_FLOAT), 0.0f),  // no counterpart
    };
    // clang-format on

    Vrn2Brush();
    Class_ID ClassID() override { return Vrn2Brush::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Brush"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Brush>(remap); }
};

class Vrn2BrushSubMap : public SlotMap<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x3c1e671c, 0x7c0f52a1);
    enum { EXTRA_REF = 8 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Param(1, "mask", TYPE_TEXMAP),
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "mode", TYPE_INT), 0),
    };
    // clang-format on

    Vrn2BrushSubMap();
    Class_ID ClassID() override { return Vrn2BrushSubMap::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Brush Map"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2BrushSubMap>(remap); }
};
