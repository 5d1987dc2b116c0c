// Stand-in of the settings object that every Varnel 2 material carries in
// its reference Vrn2Mtl::SETTINGS_REF, and of the nested settings object
// inside it.
//
// Vrn2MtlSettings (a map-family object with a name):
//   PBLOCK0_REF  parameter block 0 (BLOCK0_PARAMS)
//   NESTED_REF   nested settings (Vrn2NestedSettings), present from creation
//   PBLOCK1_REF  parameter block 1 (BLOCK1_PARAMS)
//   MAP_REF      a map, shared into the converted object
//
// Vrn2NestedSettings (a reference target):
//   0            parameter block 0 (BLOCK_PARAMS)
#pragma once

#include "SlotObject.h"

class Vrn2NestedSettings : public SlotObject<ReferenceTarget> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ebfb);

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "level", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(1, "count", TYPE_INT), 0),
    };
    // clang-format on

    Vrn2NestedSettings();
    Class_ID ClassID() override { return Vrn2NestedSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Nested Settings"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2NestedSettings>(remap); }
};

class Vrn2MtlSettings : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ebfa);
    enum { PBLOCK0_REF = 0, NESTED_REF = 1, PBLOCK1_REF = 2, MAP_REF = 3, NUM_REFS = 4 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "scale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        TabCount(Param(1, "flags", TYPE_INT_TAB), 3),  // entries 0
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "mode", TYPE_INT), 0),
    };
    // clang-format on

    Vrn2MtlSettings();
    Class_ID ClassID() override { return Vrn2MtlSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Material Settings"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2MtlSettings>(remap); }
};
