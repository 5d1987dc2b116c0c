#include "Vrn2MtlSettings.h"

namespace {

ParamBlockDesc2 settingsBlock0(0, "settings", Vrn2MtlSettings::BLOCK0_PARAMS);
ParamBlockDesc2 settingsBlock1(1, "extra", Vrn2MtlSettings::BLOCK1_PARAMS);
ParamBlockDesc2 nestedBlock(0, "nested", Vrn2NestedSettings::BLOCK_PARAMS);

}  // namespace

Vrn2NestedSettings::Vrn2NestedSettings() : SlotObject<ReferenceTarget>({BlockSlot(nestedBlock)}) {}

Vrn2MtlSettings::Vrn2MtlSettings()
    : SlotObject<Texmap>(
          {BlockSlot(settingsBlock0), AnySlot(), BlockSlot(settingsBlock1), MapSlot()}) {
    ReplaceReference(NESTED_REF, new Vrn2NestedSettings);
}
