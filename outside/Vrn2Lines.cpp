// The Varnel 2 line effect, line set, brush and brush sub-map: layouts in
// their headers.
#include "Vrn2Brush.h"
#include "Vrn2LineEffect.h"

namespace {

// clang-format off

ParamBlockDesc2 effectBlock(0, "line", {
    Default(Param(0, "lineScale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(1, "antialiasing", TYPE_INT), 0),
    Param(2, "comment", TYPE_STRING),
});

ParamBlockDesc2 lineSetBlock0(0, "lineSet", {
    Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(18, "widthOld", TYPE_FLOAT), 2.0f),
    Default(Param(1, "type", TYPE_INT), 0),
    Param(23, "color", TYPE_RGBA, P_ANIMATABLE),
    TabCount(Param(37, "pressure", TYPE_FLOAT_TAB), 2),
    Default(Param(5, "legacy", TYPE_INT), 0),
});

std::vector<ParamDef> GroupParams() {
    return {
        Default(Param(18, "useOwn", TYPE_INT), 0),
        Default(Param(17, "setting", TYPE_INT), 1),
        Default(Param(38, "visibleEdges", TYPE_INT), 0),
        Default(Param(12, "hiddenEdges", TYPE_INT), 0),
        Default(Param(19, "scale", TYPE_FLOAT), 1.0f),
    };
}

ParamBlockDesc2 lineSetBlock1(1, "groupA", GroupParams());
ParamBlockDesc2 lineSetBlock2(2, "groupB", GroupParams());

std::vector<ParamDef> DetectionParams() {
    return {
        Default(Param(25, "mode", TYPE_INT), 0),
        Default(Param(33, "threshold", TYPE_FLOAT), 0.0f),
    };
}

ParamBlockDesc2 lineSetBlock4(4, "detectionA", DetectionParams());
ParamBlockDesc2 lineSetBlock5(5, "detectionB", DetectionParams());

std::vector<RefSlot> LineSetLayout() {
    std::vector<RefSlot> slots(Vrn2LineSet::NUM_REFS, AnySlot());
    slots[0] = BlockSlot(lineSetBlock0);
    slots[1] = BlockSlot(lineSetBlock1);
    slots[2] = BlockSlot(lineSetBlock2);
    slots[4] = BlockSlot(lineSetBlock4);
    slots[5] = BlockSlot(lineSetBlock5);
    for (int r = Vrn2LineSet::FIRST_BRUSH_A_REF; r < Vrn2LineSet::FIRST_BRUSH_B_REF + 6; ++r)
        slots[static_cast<size_t>(r)] = MapSlot();
    return slots;
}

ParamBlockDesc2 brushBlock(0, "brush", {
    Default(Param(0, "size", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(1, "shape", TYPE_INT), 0),
    Default(Param(2, "jitter", TYPE_FLOAT), 0.0f),
    Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
    Default(Param(4, "blend", TYPE_INT), 0),
    Default(Param(5, "opacity", TYPE_FLOAT), 1.0f),
    Default(Param(6, "flow", TYPE_INT), 0),
    Default(Param(9, "tipColor", TYPE_RGBA), Color(1.0f, 1.0f, 1.0f)),
    Default(Param(10, "tipShape", TYPE_INT), 0),
    Default(Param(11, "legacy", TYPE_FLOAT), 0.0f),
});

ParamBlockDesc2 subMapBlock0(0, "brushMap", {
    Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Param(1, "mask", TYPE_TEXMAP),
});

ParamBlockDesc2 subMapBlock1(1, "brushMapMode", {
    Default(Param(0, "mode", TYPE_INT), 0),
});

// clang-format on

}  // namespace

Vrn2LineEffect::Vrn2LineEffect() : lineSets(this, FIRST_LINESET_REF) {
    ReplaceReference(PBLOCK_REF, CreateParameterBlock2(&effectBlock, this));
}

RefTargetHandle Vrn2LineEffect::GetReference(int i) {
    if (i == PBLOCK_REF) return pblock;
    return lineSets.Owns(i) ? lineSets.GetRef(i) : nullptr;
}

void Vrn2LineEffect::SetReference(int i, RefTargetHandle rtarg) {
    if (i == PBLOCK_REF) {
        if (!rtarg || rtarg->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID)
            pblock = static_cast<IParamBlock2*>(rtarg);
    } else {
        lineSets.SetRef(i, rtarg);
    }
}

Vrn2LineSet::Vrn2LineSet() : SlotObject<Effect>(LineSetLayout()) {}

Vrn2Brush::Vrn2Brush()
    : SlotMap<Texmap>({BlockSlot(brushBlock), MapSlot(), MapSlot(), MapSlot()}, {1, 2, 3}) {}

Vrn2BrushSubMap::Vrn2BrushSubMap()
    : SlotMap<Texmap>({BlockSlot(subMapBlock0), BlockSlot(subMapBlock1), MapSlot(), MapSlot(),
                       AnySlot(), AnySlot(), AnySlot(), AnySlot(), AnySlot(), AnySlot()},
                      {2, 3}) {}
