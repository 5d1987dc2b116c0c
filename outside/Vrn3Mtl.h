// Stand-in of the Varnel 3 material: a base material wrapped with shading
// zones, a highlight and maps.
//
// References (the REF constants below):
//   MAIN_PBLOCK_REF       parameter block 0 (main)
//   BASE_MTL_REF          base material: sub-material 0 (a Standard material when the host has one)
//   OUTLINE_PBLOCK_REF    parameter block 1 (outline)
//   OUTLINE_MAP_REF       outline map: sub-texmap 5
//   SETTINGS_REF          settings object (Vrn3MtlSettings), present from creation
//   SHADOW_PBLOCK_REF     parameter block 2 (shadow)
//   FIRST_MAP_REF + i     sub-texmap i, i = 0 .. NUM_MAP_REFS - 1: highlight colour,
//                         highlight level, highlight glossiness, bump, reflection
//   FIRST_ZONE_REF + k    zone k of the zone list
//
// Parameter blocks 0, 1 and 2 are MAIN_BLOCK_PARAMS, OUTLINE_BLOCK_PARAMS and
// SHADOW_BLOCK_PARAMS below (IDs are the plug-in's and never change). The
// standard mix is that of the base material.
//
// Zone-list interface (0x6e686977, 0x6ca31003): 1 set zones (table), 2 zone
// count, 3 zone at index. A new material has two default zones.
#pragma once

#include "Materials.h"
#include "ObjectList.h"
#include "ParamBlock2.h"

class Vrn3Mtl : public Mtl {
public:
    static inline const Interface_ID ZONE_LIST_INTERFACE_ID = Interface_ID(0x6e686977, 0x6ca31003);
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081454de);
    enum {
        MAIN_PBLOCK_REF = 0,
        BASE_MTL_REF = 1,
        OUTLINE_PBLOCK_REF = 2,
        OUTLINE_MAP_REF = 3,
        SETTINGS_REF = 4,
        SHADOW_PBLOCK_REF = 5,
        FIRST_MAP_REF = 6,
        NUM_MAP_REFS = 5,
        FIRST_ZONE_REF = 11,
        NUM_SUBTEXMAPS = 6,
    };

    // clang-format off
    static inline const std::vector<ParamDef> MAIN_BLOCK_PARAMS = {
        Default(Param(0, "shadingModel", TYPE_INT), 0),
        Default(Param(1, "standardMix", TYPE_FLOAT, P_ANIMATABLE), 50.0f),          // percent
        Default(Param(2, "highlightColor", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
        Default(Param(3, "highlightBlendMode", TYPE_INT), 0),                       // 1 = Add
        Default(Param(4, "highlightSize", TYPE_INT), 30),
        Default(Param(5, "highlightGlossiness", TYPE_INT), 40),
        Default(Param(6, "highlightSharpness", TYPE_INT), 90),
        Default(Param(7, "highlightAnisotropy", TYPE_INT), 0),
        Default(Param(8, "highlightOrientation", TYPE_INT), 0),
        Default(Param(9, "highlightMapAmount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(10, "highlightMapOn", TYPE_INT), 1),
        Default(Param(11, "outlineSoftness", TYPE_PCNT_FRAC), 0.5f),
        Param(12, "layers", TYPE_MTL_TAB),                                          // 0 entries
        Param(13, "patternMap", TYPE_TEXMAP),
        Default(Param(14, "bumpOn", TYPE_INT), 0),
        Default(Param(15, "bumpAmount", TYPE_INT), 30),                             // percent
        Param(16, "curve", TYPE_FLOAT_TAB),                                         // custom curve
        Default(Param(17, "reflectionOn", TYPE_INT), 0),
        Default(Param(18, "reflectionAmount", TYPE_INT), 100),                      // percent
    };

    static inline const std::vector<ParamDef> OUTLINE_BLOCK_PARAMS = {
        Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    };

    static inline const std::vector<ParamDef> SHADOW_BLOCK_PARAMS = {
        Default(Param(0, "density", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    };
    // clang-format on

    Vrn3Mtl();

    Class_ID ClassID() override { return Vrn3Mtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Material"; }

    using Mtl::GetInterface;
    BaseInterface* GetInterface(Interface_ID id) override;

    int NumParamBlocks() override { return 3; }
    IParamBlock2* GetParamBlock(int i) override;
    IParamBlock2* GetParamBlockByID(BlockID id) override { return GetParamBlock(id); }

    int NumSubMtls() override { return 1; }
    Mtl* GetSubMtl(int i) override { return i == 0 ? baseMtl : nullptr; }
    void SetSubMtl(int i, Mtl* m) override;

    int NumSubTexmaps() override { return NUM_SUBTEXMAPS; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    int NumRefs() override { return zones.EndRef(); }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

    void Update(TimeValue t, Interval& valid) override;
    int UpdateCount() const { return updates; }

    const ObjectList& Zones() const { return zones; }

private:
    int MapRef(int slot) const;

    IParamBlock2* blocks[3] = {};
    Mtl* baseMtl = nullptr;
    ReferenceTarget* refs[FIRST_ZONE_REF] = {};  // the single slots other than blocks and base
    ObjectList zones;
    ObjectListInterface zoneList;
    int updates = 0;
};
