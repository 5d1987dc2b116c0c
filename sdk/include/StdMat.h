// The host's Standard material as plug-ins see it: the StdMat / StdMat2
// interfaces, and the Shader that a Standard material shades with.
//
// A plug-in reaches these interfaces by testing a material's class ID (the
// Standard material, or a further class known to offer StdMat2) and casting:
// the host publishes no run-time query for them.
#pragma once

#include "Materials.h"

class IParamBlock2;

// Standard map IDs. The numbers are the host's and are stored in files: never
// change. A material turns a map ID into its own map channel with
// StdMat2::StdIDToChannel.
enum {
    ID_AM = 0,   // ambient
    ID_DI = 1,   // diffuse
    ID_SP = 2,   // specular
    ID_SH = 3,   // glossiness (shininess)
    ID_SS = 4,   // specular level (shininess strength)
    ID_SI = 5,   // self-illumination
    ID_OP = 6,   // opacity
    ID_FI = 7,   // filter colour
    ID_BU = 8,   // bump
    ID_RL = 9,   // reflection
    ID_RR = 10,  // refraction
    ID_DP = 11,  // displacement
    NTEXMAPS = 12
};

// The shading model of a Standard material: it holds the basic colours and
// the specular highlight. Its parameters are in its parameter block 0, laid
// out by each shader class.
class SDKAPI Shader : public ReferenceTarget {
public:
    ~Shader() override;

    SClass_ID SuperClassID() override { return SHADER_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Shader"; }

    // Takes the basic colours, locks and highlight of another shader, of any class.
    virtual void CopyStdParams(Shader* from) = 0;

    virtual void SetLockAD(BOOL lock) = 0;
    virtual BOOL GetLockAD() = 0;
    virtual void SetLockDS(BOOL lock) = 0;
    virtual BOOL GetLockDS() = 0;

    virtual void SetAmbientClr(Color c, TimeValue t) = 0;
    virtual Color GetAmbientClr(TimeValue t) = 0;
    virtual void SetDiffuseClr(Color c, TimeValue t) = 0;
    virtual Color GetDiffuseClr(TimeValue t) = 0;
    virtual void SetSpecularClr(Color c, TimeValue t) = 0;
    virtual Color GetSpecularClr(TimeValue t) = 0;
    virtual void SetSpecularLevel(float v, TimeValue t) = 0;
    virtual float GetSpecularLevel(TimeValue t) = 0;
    virtual void SetGlossiness(float v, TimeValue t) = 0;
    virtual float GetGlossiness(TimeValue t) = 0;
    virtual void SetSoftenLevel(float v, TimeValue t) = 0;
    virtual float GetSoftenLevel(TimeValue t) = 0;
};

class SDKAPI StdMat : public Mtl {
public:
    ~StdMat() override;

    // Switches and modes.
    virtual void SetSoften(BOOL on) = 0;
    virtual BOOL GetSoften() = 0;
    virtual void SetFaceMap(BOOL on) = 0;
    virtual BOOL GetFaceMap() = 0;
    virtual void SetTwoSided(BOOL on) = 0;
    virtual BOOL GetTwoSided() = 0;
    virtual void SetWire(BOOL on) = 0;
    virtual BOOL GetWire() = 0;
    virtual void SetWireUnits(BOOL on) = 0;
    virtual BOOL GetWireUnits() = 0;
    virtual void SetFalloffOut(BOOL out) = 0;
    virtual BOOL GetFalloffOut() = 0;
    virtual void SetTransparencyType(int type) = 0;
    virtual int GetTransparencyType() = 0;

    // Animatable values, at time t.
    virtual void SetDiffuse(Color c, TimeValue t) = 0;
    virtual Color GetDiffuse(TimeValue t) = 0;
    virtual void SetSpecular(Color c, TimeValue t) = 0;
    virtual Color GetSpecular(TimeValue t) = 0;
    virtual void SetShinStr(float v, TimeValue t) = 0;
    virtual float GetShinStr(TimeValue t) = 0;
    virtual void SetShininess(float v, TimeValue t) = 0;
    virtual float GetShininess(TimeValue t) = 0;
    virtual void SetSelfIllum(float v, TimeValue t) = 0;
    virtual float GetSelfIllum(TimeValue t) = 0;
    virtual void SetOpacity(float v, TimeValue t) = 0;
    virtual float GetOpacity(TimeValue t) = 0;
    virtual void SetOpacFalloff(float v, TimeValue t) = 0;
    virtual float GetOpacFalloff(TimeValue t) = 0;
    virtual void SetWireSize(float v, TimeValue t) = 0;
    virtual float GetWireSize(TimeValue t) = 0;
    virtual void SetIOR(float v, TimeValue t) = 0;
    virtual float GetIOR(TimeValue t) = 0;

    // Map channels (the material's own numbering, see StdMat2::StdIDToChannel).
    // A channel outside the material answers FALSE / 0 and is not changed.
    virtual void EnableMap(int channel, BOOL on) = 0;
    virtual BOOL MapEnabled(int channel) = 0;
    virtual void SetTexmapAmt(int channel, float amount, TimeValue t) = 0;
    virtual float GetTexmapAmt(int channel, TimeValue t) = 0;
};

class SDKAPI StdMat2 : public StdMat {
public:
    ~StdMat2() override;

    virtual void SetFaceted(BOOL on) = 0;
    virtual BOOL IsFaceted() = 0;
    virtual void SetSelfIllumColorOn(BOOL on) = 0;
    virtual BOOL GetSelfIllumColorOn() = 0;
    virtual void SetSelfIllumColor(Color c, TimeValue t) = 0;
    virtual Color GetSelfIllumColor(TimeValue t) = 0;

    // The shader, or null when the host has none to give the material.
    virtual Shader* GetShader() = 0;
    // Replaces the shader by a new one of class id, which takes over the basic
    // colours and highlight of the old one. FALSE (and nothing changes) when
    // the host cannot create a shader of that class.
    virtual BOOL SwitchShader(Class_ID id) = 0;
    // The material's own channel for a standard map ID (ID_AM ... ID_DP), or -1
    // when the material has no channel for it.
    virtual long StdIDToChannel(long id) = 0;
};
