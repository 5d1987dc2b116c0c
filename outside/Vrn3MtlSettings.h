// Stand-in of the settings object that every Varnel 3 material carries in its
// reference Vrn3Mtl::SETTINGS_REF: a named map-family object made of parameter
// blocks and one nested settings object.
//
// References:
//   PBLOCK0_REF  parameter block 0 (BLOCK0_PARAMS)
//   NESTED_REF   nested settings (Vrn3NestedSettings: parameter block 0, its
//                BLOCK_PARAMS, at its reference 0)
//   PBLOCK1_REF  parameter block 1 (BLOCK1_PARAMS)
//   MAP_REF      a map (may be empty)
#pragma once

#include "Materials.h"
#include "ParamBlock2.h"

class Vrn3NestedSettings : public ReferenceTarget {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x0814ebfc);

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "level", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(1, "count", TYPE_INT), 0),
    };
    // clang-format on

    Vrn3NestedSettings();
    Class_ID ClassID() override { return Vrn3NestedSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Nested Settings"; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? pblock : nullptr; }
    void SetReference(int i, RefTargetHandle rtarg) override;

private:
    IParamBlock2* pblock = nullptr;
};

class Vrn3MtlSettings : public Texmap {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401b3);
    enum { PBLOCK0_REF = 0, NESTED_REF = 1, PBLOCK1_REF = 2, MAP_REF = 3, NUM_REFS = 4 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "scale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        TabCount(Param(1, "flags", TYPE_INT_TAB), 2),  // entries 0
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "mode", TYPE_INT), 0),
    };
    // clang-format on

    Vrn3MtlSettings();
    Class_ID ClassID() override { return Vrn3MtlSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Material Settings"; }
    int NumParamBlocks() override { return 2; }
    IParamBlock2* GetParamBlock(int i) override;
    IParamBlock2* GetParamBlockByID(BlockID id) override { return GetParamBlock(id); }
    int NumRefs() override { return NUM_REFS; }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

private:
    IParamBlock2* blocks[2] = {};
    ReferenceTarget* nested = nullptr;
    ReferenceTarget* map = nullptr;
};
