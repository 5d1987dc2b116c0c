#include "StrokeLayout.h"

#include "CurveControl.h"
#include "UVGen.h"

namespace {

ParamBlockDesc2 strokeBlock0(0, "stroke", STROKE_BLOCK0_PARAMS);
ParamBlockDesc2 strokeBlock1(1, "pressure", STROKE_BLOCK1_PARAMS);

}  // namespace

std::vector<RefSlot> StrokeSlots() {
    return {BlockSlot(strokeBlock0), AnySlot(), AnySlot(), MapSlot(),
            BlockSlot(strokeBlock1), AnySlot()};
}

void AddStrokeControls(ReferenceMaker* stroke) {
    stroke->ReplaceReference(STROKE_UVGEN_REF, NewDefaultUVGen());
    stroke->ReplaceReference(STROKE_CURVE_REF, new CurveControl);
}
