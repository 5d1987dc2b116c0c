#include "Vrn2Mtl.h"

#include "Vrn2MtlSettings.h"

namespace {

// clang-format off

ParamBlockDesc2 mainBlock(0, "main", {
    Default(Param(0, "shadingModel", TYPE_INT), 0),
    Default(Param(1, "standardMix", TYPE_FLOAT, P_ANIMATABLE), 50.0f),
    Default(Param(2, "highlightColor", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
    Default(Param(3, "highlightBlendMode", TYPE_INT), 0),
    Default(Param(4, "highlightSize", TYPE_FLOAT), 30.0f),
    Default(Param(9, "highlightMapAmount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
    Default(Param(11, "outlineSoftness", TYPE_PCNT_FRAC), 0.5f),
    Param(12, "layers", TYPE_MTL_TAB),
    Param(13, "patternMap", TYPE_TEXMAP),
    TabCount(Param(16, "curve", TYPE_FLOAT_TAB), 3),
    Default(Param(20, "legacyFlags", TYPE_INT), 0),
});

std::vector<ParamDef> ZoneParams(int z) {
    return {
        Default(Param(0, "start", TYPE_FLOAT), 0.0f),
        Default(Param(1, "end", TYPE_FLOAT), 100.0f),
        TabCount(Param(2, "zoneMaps", TYPE_TEXMAP_TAB), 2),
        Default(Param(3, "color", TYPE_RGBA, P_ANIMATABLE), Color(0.5f, 0.5f, 0.5f)),
        Default(Param(5, "mapOn", TYPE_INT, P_ANIMATABLE), 0),
        Param(6, "patternMap", TYPE_TEXMAP),
        Default(Param(7, "blendMode", TYPE_INT), 0),
        Default(TabCount(Param(9, "strokeOn", TYPE_INT_TAB), Vrn2Mtl::STROKES_PER_ZONE), 1),
        Default(Param(10, "shadowOnly", TYPE_BOOL), 0),
        Default(Param(11, "zoneNumber", TYPE_INT), z + 1),
        Param(12, "patternOffset", TYPE_POINT3),
        Default(Param(13, "patternDensity", TYPE_PCNT_FRAC), 0.5f),
    };
}

ParamBlockDesc2 zoneBlocks[Vrn2Mtl::NUM_ZONES] = {
    ParamBlockDesc2(2, "zone0", ZoneParams(0)),
    ParamBlockDesc2(3, "zone1", ZoneParams(1)),
    ParamBlockDesc2(4, "zone2", ZoneParams(2)),
    ParamBlockDesc2(5, "zone3", ZoneParams(3)),
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

// clang-format on

}  // namespace

Vrn2Mtl::Vrn2Mtl() : SlotObject<Mtl>(Layout()) {
    ReplaceReference(SETTINGS_REF, new Vrn2MtlSettings);
}

void Vrn2Mtl::Update(TimeValue t, Interval& valid) {
    (void)t;
    (void)valid;
    ++updates;
}
