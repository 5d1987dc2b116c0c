// The Varnel 2 line effect, line set, brush and brush sub-map: layouts in
// their headers.
#include "Vrn2Brush.h"
#include "Vrn2LineEffect.h"

namespace {

ParamBlockDesc2 effectBlock(0, "line", Vrn2LineEffect::BLOCK_PARAMS);
ParamBlockDesc2 lineSetBlock0(0, "lineSet", Vrn2LineSet::BLOCK0_PARAMS);
ParamBlockDesc2 lineSetBlock1(1, "groupA", Vrn2LineSet::GROUP_PARAMS);
ParamBlockDesc2 lineSetBlock2(2, "groupB", Vrn2LineSet::GROUP_PARAMS);
ParamBlockDesc2 lineSetBlock4(4, "detectionA", Vrn2LineSet::DETECTION_PARAMS);
ParamBlockDesc2 lineSetBlock5(5, "detectionB", Vrn2LineSet::DETECTION_PARAMS);

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

ParamBlockDesc2 brushBlock(0, "brush", Vrn2Brush::BLOCK_PARAMS);
ParamBlockDesc2 subMapBlock0(0, "brushMap", Vrn2BrushSubMap::BLOCK0_PARAMS);
ParamBlockDesc2 subMapBlock1(1, "brushMapMode", Vrn2BrushSubMap::BLOCK1_PARAMS);

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
