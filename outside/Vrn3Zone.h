// Stand-in of the Varnel 3 zone: one band of a Varnel 3 material's lighting
// range, with its own strokes.
//
// References:
//   0       parameter block 0
//   1       the zone's map (a Texmap, may be empty)
//   2 + i   stroke i of the zone's stroke list (entries may be empty)
//
// Parameter block 0 (IDs are the plug-in's and never change):
//   id  type             default           meaning
//   0   float, anim      0                 start, percent of the lighting range
//   1   float, anim      100               end, percent
//   2   texmap table     2 entries, empty  zone maps
//   3   colour, anim     (0.5, 0.5, 0.5)   colour
//   4   float, anim      100               map amount, percent
//   5   int, anim        0                 map enabled
//   6   texmap           empty             pattern map
//   7   int              0                 blend mode (3 = Multiply)
//   8   float, anim      100               standard mix, percent
//   9   int table        1 entry: 1        on/off per stroke
//   10  bool             0                 shadow only
//   11  int              1                 zone number, 1 to 8
//   12  point3           (0, 0, 0)         pattern offset
//   13  percent fraction 0.5               pattern density
//
// Stroke-list interface (0x75a156a0, 0x19017a72): 0 set strokes (table),
// 1 stroke count, 2 stroke at index. A new zone has one default stroke.
// Setting the strokes gives table 9 one entry per stroke: entries kept keep
// their values, new ones take the default.
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
