// Stand-in of the Varnel 3 stroke: a map object that a zone uses to draw
// strokes. To the converter it is opaque.
// Its references and blocks are the shared stroke layout (StrokeLayout.h).
#pragma once

#include "StrokeLayout.h"

class Vrn3Stroke : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401a0);
    enum {
        PBLOCK_REF = STROKE_PBLOCK_REF,
        UVGEN_REF = STROKE_UVGEN_REF,
        CURVE_REF = STROKE_CURVE_REF,
        MAP_REF = STROKE_MAP_REF,
        PBLOCK1_REF = STROKE_PBLOCK1_REF,
        ANY_REF = STROKE_ANY_REF,
        NUM_REFS = STROKE_NUM_REFS
    };

    Vrn3Stroke();

    Class_ID ClassID() override { return Vrn3Stroke::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Stroke"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn3Stroke>(remap); }
};
