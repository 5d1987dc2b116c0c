// The body shared by the stand-ins of the host's Standard material (StdMtl)
// and of the standard-compatible material (StdCompatibleMtl): both offer
// StdMat2, with a number of map channels and a numbering of their own.
//
// References:
//   0 .. n-1   map channels 0 .. n-1 (also sub-texmaps 0 .. n-1)
//   n          the shader (any class of super class SHADER_CLASS_ID; empty when
//              the host had no shader of the default class to give)
//
// Values kept by the material itself (the basic colours, specular level,
// glossiness and soften level live in the shader):
//   value                     default
//   soften, face map, two-sided, wire, wire units, faceted   off
//   falloff out               off
//   transparency type         0
//   opacity                   1
//   opacity falloff           0
//   wire size                 1
//   index of refraction       1.5
//   self-illumination         0, colour (0, 0, 0), colour off
//   per channel: enabled      off
//   per channel: amount       1
//
// A clone copies every value and has its own copies of the maps and of the
// shader.
#pragma once

#include <vector>

#include "StdMat.h"

class StdMaterial : public StdMat2 {
public:
    // channelOf[id] is the channel of standard map ID id (-1 for none).
    StdMaterial(int numChannels, const long (&channelOf)[NTEXMAPS], Class_ID defaultShader);

    void SetSoften(BOOL on) override { soften = on; }
    BOOL GetSoften() override { return soften; }
    void SetFaceMap(BOOL on) override { faceMap = on; }
    BOOL GetFaceMap() override { return faceMap; }
    void SetTwoSided(BOOL on) override { twoSided = on; }
    BOOL GetTwoSided() override { return twoSided; }
    void SetWire(BOOL on) override { wire = on; }
    BOOL GetWire() override { return wire; }
    void SetWireUnits(BOOL on) override { wireUnits = on; }
    BOOL GetWireUnits() override { return wireUnits; }
    void SetFalloffOut(BOOL out) override { falloffOut = out; }
    BOOL GetFalloffOut() override { return falloffOut; }
    void SetTransparencyType(int type) override { transparencyType = type; }
    int GetTransparencyType() override { return transparencyType; }

    void SetDiffuse(Color c, TimeValue t) override;
    Color GetDiffuse(TimeValue t) override;
    void SetSpecular(Color c, TimeValue t) override;
    Color GetSpecular(TimeValue t) override;
    void SetShinStr(float v, TimeValue t) override;
    float GetShinStr(TimeValue t) override;
    void SetShininess(float v, TimeValue t) override;
    float GetShininess(TimeValue t) override;

    void SetSelfIllum(float v, TimeValue) override { selfIllum = v; }
    float GetSelfIllum(TimeValue) override { return selfIllum; }
    void SetOpacity(float v, TimeValue) override { opacity = v; }
    float GetOpacity(TimeValue) override { return opacity; }
    void SetOpacFalloff(float v, TimeValue) override { opacFalloff = v; }
    float GetOpacFalloff(TimeValue) override { return opacFalloff; }
    void SetWireSize(float v, TimeValue) override { wireSize = v; }
    float GetWireSize(TimeValue) override { return wireSize; }
    void SetIOR(float v, TimeValue) override { ior = v; }
    float GetIOR(TimeValue) override { return ior; }

    void EnableMap(int channel, BOOL on) override;
    BOOL MapEnabled(int channel) override;
    void SetTexmapAmt(int channel, float amount, TimeValue t) override;
    float GetTexmapAmt(int channel, TimeValue t) override;

    void SetFaceted(BOOL on) override { faceted = on; }
    BOOL IsFaceted() override { return faceted; }
    void SetSelfIllumColorOn(BOOL on) override { selfIllumColorOn = on; }
    BOOL GetSelfIllumColorOn() override { return selfIllumColorOn; }
    void SetSelfIllumColor(Color c, TimeValue) override { selfIllumColor = c; }
    Color GetSelfIllumColor(TimeValue) override { return selfIllumColor; }

    Shader* GetShader() override { return shader; }
    BOOL SwitchShader(Class_ID id) override;
    long StdIDToChannel(long id) override;

    int NumSubTexmaps() override { return NumChannels(); }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    int NumRefs() override { return NumChannels() + 1; }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefTargetHandle Clone(RemapDir& remap) override;

protected:
    // A new material of the same class, as the host would create it.
    virtual StdMaterial* MakeEmpty() = 0;

private:
    struct Channel {
        Texmap* map = nullptr;
        BOOL on = FALSE;
        float amount = 1.0f;
    };

    int NumChannels() const { return static_cast<int>(channels.size()); }
    bool IsChannel(int i) const { return i >= 0 && i < NumChannels(); }
    int ShaderRef() const { return NumChannels(); }

    std::vector<Channel> channels;
    long channelOf[NTEXMAPS];
    Shader* shader = nullptr;
    BOOL soften = FALSE, faceMap = FALSE, twoSided = FALSE, wire = FALSE, wireUnits = FALSE;
    BOOL falloffOut = FALSE, faceted = FALSE, selfIllumColorOn = FALSE;
    int transparencyType = 0;
    float opacity = 1.0f, opacFalloff = 0.0f, wireSize = 1.0f, ior = 1.5f, selfIllum = 0.0f;
    Color selfIllumColor;
};
