#include "Vrn2Mtl.h"

#include "Vrn2MtlSettings.h"

namespace {

ParamBlockDesc2 mainBlock(0, "main", Vrn2Mtl::MAIN_BLOCK_PARAMS);

ParamBlockDesc2 zoneBlocks[Vrn2Mtl::NUM_ZONES] = {
    ParamBlockDesc2(2, "zone0", Vrn2Mtl::ZoneBlockParams(0)),
    ParamBlockDesc2(3, "zone1", Vrn2Mtl::ZoneBlockParams(1)),
    ParamBlockDesc2(4, "zone2", Vrn2Mtl::ZoneBlockParams(2)),
    ParamBlockDesc2(5, "zone3", Vrn2Mtl::ZoneBlockParams(3)),
};

std::vector<RefSlot> Layout() {
    std::vector<RefSlot> slots(Vrn2Mtl::NUM_REFS, AnySlot());
    slots[Vrn2Mtl::MAIN_PBLOCK_REF] = BlockSlot(mainBlock);
    for (int z = 0; z < Vrn2Mtl::NUM_ZONES; ++z) {
        slots[static_cast<size_t>(Vrn2Mtl::FIRST_ZONE_PBLOCK_REF + z)] = BlockSlot(zoneBlocks[z]);
        slots[static_cast<size_t>(Vrn2Mtl::ZoneObjectRef(z))] = MapSlot();
    }
    slots[Vrn2Mtl::OUTLINE_MAP_REF] = MapSlot();
    for (int r = Vrn2Mtl::FIRST_MAP_REF; r < Vrn2Mtl::FIRST_ZONE_REF; ++r)
        slots[static_cast<size_t>(r)] = MapSlot();
    return slots;
}

}  // namespace

Vrn2Mtl::Vrn2Mtl() : SlotObject<Mtl>(Layout()) {
    ReplaceReference(SETTINGS_REF, new Vrn2MtlSettings);
}

void Vrn2Mtl::Update(TimeValue t, Interval& valid) {
    (void)t;
    (void)valid;
    ++updates;
}
