#include "AutoZones.h"

#include "InterfaceCalls.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

const int numZones = 4;

// Grey levels (j + 0.5) / (n - 0.5), lifted by a self-illumination amount or
// screened with a self-illumination colour. Not clamped.
Color MultiplyColor(int j, float selfAmount, const Color& selfColor, BOOL selfColorOn) {
    float g = (static_cast<float>(j) + 0.5f) / (static_cast<float>(numZones) - 0.5f);
    if (!selfColorOn && selfAmount != 0.0f) g = selfAmount + g * (1.0f - selfAmount);
    if (!selfColorOn) return Color(g, g, g);
    return Color(1.0f - (1.0f - selfColor.r) * (1.0f - g), 1.0f - (1.0f - selfColor.g) * (1.0f - g),
                 1.0f - (1.0f - selfColor.b) * (1.0f - g));
}

// A step of the diffuse colour, brightened by the self-illumination, clamped.
Color DiffuseStepColor(int k, const Color& diffuse, float selfAmount, const Color& selfColor,
                       BOOL selfColorOn) {
    float num = static_cast<float>(k) + 0.5f;
    float den = static_cast<float>(numZones) - 0.5f;
    Color c(diffuse.r * num / den, diffuse.g * num / den, diffuse.b * num / den);
    if (selfColorOn)
        c = c + selfColor;
    else
        c = c * (1.0f - selfAmount) + diffuse * selfAmount;
    c.ClampMinMax();
    return c;
}

}  // namespace

void GenerateAutoZones(Mtl* newMtl, StdMat2* source, TimeValue t, ConvertOptionFlags flags,
                       float selfAmount, const Color& selfColor, BOOL selfColorOn) {
    RefTargetTab zones;
    zones.SetCount(numZones);
    for (int i = 0; i < numZones; ++i) {
        ReferenceTarget* zone = CreateZone();
        zones[i] = zone;
        if (IParamBlock2* pb = GetZoneParams(zone)) pb->ResetAll(FALSE, TRUE);
        SetZoneStart(zone, static_cast<float>(i * 100 / numZones), t);
        SetZoneEnd(zone, static_cast<float>((i + 1) * 100 / numZones), t);
        SetZoneNumber(zone, i, t);
    }

    if (flags & CONV_AUTO_MULTIPLY) {
        if (IParamBlock2* pb = newMtl->GetParamBlock(0))
            pb->SetValue(VRN3_MTL_STANDARD_MIX, t, 0.0f, 0);
        for (int j = 0; j < numZones; ++j) {
            SetZoneColor(zones[j], MultiplyColor(j, selfAmount, selfColor, selfColorOn), t);
            SetZoneBlendMode(zones[j], VRN3_ZONE_BLEND_MULTIPLY, t);
        }
    } else {
        Color diffuse = source->GetDiffuse(t);
        for (int k = 0; k < numZones; ++k)
            SetZoneColor(zones[k], DiffuseStepColor(k, diffuse, selfAmount, selfColor, selfColorOn),
                         t);
    }

    SetMtlZones(newMtl, zones);
}
