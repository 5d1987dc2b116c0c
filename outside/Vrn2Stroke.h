// Stand-in of the Varnel 2 stroke: a map object that draws a zone's strokes.
// Its references and blocks are the shared stroke layout (StrokeLayout.h).
#pragma once

#include "StrokeLayout.h"

class Vrn2Stroke : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c4f5);
    enum {
        PBLOCK0_REF = STROKE_PBLOCK_REF,
        UVGEN_REF = STROKE_UVGEN_REF,
        CURVE_REF = STROKE_CURVE_REF,
        MAP_REF = STROKE_MAP_REF,
        PBLOCK1_REF = STROKE_PBLOCK1_REF,
        ANY_REF = STROKE_ANY_REF
    };

    Vrn2Stroke();
    Class_ID ClassID() override { return Vrn2Stroke::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Stroke"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2Stroke>(remap); }
};
