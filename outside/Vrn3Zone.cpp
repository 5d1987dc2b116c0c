#include "Vrn3Zone.h"

#include "Vrn3Stroke.h"

namespace {

ParamBlockDesc2 zoneBlock(0, "zone", Vrn3Zone::ZONE_BLOCK_PARAMS);

}  // namespace

Vrn3Zone::StrokeListInterface::StrokeListInterface(Vrn3Zone& z)
    : ObjectListInterface(Vrn3Zone::STROKE_LIST_INTERFACE_ID, z.strokes, 0, 1, 2), zone(z) {}

FPStatus Vrn3Zone::StrokeListInterface::Invoke(FunctionID fid, FPValue& result, FPParams* p) {
    FPStatus status = ObjectListInterface::Invoke(fid, result, p);
    if (fid == 0 && status == FPS_OK) zone.MatchStrokeTable();
    return status;
}

void Vrn3Zone::MatchStrokeTable() {
    if (pblock && pblock->Count(STROKE_ON_PARAM) != strokes.Count())
        pblock->SetCount(STROKE_ON_PARAM, strokes.Count());
}

Vrn3Zone::Vrn3Zone() : strokes(this, FIRST_STROKE_REF), strokeList(*this) {
    ReplaceReference(PBLOCK_REF, CreateParameterBlock2(&zoneBlock, this));
    strokes.Append(new Vrn3Stroke);
}

BaseInterface* Vrn3Zone::GetInterface(Interface_ID id) {
    return id == Vrn3Zone::STROKE_LIST_INTERFACE_ID ? &strokeList : nullptr;
}

RefTargetHandle Vrn3Zone::GetReference(int i) {
    if (i == PBLOCK_REF) return pblock;
    if (i == MAP_REF) return map;
    return strokes.Owns(i) ? strokes.GetRef(i) : nullptr;
}

void Vrn3Zone::SetReference(int i, RefTargetHandle rtarg) {
    if (i == PBLOCK_REF) {
        if (!rtarg || rtarg->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID)
            pblock = static_cast<IParamBlock2*>(rtarg);
    } else if (i == MAP_REF) {
        if (!rtarg || rtarg->SuperClassID() == TEXMAP_CLASS_ID) map = static_cast<Texmap*>(rtarg);
    } else {
        strokes.SetRef(i, rtarg);
    }
}

RefTargetHandle Vrn3Zone::Clone(RemapDir& remap) {
    Vrn3Zone* copy = new Vrn3Zone;
    remap.AddEntry(this, copy);
    IParamBlock2* pb = static_cast<IParamBlock2*>(remap.CloneRef(pblock));
    if (pb) pb->SetOwner(copy);
    copy->ReplaceReference(PBLOCK_REF, pb);
    copy->ReplaceReference(MAP_REF, remap.CloneRef(map));
    Tab<ReferenceTarget*> cloned;
    for (int i = 0; i < strokes.Count(); ++i) {
        ReferenceTarget* s = remap.CloneRef(strokes.Get(i));
        cloned.Append(1, &s);
    }
    copy->strokes.Replace(cloned);
    return copy;
}
