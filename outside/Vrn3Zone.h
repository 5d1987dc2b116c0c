// Stand-in of the Varnel 3 zone: one band of a Varnel 3 material's lighting
// range, with its own strokes.
//
// References:
//   PBLOCK_REF            parameter block 0
//   MAP_REF               the zone's map (a Texmap, may be empty)
//   FIRST_STROKE_REF + i  stroke i of the zone's stroke list (entries may be empty)
//
// Parameter block 0 is ZONE_BLOCK_PARAMS below (IDs are the plug-in's and
// never change).
//
// Stroke-list interface (0x75a156a0, 0x19017a72): 0 set strokes (table),
// 1 stroke count, 2 stroke at index. A new zone has one default stroke.
// Setting the strokes gives table STROKE_ON_PARAM one entry per stroke:
// entries kept keep their values, new ones take the default.
//
// A clone has its own block (values copied), its own copy of the map and of
// every stroke.
#pragma once

#include "Materials.h"
#include "ObjectList.h"
#include "ParamBlock2.h"

class Vrn3Zone : public ReferenceTarget {
public:
    static inline const Interface_ID STROKE_LIST_INTERFACE_ID =
        Interface_ID(0x75a156a0, 0x19017a72);
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x08140210);
    enum { PBLOCK_REF = 0, MAP_REF = 1, FIRST_STROKE_REF = 2 };
    static constexpr ParamID STROKE_ON_PARAM = 9;

    // clang-format off
    static inline const std::vector<ParamDef> ZONE_BLOCK_PARAMS = {
        // start and end are percents of the lighting range
        Default(Param(0, "start", TYPE_FLOAT, P_ANIMATABLE), 0.0f),          // percent
        Default(Param(1, "end", TYPE_FLOAT, P_ANIMATABLE), 100.0f),          // percent
        TabCount(Param(2, "zoneMaps", TYPE_TEXMAP_TAB), 2),                  // entries start empty
        Default(Param(3, "color", TYPE_RGBA, P_ANIMATABLE), Color(0.5f, 0.5f, 0.5f)),
        Default(Param(4, "mapAmount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),    // percent
        Default(Param(5, "mapOn", TYPE_INT, P_ANIMATABLE), 0),
        Param(6, "patternMap", TYPE_TEXMAP),
        Default(Param(7, "blendMode", TYPE_INT), 0),                         // 3 = Multiply
        Default(Param(8, "standardMix", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(TabCount(Param(STROKE_ON_PARAM, "strokeOn", TYPE_INT_TAB), 1), 1),
        Default(Param(10, "shadowOnly", TYPE_BOOL), 0),
        Default(Param(11, "zoneNumber", TYPE_INT), 1),                       // 1 to 8
        Param(12, "patternOffset", TYPE_POINT3),
        Default(Param(13, "patternDensity", TYPE_PCNT_FRAC), 0.5f),
    };
    // clang-format on

    Vrn3Zone();

    Class_ID ClassID() override { return Vrn3Zone::CLASS_ID; }
    SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Zone"; }

    using ReferenceTarget::GetInterface;
    BaseInterface* GetInterface(Interface_ID id) override;

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }

    int NumRefs() override { return strokes.EndRef(); }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefTargetHandle Clone(RemapDir& remap) override;

    Texmap* GetMap() { return map; }
    const ObjectList& Strokes() const { return strokes; }

private:
    // The stroke list's interface, which keeps table 9 in step with the strokes.
    class StrokeListInterface : public ObjectListInterface {
    public:
        StrokeListInterface(Vrn3Zone& zone);
        FPStatus Invoke(FunctionID fid, FPValue& result, FPParams* p) override;
        using FPInterface::Invoke;

    private:
        Vrn3Zone& zone;
    };

    void MatchStrokeTable();

    IParamBlock2* pblock = nullptr;
    Texmap* map = nullptr;
    ObjectList strokes;
    StrokeListInterface strokeList;
};
