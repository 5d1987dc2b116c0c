// Stand-in of the Varnel 2 line render effect and of its line sets.
//
// Vrn2LineEffect (a render effect):
//   ref     holds
//   0       parameter block 0
//   1 + j   line set j (any object; entries may be empty)
// Parameter block 0:
//   id  type          default   meaning
//   0   float, anim   1         line scale
//   1   int           0         antialiasing
//   2   string        ""        comment
//
// Vrn2LineSet (a render effect, as the plug-in made them):
//   ref       holds
//   0, 1, 2   parameter blocks 0, 1, 2
//   3         empty
//   4, 5      parameter blocks 4, 5
//   6 .. 12   empty
//   13 .. 18  brush slots of group A (maps)
//   19 .. 24  brush slots of group B (maps)
//   25 .. 30  empty
//   31, 32    any object (copied into the converted line set)
// Parameter block 0:
//   id  type          default    meaning
//   0   float, anim   1          width
//   18  float         2          width (old name)
//   1   int           0          type
//   23  colour, anim  (0, 0, 0)  colour
//   37  float table   2 entries  pressure curve
//   5   int           0          legacy (no counterpart)
// Parameter blocks 1 and 2 (groups A and B):
//   id  type   default   meaning
//   18  int    0         use own setting
//   17  int    1         setting
//   38  int    0         visible edges
//   12  int    0         hidden edges
//   19  float  1         scale
// Parameter blocks 4 and 5:
//   id  type   default   meaning
//   25  int    0         mode
//   33  float  0         threshold
#pragma once

#include "Effects.h"
#include "ObjectList.h"
#include "SlotObject.h"

class Vrn2LineEffect : public Effect {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c613);
    enum { PBLOCK_REF = 0, FIRST_LINESET_REF = 1 };

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

    Vrn2LineSet();
    Class_ID ClassID() override { return Vrn2LineSet::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Line Set"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2LineSet>(remap); }
};
