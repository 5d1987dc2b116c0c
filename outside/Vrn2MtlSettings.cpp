#include "Vrn2MtlSettings.h"

namespace {

// clang-format off

ParamBlockDesc2 settingsBlock0(0, "settings", {
    Default(Param(0, "scale", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    TabCount(Param(1, "flags", TYPE_INT_TAB), 3),
});

ParamBlockDesc2 settingsBlock1(1, "extra", {
    Default(Param(0, "mode", TYPE_INT), 0),
});

ParamBlockDesc2 nestedBlock(0, "nested", {
    Default(Param(0, "level", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
    Default(Param(1, "count", TYPE_INT), 0),
});

// clang-format on

}  // namespace

Vrn2NestedSettings::Vrn2NestedSettings() : SlotObject<ReferenceTarget>({BlockSlot(nestedBlock)}) {}

Vrn2MtlSettings::Vrn2MtlSettings()
    : SlotObject<Texmap>(
          {BlockSlot(settingsBlock0), AnySlot(), BlockSlot(settingsBlock1), MapSlot()}) {
    ReplaceReference(NESTED_REF, new Vrn2NestedSettings);
}
