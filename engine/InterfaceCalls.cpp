#include "InterfaceCalls.h"

#include "FunctionPublishing.h"
#include "OutsideContract.h"

namespace {

FPInterface* InterfaceOf(Animatable* owner, const Interface_ID& id) {
    return owner ? static_cast<FPInterface*>(owner->GetInterface(id)) : nullptr;
}

// Hands the caller's table to function fid. The parameter object would free
// the table it holds when it is destroyed, so it is detached first: the table
// stays the caller's.
void InvokeWithTable(Animatable* owner, const Interface_ID& id, FunctionID fid,
                     RefTargetTab& table) {
    FPInterface* fpi = InterfaceOf(owner, id);
    if (!fpi) return;
    FPParams params(1, TYPE_REFTARG_TAB_BR, &table);
    FPValue result;
    fpi->Invoke(fid, result, &params);
    params.Detach();
}

int InvokeCount(Animatable* owner, const Interface_ID& id, FunctionID fid) {
    FPInterface* fpi = InterfaceOf(owner, id);
    if (!fpi) return 0;
    FPValue result;
    fpi->Invoke(fid, result, nullptr);
    return result.i;
}

ReferenceTarget* InvokeGet(Animatable* owner, const Interface_ID& id, FunctionID fid, int index) {
    FPInterface* fpi = InterfaceOf(owner, id);
    if (!fpi) return nullptr;
    FPParams params(1, TYPE_INT, index);
    FPValue result;
    result.LoadRefTarg(nullptr);
    fpi->Invoke(fid, result, &params);
    return result.r;
}

}  // namespace

void SetMtlZones(Mtl* mtl, RefTargetTab& zones) {
    InvokeWithTable(mtl, VRN3_ZONE_LIST_INTERFACE_ID, FN_SET_MTL_ZONES, zones);
}

int GetMtlZoneCount(Mtl* mtl) {
    return InvokeCount(mtl, VRN3_ZONE_LIST_INTERFACE_ID, FN_GET_MTL_ZONE_COUNT);
}

ReferenceTarget* GetMtlZone(Mtl* mtl, int index) {
    return InvokeGet(mtl, VRN3_ZONE_LIST_INTERFACE_ID, FN_GET_MTL_ZONE, index);
}

void SetZoneStrokes(ReferenceTarget* zone, RefTargetTab& strokes) {
    InvokeWithTable(zone, VRN3_STROKE_LIST_INTERFACE_ID, FN_SET_ZONE_STROKES, strokes);
}

int GetZoneStrokeCount(ReferenceTarget* zone) {
    return InvokeCount(zone, VRN3_STROKE_LIST_INTERFACE_ID, FN_GET_ZONE_STROKE_COUNT);
}

ReferenceTarget* GetZoneStroke(ReferenceTarget* zone, int index) {
    return InvokeGet(zone, VRN3_STROKE_LIST_INTERFACE_ID, FN_GET_ZONE_STROKE, index);
}

void SetLineSets(ReferenceTarget* effect, RefTargetTab& lineSets) {
    InvokeWithTable(effect, VRN3_LINE_EFFECT_INTERFACE_ID, FN_SET_LINE_SETS, lineSets);
}
