// finalToon and Illustrate! tones turned into Varnel 3 zones and highlight,
// and the finalToon settings carried into the base material's shader.
#pragma once

#include "StdMat.h"
#include "ToneContext.h"

// Builds the zones of newMtl from the tones and, unless the last tone is a
// zone, the highlight; with a mix, the zones' and the material's mix too.
void ConvertFromFtAndIl(Mtl* newMtl, StdMat2* source, ConvertFromFtAndIlContext& ctx, TimeValue t);

// Fills one zone: its span, the source's map of channel, and its colour.
void ApplyToneZone(ReferenceTarget* zone, TimeValue t, StdMat2* source, float start, float end,
                   const Color& color, float amount, float desaturation, BOOL blend, int channel);

// Fills the material's highlight from the last tone.
void ApplyToneHighlight(Mtl* mtl, TimeValue t, StdMat2* source, float width, float lowerSoftness,
                        const Color& color, float amount, float desaturation, BOOL blend,
                        int channel);

// The tone colour desaturated, scaled by amount (percent) and lit by the
// source's self-illumination, clamped into 0 to 1.
Color ComputeToneColor(TimeValue t, StdMat2* source, const Color& color, float amount,
                       float desaturation, BOOL blend);

// The base shader takes the finalToon shader's standard colours and highlight
// when its mix is on, else only the tone colours as ambient, diffuse and specular.
void SetBaseShaderFromFinalToon(Shader* base, Shader* finalToon, TimeValue t);
