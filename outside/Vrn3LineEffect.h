// Stand-in of the Varnel 3 line render effect and of its line sets.
//
// Vrn3LineEffect (a render effect):
//   ref     holds
//   0       parameter block 0
//   1 + j   line set j of the line-set list (Vrn3LineSet only)
// Parameter block 0:
//   id  type          default   meaning
//   0   float, anim   1         line scale
//   1   int           0         antialiasing
//   2   string        ""        comment
// Line-effect interface (0x0ac64497, 0x35366896): 0 set line sets (table).
// A new effect has one default line set.
//
// Vrn3LineSet (a reference target):
//   ref       holds
//   0 .. 5    parameter blocks 0 .. 5
//   6, 7      any object
//   8, 9      empty
//   10 .. 16  brush slots of group A (maps), a default brush in each
//   17 .. 20  empty
//   21 .. 27  brush slots of group B (maps), a default brush in each
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   1          width
//   1   int           0          type
//   2   float         9          reserved
//   3   colour, anim  (0, 0, 0)  colour
//   8   float table   1 entry    pressure curve
// Parameter block 1:  id 0 float (default 7): quality
// Parameter blocks 2 and 3 (groups A and B):
//   id  type   default   meaning
//   0   int    0         use own setting
//   1   int    1         setting
//   9   int    0         visible edges
//   10  int    0         hidden edges
//   5   float  1         scale
// Parameter blocks 4 and 5:
//   id  type   default   meaning
//   0   int    0         mode
//   3   float  0         threshold
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
