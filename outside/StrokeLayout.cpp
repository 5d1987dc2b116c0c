#include "StrokeLayout.h"

#include "CurveControl.h"
#include "UVGen.h"

namespace {

// clang-format off

ParamBlockDesc2 strokeBlock0(0, "stroke", {
    Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Param(1, "color", TYPE_RGBA, P_ANIMATABLE),
    Default(Param(2, "style", TYPE_INT), 0),
});

ParamBlockDesc2 strokeBlock1(1, "pressure", {
    Default(Param(0, "pressureMode", TYPE_INT), 0),
});

// clang-format on

}  // namespace

std::vector<RefSlot> StrokeSlots() {
    return {BlockSlot(strokeBlock0), AnySlot(), AnySlot(), MapSlot(),
            BlockSlot(strokeBlock1), AnySlot()};
}

void AddStrokeControls(ReferenceMaker* stroke) {
    stroke->ReplaceReference(STROKE_UVGEN_REF, NewDefaultUVGen());
    stroke->ReplaceReference(STROKE_CURVE_REF, new CurveControl);
}
