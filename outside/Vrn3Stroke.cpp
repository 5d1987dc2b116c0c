#include "Vrn3Stroke.h"

namespace {

ParamBlockDesc2 strokeBlock(0, "stroke", {
    Default(Param(0, "width", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
    Param(1, "color", TYPE_RGBA, P_ANIMATABLE),
});

}  // namespace

Vrn3Stroke::Vrn3Stroke() {
    ReplaceReference(PBLOCK_REF, CreateParameterBlock2(&strokeBlock, this));
}

void Vrn3Stroke::SetReference(int i, RefTargetHandle rtarg) {
    if (i == PBLOCK_REF && (!rtarg || rtarg->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID))
        pblock = static_cast<IParamBlock2*>(rtarg);
}

RefTargetHandle Vrn3Stroke::Clone(RemapDir& remap) {
    Vrn3Stroke* copy = new Vrn3Stroke;
    remap.AddEntry(this, copy);
    copy->SetName(GetName());
    IParamBlock2* pb = static_cast<IParamBlock2*>(remap.CloneRef(pblock));
    if (pb) pb->SetOwner(copy);
    copy->ReplaceReference(PBLOCK_REF, pb);
    return copy;
}
