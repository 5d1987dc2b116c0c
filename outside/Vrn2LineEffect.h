// Stand-in of the Varnel 2 line render effect and of its line sets.
//
// Vrn2LineEffect (a render effect):
//   PBLOCK_REF             parameter block 0 (BLOCK_PARAMS)
//   FIRST_LINESET_REF + j  line set j (any object; entries may be empty)
//
// Vrn2LineSet (a render effect, as the plug-in made them):
//   ref       holds
//   0, 1, 2   parameter blocks 0, 1, 2
//   3         empty
//   4, 5      parameter blocks 4, 5
//   6 .. 12   empty
//   13 .. 18  brush slots of group A (maps), from FIRST_BRUSH_A_REF on
//   19 .. 24  brush slots of group B (maps), from FIRST_BRUSH_B_REF on
//   25 .. 30  empty
//   31, 32    any object from EXTRA_REF on (copied into the converted line set)
// Block 0 is BLOCK0_PARAMS, blocks 1 and 2 (groups A and B) GROUP_PARAMS,
// blocks 4 and 5 DETECTION_PARAMS.
#pragma once

#include "Effects.h"
#include "ObjectList.h"
#include "SlotObject.h"

class Vrn2LineEffect : public Effect {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c613);
    enum { PBLOCK_REF = 0, FIRST_LINESET_REF = 1 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "lineScale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(1, "antialiasing", TYPE_INT), 0),
        Param(2, "comment", TYPE_STRING),  // ""
    };
    // clang-format on

    Vrn2LineEffect();
    Class_ID ClassID() override { return Vrn2LineEffect::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Line"; }

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }

    int NumRefs() override { return lineSets.EndRef(); }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

    // Appends a line-set slot holding ls (which may be null).
    void AddLineSet(ReferenceTarget* ls) { lineSets.Append(ls); }

private:
    IParamBlock2* pblock = nullptr;
    ObjectList lineSets;
};

class Vrn2LineSet : public SlotObject<Effect> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c617);
    enum { FIRST_BRUSH_A_REF = 13, FIRST_BRUSH_B_REF = 19, EXTRA_REF = 31, NUM_REFS = 33 };

    // clang-format off
    static inline const std::vector<ParamDef> BLOCK0_PARAMS = {
        Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(18, "widthOld", TYPE_FLOAT), 2.0f),    // width under its old name
        Default(Param(1, "type", TYPE_INT), 0),
        Param(23, "color", TYPE_RGBA, P_ANIMATABLE),
        TabCount(Param(37, "pressure", TYPE_FLOAT_TAB), 2),  // pressure curve
        Default(Param(5, "legacy", TYPE_INT), 0),            // no counterpart
    };

    static inline const std::vector<ParamDef> GROUP_PARAMS = {
        Default(Param(18, "useOwn", TYPE_INT), 0),  // use own setting
        Default(Param(17, "setting", TYPE_INT), 1),
        Default(Param(38, "visibleEdges", TYPE_INT), 0),
        Default(Param(12, "hiddenEdges", TYPE_INT), 0),
        Default(Param(19, "scale", TYPE_FLOAT), 1.0f),
    };

    static inline const std::vector<ParamDef> DETECTION_PARAMS = {
        Default(Param(25, "mode", TYPE_INT), 0),
        Default(Param(33, "threshold", TYPE_FLOAT), 0.0f),
    };
    // clang-format on

    Vrn2LineSet();
    Class_ID ClassID() override { return Vrn2LineSet::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Line Set"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2LineSet>(remap); }
};
