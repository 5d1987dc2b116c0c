// The Varnel 3 line effect, line set, brush and brush sub-map: layouts in
// their headers.
#include "Vrn3Brush.h"
#include "Vrn3LineEffect.h"

namespace {

ParamBlockDesc2 effectBlock(0, "line", Vrn3LineEffect::BLOCK_PARAMS);
ParamBlockDesc2 lineSetBlock0(0, "lineSet", Vrn3LineSet::BLOCK0_PARAMS);
ParamBlockDesc2 lineSetBlock1(1, "quality", Vrn3LineSet::BLOCK1_PARAMS);
ParamBlockDesc2 lineSetBlock2(2, "groupA", Vrn3LineSet::GROUP_PARAMS);
ParamBlockDesc2 lineSetBlock3(3, "groupB", Vrn3LineSet::GROUP_PARAMS);
ParamBlockDesc2 lineSetBlock4(4, "detectionA", Vrn3LineSet::DETECTION_PARAMS);
ParamBlockDesc2 lineSetBlock5(5, "detectionB", Vrn3LineSet::DETECTION_PARAMS);

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

ParamBlockDesc2 brushBlock(0, "brush", Vrn3Brush::BLOCK_PARAMS);
ParamBlockDesc2 subMapBlock0(0, "brushMap", Vrn3BrushSubMap::BLOCK0_PARAMS);
ParamBlockDesc2 subMapBlock1(1, "brushMapMode", Vrn3BrushSubMap::BLOCK1_PARAMS);
ParamBlockDesc2 subMapBlock2(2, "brushMapSoftness", Vrn3BrushSubMap::BLOCK2_PARAMS);

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
