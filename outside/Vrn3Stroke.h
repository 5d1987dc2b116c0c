// Stand-in of the Varnel 3 stroke: a map object that a zone uses to draw
// strokes. To the converter it is opaque.
//
// References:
//   0   parameter block 0
//
// Parameter block 0:
//   id  type          default   meaning
//   0   float, anim   1         width
//   1   colour, anim  (0,0,0)   colour
#pragma once

#include "Materials.h"
#include "ParamBlock2.h"


class Vrn3Stroke : public Texmap {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401a0);
    enum { PBLOCK_REF = 0, NUM_REFS = 1 };

    Vrn3Stroke();

    Class_ID ClassID() override { return Vrn3Stroke::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Stroke"; }

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }

    int NumRefs() override { return NUM_REFS; }
    RefTargetHandle GetReference(int i) override { return i == PBLOCK_REF ? pblock : nullptr; }
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefTargetHandle Clone(RemapDir& remap) override;

private:
    IParamBlock2* pblock = nullptr;
};
