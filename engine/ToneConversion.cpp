#include "ToneConversion.h"

#include <vector>

#include "FloatToInt.h"
#include "InterfaceCalls.h"
#include "ToneShaderParams.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

void ConvertFromFtAndIl(Mtl* newMtl, StdMat2* source, ConvertFromFtAndIlContext& ctx, TimeValue t) {
    const int n = ctx.GetToneCount();
    if (n <= 0) return;
    std::vector<BOOL> on(static_cast<size_t>(n));
    std::vector<float> w(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        on[i] = ctx.IsToneEnabled(i);
        w[i] = ctx.GetToneWidth(i);
    }
    if (!ctx.IsLastToneZone()) on[n - 1] = FALSE;

    // An off tone gives its width to the nearest on tone below it; off tones
    // before the first on tone give theirs to that first one.
    int first = 0;
    while (first < n && !on[first]) ++first;
    if (first == n) {
        for (float& width : w) width = 0.0f;
        int fallback = ctx.GetFallbackTone();
        if (fallback >= 0 && fallback < n) w[fallback] = 100.0f;
    } else {
        int l = 0;
        while (l < n - 1 && !on[l]) {
            w[l + 1] += w[l];
            w[l] = 0.0f;
            ++l;
        }
        while (l < n - 1) {
            int a = l;
            ++l;
            while (l < n && !on[l]) {
                w[a] += w[l];
                w[l] = 0.0f;
                ++l;
            }
        }
    }

    std::vector<float> lower(static_cast<size_t>(n)), upper(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        lower[i] = i == 0 ? 0.0f : upper[i - 1];
        upper[i] = lower[i] + w[i];
    }

    // A tone with a neighbour on one side only takes the full softness on that
    // side; a tone between two others takes half on each side.
    if (first < n) {
        int last = n - 1;
        while (last > first && !on[last]) --last;
        for (int i = first; i <= last; ++i) {
            if (i != first) lower[i] += w[i] * ctx.GetLowerSoftness(i) * (i == last ? 1.0f : 0.5f);
            if (i != last) upper[i] -= w[i] * ctx.GetUpperSoftness(i) * (i == first ? 1.0f : 0.5f);
        }
    }

    RefTargetTab zones;
    for (int i = 0, k = 4 - n; i < n; ++i, ++k) {
        if (!on[i]) continue;
        ReferenceTarget* zone = CreateZone();
        zones.Append(1, &zone);
        SetZoneNumber(zone, k, t);
        ApplyToneZone(zone, t, source, lower[i], upper[i], ctx.GetToneColor(i),
                      ctx.GetToneAmount(i), ctx.GetDesaturation(), ctx.IsSelfIllumBlend(),
                      source->StdIDToChannel(ctx.GetToneMapId(i)));
    }
    SetMtlZones(newMtl, zones);

    if (!ctx.IsLastToneZone() && ctx.IsToneEnabled(n - 1)) {
        ApplyToneHighlight(newMtl, t, source, ctx.GetToneWidth(n - 1), ctx.GetLowerSoftness(n - 1),
                           ctx.GetToneColor(n - 1), ctx.GetToneAmount(n - 1), ctx.GetDesaturation(),
                           ctx.IsSelfIllumBlend(), source->StdIDToChannel(ctx.GetToneMapId(n - 1)));
    }

    float mix = ctx.GetStandardMix();
    if (mix != 0.0f) {
        float v = 100.0f - mix * 100.0f;
        for (int i = 0; i < zones.Count(); ++i)
            if (IParamBlock2* pb = GetZoneParams(zones[i]))
                pb->SetValue(VRN3_ZONE_STANDARD_MIX, t, v, 0);
        if (IParamBlock2* pb = newMtl->GetParamBlock(0))
            pb->SetValue(VRN3_MTL_STANDARD_MIX, t, 100.0f, 0);
    }
}

void ApplyToneZone(ReferenceTarget* zone, TimeValue t, StdMat2* source, float start, float end,
                   const Color& color, float amount, float desaturation, BOOL blend, int channel) {
    IParamBlock2* pb = GetZoneParams(zone);
    if (!pb) return;
    SetZoneStart(zone, start, t);
    SetZoneEnd(zone, end, t);
    zone->ReplaceReference(VRN3_ZONE_MAP_REF, source->GetSubTexmap(channel), TRUE);
    pb->SetValue(VRN3_ZONE_MAP_ON, t, source->MapEnabled(channel) ? 1 : 0, 0);
    pb->SetValue(VRN3_ZONE_MAP_AMT, t, source->GetTexmapAmt(channel, t) * 100.0f, 0);
    SetZoneColor(zone, ComputeToneColor(t, source, color, amount, desaturation, blend), t);
}

void ApplyToneHighlight(Mtl* mtl, TimeValue t, StdMat2* source, float width, float lowerSoftness,
                        const Color& color, float amount, float desaturation, BOOL blend,
                        int channel) {
    IParamBlock2* pb = mtl->GetParamBlock(0);
    if (pb) {
        pb->SetValue(VRN3_MTL_HIGHLIGHT_COLOR, t,
                     ComputeToneColor(t, source, color, amount, desaturation, blend), 0);
        pb->SetValue(VRN3_MTL_HIGHLIGHT_SIZE, t, TruncToInt(width * 10.0f + 0.5f), 0);
        pb->SetValue(VRN3_MTL_HIGHLIGHT_SHARP, t,
                     TruncToInt(100.0f - 100.0f * lowerSoftness + 0.5f), 0);
    }
    mtl->SetSubTexmap(VRN3_MTL_SLOT_HIGHLIGHT_COLOR, source->GetSubTexmap(channel));
    if (pb) {
        pb->SetValue(VRN3_MTL_HIGHLIGHT_MAP_ON, t, source->MapEnabled(channel) ? 1 : 0, 0);
        pb->SetValue(VRN3_MTL_HIGHLIGHT_MAP_AMT, t, source->GetTexmapAmt(channel, t) * 100.0f, 0);
    }
}

Color ComputeToneColor(TimeValue t, StdMat2* source, const Color& color, float amount,
                       float desaturation, BOOL blend) {
    Color p = color;
    float selfAmount = source->GetSelfIllum(t);
    Color selfColor = source->GetSelfIllumColor(t);
    BOOL selfColorOn = source->GetSelfIllumColorOn();
    if (desaturation > 0.0f) {
        float grey = (p.r + p.g + p.b) / 3.0f;
        p = Color(grey * desaturation + p.r * (1.0f - desaturation),
                  grey * desaturation + p.g * (1.0f - desaturation),
                  grey * desaturation + p.b * (1.0f - desaturation));
    }
    p = p * (0.01f * amount);
    if (selfColorOn) {
        p = p + selfColor;
    } else if (selfAmount != 0.0f) {
        Color d = source->GetDiffuse(t);
        p = blend ? p + (d - p) * selfAmount : p + d * selfAmount;
    }
    p.ClampMinMax();
    return p;
}

void SetBaseShaderFromFinalToon(Shader* base, Shader* finalToon, TimeValue t) {
    IParamBlock2* pb = finalToon->GetParamBlock(0);
    if (!pb) return;
    if (pb->GetFloat(FT_STANDARD_MIX, t, 0) != 0.0f) {
        base->CopyStdParams(finalToon);
        base->SetLockAD(pb->GetInt(FT_LOCK_AD, t, 0));
        base->SetLockDS(pb->GetInt(FT_LOCK_DS, t, 0));
        base->SetAmbientClr(pb->GetColor(FT_AMBIENT, t, 0), t);
        base->SetDiffuseClr(pb->GetColor(FT_DIFFUSE, t, 0), t);
        base->SetSpecularClr(pb->GetColor(FT_SPECULAR, t, 0), t);
        base->SetSpecularLevel(pb->GetFloat(FT_SPEC_LEVEL, t, 0), t);
        base->SetGlossiness(pb->GetFloat(FT_GLOSSINESS, t, 0), t);
        base->SetSoftenLevel(pb->GetFloat(FT_SOFTEN, t, 0), t);
    } else {
        base->SetAmbientClr(pb->GetColor(FT_TONE_COLOR[0], t, 0), t);
        base->SetDiffuseClr(pb->GetColor(FT_TONE_COLOR[1], t, 0), t);
        base->SetSpecularClr(pb->GetColor(FT_TONE_COLOR[2], t, 0), t);
    }
}
