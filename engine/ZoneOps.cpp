#include "ZoneOps.h"

#include "CoreInterface.h"
#include "OutsideContract.h"
#include "Vrn3ParamIDs.h"

ReferenceTarget* CreateZone() {
    Animatable* a = GetCOREInterface()->CreateInstance(REF_TARGET_CLASS_ID, VRN3_ZONE_CLASS_ID);
    return static_cast<ReferenceTarget*>(a);
}

IParamBlock2* GetZoneParams(ReferenceTarget* zone) {
    return zone ? zone->GetParamBlock(0) : nullptr;
}

namespace {

template <class T>
void SetZoneValue(ReferenceTarget* zone, ParamID id, const T& value, TimeValue t) {
    if (IParamBlock2* pb = GetZoneParams(zone)) pb->SetValue(id, t, value, 0);
}

}  // namespace

void SetZoneStart(ReferenceTarget* zone, float value, TimeValue t) {
    SetZoneValue(zone, VRN3_ZONE_START, value, t);
}

void SetZoneEnd(ReferenceTarget* zone, float value, TimeValue t) {
    SetZoneValue(zone, VRN3_ZONE_END, value, t);
}

void SetZoneColor(ReferenceTarget* zone, const Color& color, TimeValue t) {
    SetZoneValue(zone, VRN3_ZONE_COLOR, color, t);
}

void SetZoneBlendMode(ReferenceTarget* zone, int mode, TimeValue t) {
    SetZoneValue(zone, VRN3_ZONE_BLEND_MODE, mode, t);
}

void SetZoneNumber(ReferenceTarget* zone, int k, TimeValue t) {
    // Limited before adding one, so that no k overflows.
    int number = k >= VRN3_ZONE_NUMBER_MAX - 1   ? VRN3_ZONE_NUMBER_MAX
                 : k <= VRN3_ZONE_NUMBER_MIN - 1 ? VRN3_ZONE_NUMBER_MIN
                                                 : k + 1;
    SetZoneValue(zone, VRN3_ZONE_NUMBER, number, t);
}
