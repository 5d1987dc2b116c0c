// The Varnel 3 line effect, line set, brush and brush sub-map: layouts in
// their headers.
#include "Vrn3Brush.h"
#include "Vrn3LineEffect.h"

namespace {

// clang-format off

ParamBlockDesc2 effectBlock(0, "line", {
    Default(Param(0, "lineScale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(1, "antialiasing", TYPE_INT), 0),
    Param(2, "comment", TYPE_STRING),
});

ParamBlockDesc2 lineSetBlock0(0, "lineSet", {
    Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(1, "type", TYPE_INT), 0),
    Default(Param(2, "reserved", TYPE_FLOAT), 9.0f),
    Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
    TabCount(Param(8, "pressure", TYPE_FLOAT_TAB), 1),
});

ParamBlockDesc2 lineSetBlock1(1, "quality", {
    Default(Param(0, "quality", TYPE_FLOAT), 7.0f),
});

std::vector<ParamDef> GroupParams() {
    return {
        Default(Param(0, "useOwn", TYPE_INT), 0),
        Default(Param(1, "setting", TYPE_INT), 1),
        Default(Param(9, "visibleEdges", TYPE_INT), 0),
        Default(Param(10, "hiddenEdges", TYPE_INT), 0),
        Default(Param(5, "scale", TYPE_FLOAT), 1.0f),
    };
}

ParamBlockDesc2 lineSetBlock2(2, "groupA", GroupParams());
ParamBlockDesc2 lineSetBlock3(3, "groupB", GroupParams());

std::vector<ParamDef> DetectionParams() {
    return {
        Default(Param(0, "mode", TYPE_INT), 0),
        Default(Param(3, "threshold", TYPE_FLOAT), 0.0f),
    };
}

ParamBlockDesc2 lineSetBlock4(4, "detectionA", DetectionParams());
ParamBlockDesc2 lineSetBlock5(5, "detectionB", DetectionParams());

std::vector<RefSlot> LineSetLayout() {
    std::vector<RefSlot> slots(Vrn3LineSet::NUM_REFS, AnySlot());
    ParamBlockDesc2* blocks[] = {&lineSetBlock0, &lineSetBlock1, &lineSetBlock2,
                                 &lineSetBlock3, &lineSetBlock4, &lineSetBlock5};
    for (size_t b = 0; b < 6; ++b) slots[b] = BlockSlot(*blocks[b]);
    for (int k = 0; k < Vrn3LineSet::BRUSHES_PER_GROUP; ++k) {
        slots[static_cast<size_t>(Vrn3LineSet::FIRST_BRUSH_A_REF + k)] = MapSlot();
        slots[static_cast<size_t>(Vrn3LineSet::FIRST_BRUSH_B_REF + k)] = MapSlot();
    }
    return slots;
}

ParamBlockDesc2 brushBlock(0, "brush", {
    Default(Param(0, "size", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Default(Param(1, "shape", TYPE_INT), 0),
    Default(Param(2, "spacing", TYPE_FLOAT), 5.0f),
    Param(3, "color", TYPE_RGBA, P_ANIMATABLE),
    Default(Param(4, "blend", TYPE_INT), 0),
    Default(Param(5, "opacity", TYPE_FLOAT), 1.0f),
    Default(Param(6, "flow", TYPE_INT), 0),
    Default(Param(7, "tipColor", TYPE_RGBA), Color(1.0f, 1.0f, 1.0f)),
    Default(Param(8, "tipShape", TYPE_INT), 0),
});

ParamBlockDesc2 subMapBlock0(0, "brushMap", {
    Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Param(1, "mask", TYPE_TEXMAP),
});

ParamBlockDesc2 subMapBlock1(1, "brushMapMode", {
    Default(Param(0, "mode", TYPE_INT), 0),
});

ParamBlockDesc2 subMapBlock2(2, "brushMapSoftness", {
    Default(Param(0, "softness", TYPE_FLOAT), 3.0f),
});

// clang-format on

}  // namespace

Vrn3LineSet::Vrn3LineSet() : SlotObject<ReferenceTarget>(LineSetLayout()) {
    for (int k = 0; k < BRUSHES_PER_GROUP; ++k) {
        ReplaceReference(FIRST_BRUSH_A_REF + k, new Vrn3Brush);
        ReplaceReference(FIRST_BRUSH_B_REF + k, new Vrn3Brush);
    }
}

Vrn3LineEffect::Vrn3LineEffect()
    : lineSets(this, FIRST_LINESET_REF, Vrn3LineSet::CLASS_ID),
      lineSetList(Vrn3LineEffect::LINE_EFFECT_INTERFACE_ID, lineSets, 0, ObjectListInterface::NONE,
                  ObjectListInterface::NONE) {
    ReplaceReference(PBLOCK_REF, CreateParameterBlock2(&effectBlock, this));
    lineSets.Append(new Vrn3LineSet);
}

BaseInterface* Vrn3LineEffect::GetInterface(Interface_ID id) {
    return id == Vrn3LineEffect::LINE_EFFECT_INTERFACE_ID ? &lineSetList : nullptr;
}

RefTargetHandle Vrn3LineEffect::GetReference(int i) {
    if (i == PBLOCK_REF) return pblock;
    return lineSets.Owns(i) ? lineSets.GetRef(i) : nullptr;
}

void Vrn3LineEffect::SetReference(int i, RefTargetHandle rtarg) {
    if (i == PBLOCK_REF) {
        if (!rtarg || rtarg->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID)
            pblock = static_cast<IParamBlock2*>(rtarg);
    } else {
        lineSets.SetRef(i, rtarg);
    }
}

Vrn3Brush::Vrn3Brush()
    : SlotMap<Texmap>({BlockSlot(brushBlock), MapSlot(), MapSlot(), MapSlot()}, {1, 2, 3}) {}

Vrn3BrushSubMap::Vrn3BrushSubMap()
    : SlotMap<Texmap>({BlockSlot(subMapBlock0), BlockSlot(subMapBlock1), BlockSlot(subMapBlock2),
                       MapSlot(), MapSlot(), AnySlot(), AnySlot(), AnySlot()},
                      {3, 4}) {}
