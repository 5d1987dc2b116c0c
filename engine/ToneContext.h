// The three tones of a finalToon or Illustrate! shader, as the tone conversion
// reads them: on/off, width, softness, colour, amount and map of each tone.
#pragma once

#include "Color.h"
#include "ConvertOptions.h"
#include "ParamBlock2.h"

class ConvertFromFtAndIlContext {
public:
    virtual ~ConvertFromFtAndIlContext() = default;
    virtual int GetToneCount() = 0;
    // The tone that takes the whole range when no tone is on.
    virtual int GetFallbackTone() = 0;
    // Whether the last tone becomes a zone (else it becomes the highlight).
    virtual BOOL IsLastToneZone() = 0;
    virtual BOOL IsToneEnabled(int tone) = 0;
    virtual float GetToneWidth(int tone) = 0;
    virtual float GetLowerSoftness(int tone) = 0;
    virtual float GetUpperSoftness(int tone) = 0;
    virtual Color GetToneColor(int tone) = 0;
    virtual float GetToneAmount(int tone) = 0;
    virtual int GetToneMapId(int tone) = 0;
    // Whether self-illumination blends the colour toward the diffuse colour
    // (else it adds the diffuse colour).
    virtual BOOL IsSelfIllumBlend() = 0;
    virtual float GetDesaturation() = 0;
    virtual float GetStandardMix() = 0;
};

class ConvertFromFtContext : public ConvertFromFtAndIlContext {
public:
    enum { NUM_TONES = 3 };

    ConvertFromFtContext();

    // Reads a finalToon shader's block 0 at t.
    void FillFromFinalToon(IParamBlock2* pb, TimeValue t, ConvertOptionFlags flags);

    // With tones 0 and 2 on, tone 1 off and the last tone a zone, tones 0 and
    // 1 change places, so that the first zone reaches up to the last one.
    void SwapFirstTwoTones();

    int GetToneCount() override { return NUM_TONES; }
    int GetFallbackTone() override { return 1; }
    BOOL IsLastToneZone() override { return lastToneZone; }
    BOOL IsToneEnabled(int tone) override { return enabled[tone]; }
    float GetToneWidth(int tone) override { return width[tone]; }
    float GetLowerSoftness(int tone) override { return lowerSoftness[tone]; }
    float GetUpperSoftness(int tone) override { return upperSoftness[tone]; }
    Color GetToneColor(int tone) override { return color[tone]; }
    float GetToneAmount(int tone) override { return amount[tone]; }
    int GetToneMapId(int tone) override { return mapId[tone]; }
    BOOL IsSelfIllumBlend() override { return FALSE; }
    float GetDesaturation() override { return 0.0f; }
    float GetStandardMix() override { return standardMix; }

    int lastToneZone = FALSE;
    int enabled[NUM_TONES] = {};
    float width[NUM_TONES] = {};
    float lowerSoftness[NUM_TONES] = {};
    float upperSoftness[NUM_TONES] = {};
    Color color[NUM_TONES];
    float amount[NUM_TONES] = {};
    int mapId[NUM_TONES];
    float standardMix = 0.0f;

protected:
    // Both shaders give the outer widths (percent) and the softness of the two
    // inner boundaries; the middle tone takes what is left.
    void SetWidthsAndSoftness(float width0, float width2, float soft01, float soft12);
};

class ConvertFromIlContext : public ConvertFromFtContext {
public:
    // Reads an Illustrate! shader's block 0 at t; its widths and amounts are
    // fractions there.
    void FillFromIllustrate(IParamBlock2* pb, TimeValue t, ConvertOptionFlags flags);

    BOOL IsSelfIllumBlend() override { return TRUE; }
    float GetDesaturation() override { return desaturation; }

    float desaturation = 0.0f;
};
