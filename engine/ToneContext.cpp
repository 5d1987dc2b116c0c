#include "ToneContext.h"

#include <utility>

#include "StdMat.h"
#include "ToneShaderParams.h"

ConvertFromFtContext::ConvertFromFtContext() : mapId{ID_AM, ID_DI, ID_SP} {}

void ConvertFromFtContext::FillFromFinalToon(IParamBlock2* pb, TimeValue t,
                                             ConvertOptionFlags flags) {
    lastToneZone = (flags & CONV_FT_SPECULAR_ZONE) ? TRUE : FALSE;
    for (int i = 0; i < NUM_TONES; ++i) {
        enabled[i] = pb->GetInt(FT_TONE_ON[i], t, 0);
        color[i] = pb->GetColor(FT_TONE_COLOR[i], t, 0);
        amount[i] = pb->GetFloat(FT_TONE_AMOUNT[i], t, 0);
    }
    SetWidthsAndSoftness(pb->GetFloat(FT_TONE0_WIDTH, t, 0), pb->GetFloat(FT_TONE2_WIDTH, t, 0),
                         pb->GetFloat(FT_SOFTNESS_01, t, 0), pb->GetFloat(FT_SOFTNESS_12, t, 0));
    standardMix = pb->GetFloat(FT_STANDARD_MIX, t, 0);
}

void ConvertFromFtContext::SetWidthsAndSoftness(float width0, float width2, float soft01,
                                                float soft12) {
    width[0] = width0;
    width[2] = width2;
    width[1] = 100.0f - width[0] - width[2];
    lowerSoftness[0] = 0.0f;
    lowerSoftness[1] = soft01;
    lowerSoftness[2] = soft12;
    upperSoftness[0] = soft01;
    upperSoftness[1] = soft12;
    upperSoftness[2] = 0.0f;
}

void ConvertFromFtContext::SwapFirstTwoTones() {
    if (!(enabled[0] && enabled[2] && !enabled[1] && lastToneZone)) return;
    std::swap(enabled[0], enabled[1]);
    std::swap(width[0], width[1]);
    std::swap(lowerSoftness[0], lowerSoftness[1]);
    std::swap(upperSoftness[0], upperSoftness[1]);
    std::swap(color[0], color[1]);
    std::swap(amount[0], amount[1]);
    std::swap(mapId[0], mapId[1]);
}

void ConvertFromIlContext::FillFromIllustrate(IParamBlock2* pb, TimeValue t,
                                              ConvertOptionFlags flags) {
    lastToneZone = (flags & CONV_IL_HIGHLIGHT_ZONE) ? TRUE : FALSE;
    for (int i = 0; i < NUM_TONES; ++i) {
        enabled[i] = pb->GetInt(IL_TONE_ON[i], t, 0);
        color[i] = pb->GetColor(IL_TONE_COLOR[i], t, 0);
        amount[i] = 100.0f * pb->GetFloat(IL_TONE_AMOUNT[i], t, 0);
    }
    // Illustrate! keeps widths as fractions.
    SetWidthsAndSoftness(100.0f * pb->GetFloat(IL_TONE0_WIDTH, t, 0),
                         100.0f * pb->GetFloat(IL_TONE2_WIDTH, t, 0),
                         pb->GetFloat(IL_SOFTNESS_01, t, 0), pb->GetFloat(IL_SOFTNESS_12, t, 0));
    standardMix = pb->GetFloat(IL_STANDARD_MIX, t, 0);
    desaturation = pb->GetFloat(IL_DESATURATION, t, 0);
}
