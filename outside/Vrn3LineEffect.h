// Stand-in of the Varnel 3 line render effect and of its line sets.
//
// Vrn3LineEffect (a render effect):
//   PBLOCK_REF             parameter block 0 (BLOCK_PARAMS)
//   FIRST_LINESET_REF + j  line set j of the line-set list (Vrn3LineSet only)
// Line-effect interface (0x0ac64497, 0x35366896): 0 set line sets (table).
// A new effect has one default line set.
//
// Vrn3LineSet (a reference target):
//   ref       holds
//   0 .. 5    parameter blocks 0 .. 5
//   6, 7      any object, from EXTRA_REF on
//   8, 9      empty
//   10 .. 16  brush slots of group A (maps), a default brush in each, from
//             FIRST_BRUSH_A_REF on
//   17 .. 20  empty
//   21 .. 27  brush slots of group B (maps), a default brush in each, from
//             FIRST_BRUSH_B_REF on
// Block 0 is BLOCK0_PARAMS, block 1 BLOCK1_PARAMS, blocks 2 and 3 (groups A
// and B) GROUP_PARAMS, blocks 4 and 5 DETECTION_PARAMS.
#pragma once

#include "Effects.h"
#include "ObjectList.h"
#include "SlotObject.h"

class Vrn3LineSet : public SlotObject<ReferenceTarget> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081403f9);
    enum {
        EXTRA_REF = 6,
        FIRST_BRUSH_A_REF = 10,
        FIRST_BRUSH_B_REF = 21,
        BRUSHES_PER_GROUP = 7,
        NUM_REFS = 28
    };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(1, "type", TYPE_INT), 0),
        Default(Param(2, "reserved", TYPE_FLOAT), 9.0f),
        Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
        TabCount(Param(8, "pressure", TYPE_FLOAT_TAB), 1),  // pressure curve
    };

    static inline const std::vector<ParamDef> BLOCK1_PARAMS = {
        Default(Param(0, "quality", TYPE_FLOAT), 7.0f),
    };

    static inline const std::vector<ParamDef> GROUP_PARAMS = {
        Default(Param(0, "useOwn", TYPE_INT), 0),  // use own setting
        Default(Param(1, "setting", TYPE_INT), 1),
        Default(Param(9, "visibleEdges", TYPE_INT), 0),
        Default(Param(10, "hiddenEdges", TYPE_INT), 0),
        Default(Param(5, "scale", TYPE_FLOAT), 1.0f),
    };

    static inline const std::vector<ParamDef> DETECTION_PARAMS = {
        Default(Param(0, "mode", TYPE_INT), 0),
        Default(Param(3, "threshold", TYPE_FLOAT), 0.0f),
    };
    // clang-format on

    Vrn3LineSet();
    Class_ID ClassID() override { return Vrn3LineSet::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Line Set"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3LineSet>(remap); }
};

class Vrn3LineEffect : public Effect {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x0814032e);
    static inline const Interface_ID LINE_EFFECT_INTERFACE_ID =
        Interface_ID(0x0ac64497, 0x35366896);
    enum { PBLOCK_REF = 0, FIRST_LINESET_REF = 1 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "lineScale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(1, "antialiasing", TYPE_INT), 0),
        Param(2, "comment", TYPE_STRING),  // ""
    };
    // clang-format on

    Vrn3LineEffect();
    Class_ID ClassID() override { return Vrn3LineEffect::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Line"; }

    using Effect::GetInterface;
    BaseInterface* GetInterface(Interface_ID id) override;

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }

    int NumRefs() override { return lineSets.EndRef(); }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

    const ObjectList& LineSets() const { return lineSets; }

private:
    IParamBlock2* pblock = nullptr;
    ObjectList lineSets;
    ObjectListInterface lineSetList;
};
