#include "Vrn3MtlSettings.h"

namespace {

ParamBlockDesc2 settingsBlock0(0, "settings", Vrn3MtlSettings::BLOCK0_PARAMS);
ParamBlockDesc2 settingsBlock1(1, "extra", Vrn3MtlSettings::BLOCK1_PARAMS);
ParamBlockDesc2 nestedBlock(0, "nested", Vrn3NestedSettings::BLOCK_PARAMS);

bool IsBlock(RefTargetHandle t) { return !t || t->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID; }

}  // namespace

Vrn3NestedSettings::Vrn3NestedSettings() {
    ReplaceReference(0, CreateParameterBlock2(&nestedBlock, this));
}

void Vrn3NestedSettings::SetReference(int i, RefTargetHandle rtarg) {
    if (i == 0 && IsBlock(rtarg)) pblock = static_cast<IParamBlock2*>(rtarg);
}

Vrn3MtlSettings::Vrn3MtlSettings() {
    ReplaceReference(PBLOCK0_REF, CreateParameterBlock2(&settingsBlock0, this));
    ReplaceReference(NESTED_REF, new Vrn3NestedSettings);
    ReplaceReference(PBLOCK1_REF, CreateParameterBlock2(&settingsBlock1, this));
}

IParamBlock2* Vrn3MtlSettings::GetParamBlock(int i) {
    return i >= 0 && i < 2 ? blocks[i] : nullptr;
}

RefTargetHandle Vrn3MtlSettings::GetReference(int i) {
    switch (i) {
        case PBLOCK0_REF:
            return blocks[0];
        case NESTED_REF:
            return nested;
        case PBLOCK1_REF:
            return blocks[1];
        case MAP_REF:
            return map;
        default:
            return nullptr;
    }
}

void Vrn3MtlSettings::SetReference(int i, RefTargetHandle rtarg) {
    if (i == PBLOCK0_REF && IsBlock(rtarg)) blocks[0] = static_cast<IParamBlock2*>(rtarg);
    if (i == PBLOCK1_REF && IsBlock(rtarg)) blocks[1] = static_cast<IParamBlock2*>(rtarg);
    if (i == NESTED_REF) nested = rtarg;
    if (i == MAP_REF && (!rtarg || rtarg->SuperClassID() == TEXMAP_CLASS_ID)) map = rtarg;
}
