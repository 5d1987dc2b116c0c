#include "Shaders.h"

#include "CoreInterface.h"

namespace {

const Color defAmbient(0.588f, 0.588f, 0.588f);
const Color defDiffuse(0.588f, 0.588f, 0.588f);
const Color defSpecular(0.9f, 0.9f, 0.9f);
const Color toneColor0(0.2f, 0.2f, 0.2f);
const Color toneColor1(0.6f, 0.6f, 0.6f);
const Color toneColor2(1.0f, 1.0f, 1.0f);

std::vector<ParamDef> StdParams() {
    return {
        Default(Param(0, "ambient", TYPE_RGBA, P_ANIMATABLE), defAmbient),
        Default(Param(1, "diffuse", TYPE_RGBA, P_ANIMATABLE), defDiffuse),
        Default(Param(2, "specular", TYPE_RGBA, P_ANIMATABLE), defSpecular),
        Default(Param(3, "adLock", TYPE_INT), 1),
        Default(Param(4, "dsLock", TYPE_INT), 0),
        Default(Param(5, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(6, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(7, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
    };
}

std::vector<ParamDef> With(std::vector<ParamDef> params, std::vector<ParamDef> more) {
    params.insert(params.end(), more.begin(), more.end());
    return params;
}

ParamBlockDesc2 blinnBlock(0, "blinn", StdParams());
ParamBlockDesc2 phongBlock(0, "phong", StdParams());
ParamBlockDesc2 anisoBlock(
    0, "anisotropic",
    With(StdParams(), {
                          Default(Param(8, "anisotropy", TYPE_FLOAT, P_ANIMATABLE), 0.5f),
                          Default(Param(9, "orientation", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
                      }));
ParamBlockDesc2 compatibleBlock(0, "compatible",
                                With(StdParams(),
                                     {
                                         Default(Param(16, "standardMix", TYPE_FLOAT), 0.0f),
                                     }));

ParamBlockDesc2 finalToonBlock(
    0, "finalToon",
    {
        Default(Param(0, "ambient", TYPE_RGBA, P_ANIMATABLE), defAmbient),
        Default(Param(1, "diffuse", TYPE_RGBA, P_ANIMATABLE), defDiffuse),
        Default(Param(2, "specular", TYPE_RGBA, P_ANIMATABLE), defSpecular),
        Default(Param(3, "adLock", TYPE_INT), 1),
        Default(Param(4, "dsLock", TYPE_INT), 0),
        Default(Param(8, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(9, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(10, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(16, "standardMix", TYPE_FLOAT), 0.0f),
        Default(Param(20, "tone0On", TYPE_INT), 1),
        Default(Param(21, "tone1On", TYPE_INT), 1),
        Default(Param(22, "tone2On", TYPE_INT), 1),
        Default(Param(23, "tone0Color", TYPE_RGBA, P_ANIMATABLE), toneColor0),
        Default(Param(24, "tone1Color", TYPE_RGBA, P_ANIMATABLE), toneColor1),
        Default(Param(25, "tone2Color", TYPE_RGBA, P_ANIMATABLE), toneColor2),
        Default(Param(26, "tone0Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
        Default(Param(27, "tone1Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
        Default(Param(28, "tone2Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
        Default(Param(29, "softness01", TYPE_FLOAT), 0.0f),
        Default(Param(30, "softness12", TYPE_FLOAT), 0.0f),
        Default(Param(31, "tone0Width", TYPE_FLOAT), 30.0f),
        Default(Param(32, "tone2Width", TYPE_FLOAT), 20.0f),
    });

ParamBlockDesc2 illustrateBlock(
    0, "illustrate",
    {
        Default(Param(0, "tone0On", TYPE_INT), 1),
        Default(Param(1, "tone1On", TYPE_INT), 1),
        Default(Param(2, "tone2On", TYPE_INT), 1),
        Default(Param(3, "tone0Width", TYPE_FLOAT), 0.3f),
        Default(Param(4, "tone1Width", TYPE_FLOAT), 0.5f),
        Default(Param(5, "tone2Width", TYPE_FLOAT), 0.2f),
        Default(Param(6, "tone0Color", TYPE_RGBA, P_ANIMATABLE), toneColor0),
        Default(Param(7, "tone1Color", TYPE_RGBA, P_ANIMATABLE), toneColor1),
        Default(Param(8, "tone2Color", TYPE_RGBA, P_ANIMATABLE), toneColor2),
        Default(Param(12, "tone0Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(13, "tone1Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(14, "tone2Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Default(Param(15, "softness01", TYPE_FLOAT), 0.0f),
        Default(Param(16, "softness12", TYPE_FLOAT), 0.0f),
        Default(Param(19, "standardMix", TYPE_FLOAT), 0.0f),
        Default(Param(20, "desaturation", TYPE_FLOAT), 0.0f),
        Default(Param(21, "ambient", TYPE_RGBA, P_ANIMATABLE), defAmbient),
        Default(Param(22, "diffuse", TYPE_RGBA, P_ANIMATABLE), defDiffuse),
        Default(Param(23, "specular", TYPE_RGBA, P_ANIMATABLE), defSpecular),
        Default(Param(24, "adLock", TYPE_INT), 1),
        Default(Param(25, "dsLock", TYPE_INT), 0),
        Default(Param(26, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(27, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(28, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
    });

const StdShaderLayout stdLayout = {0, 1, 2, 3, 4, 5, 6, 7};

const ShaderKind blinnKind = {BlinnShader::CLASS_ID, "Blinn", &blinnBlock, stdLayout};
const ShaderKind phongKind = {PhongShader::CLASS_ID, "Phong", &phongBlock, stdLayout};
const ShaderKind anisoKind = {AnisoShader::CLASS_ID, "Anisotropic", &anisoBlock, stdLayout};
const ShaderKind compatibleKind = {StdCompatibleShader::CLASS_ID, "Standard-Compatible Shader",
                                   &compatibleBlock, stdLayout};
const ShaderKind finalToonKind = {
    FinalToonShader::CLASS_ID, "finalToon", &finalToonBlock, {0, 1, 2, 3, 4, 8, 9, 10}};
const ShaderKind illustrateKind = {
    IllustrateShader::CLASS_ID, "Illustrate!", &illustrateBlock, {21, 22, 23, 24, 25, 26, 27, 28}};

}  // namespace

StdShader::StdShader(const ShaderKind& k) : kind(k) {
    ReplaceReference(0, CreateParameterBlock2(kind.block, this));
}

void StdShader::SetReference(int i, RefTargetHandle rtarg) {
    if (i == 0 && (!rtarg || rtarg->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID))
        pblock = static_cast<IParamBlock2*>(rtarg);
}

RefTargetHandle StdShader::Clone(RemapDir& remap) {
    StdShader* copy = new StdShader(kind);
    remap.AddEntry(this, copy);
    IParamBlock2* pb = static_cast<IParamBlock2*>(remap.CloneRef(pblock));
    if (pb) pb->SetOwner(copy);
    copy->ReplaceReference(0, pb);
    return copy;
}

void StdShader::CopyStdParams(Shader* from) {
    if (!from || !pblock) return;
    TimeValue t = GetCOREInterface()->GetTime();
    SetLockAD(from->GetLockAD());
    SetLockDS(from->GetLockDS());
    SetAmbientClr(from->GetAmbientClr(t), t);
    SetDiffuseClr(from->GetDiffuseClr(t), t);
    SetSpecularClr(from->GetSpecularClr(t), t);
    SetSpecularLevel(from->GetSpecularLevel(t), t);
    SetGlossiness(from->GetGlossiness(t), t);
    SetSoftenLevel(from->GetSoftenLevel(t), t);
}

void StdShader::SetLockAD(BOOL lock) { pblock->SetValue(kind.layout.lockAD, 0, lock ? 1 : 0); }
BOOL StdShader::GetLockAD() { return pblock->GetInt(kind.layout.lockAD); }
void StdShader::SetLockDS(BOOL lock) { pblock->SetValue(kind.layout.lockDS, 0, lock ? 1 : 0); }
BOOL StdShader::GetLockDS() { return pblock->GetInt(kind.layout.lockDS); }

void StdShader::SetAmbientClr(Color c, TimeValue t) { pblock->SetValue(kind.layout.ambient, t, c); }
Color StdShader::GetAmbientClr(TimeValue t) { return pblock->GetColor(kind.layout.ambient, t); }
void StdShader::SetDiffuseClr(Color c, TimeValue t) { pblock->SetValue(kind.layout.diffuse, t, c); }
Color StdShader::GetDiffuseClr(TimeValue t) { return pblock->GetColor(kind.layout.diffuse, t); }
void StdShader::SetSpecularClr(Color c, TimeValue t) {
    pblock->SetValue(kind.layout.specular, t, c);
}
Color StdShader::GetSpecularClr(TimeValue t) { return pblock->GetColor(kind.layout.specular, t); }

void StdShader::SetSpecularLevel(float v, TimeValue t) {
    pblock->SetValue(kind.layout.level, t, v);
}
float StdShader::GetSpecularLevel(TimeValue t) { return pblock->GetFloat(kind.layout.level, t); }
void StdShader::SetGlossiness(float v, TimeValue t) {
    pblock->SetValue(kind.layout.glossiness, t, v);
}
float StdShader::GetGlossiness(TimeValue t) { return pblock->GetFloat(kind.layout.glossiness, t); }
void StdShader::SetSoftenLevel(float v, TimeValue t) { pblock->SetValue(kind.layout.soften, t, v); }
float StdShader::GetSoftenLevel(TimeValue t) { return pblock->GetFloat(kind.layout.soften, t); }

BlinnShader::BlinnShader() : StdShader(blinnKind) {}
PhongShader::PhongShader() : StdShader(phongKind) {}
AnisoShader::AnisoShader() : StdShader(anisoKind) {}
StdCompatibleShader::StdCompatibleShader() : StdShader(compatibleKind) {}
FinalToonShader::FinalToonShader() : StdShader(finalToonKind) {}
IllustrateShader::IllustrateShader() : StdShader(illustrateKind) {}
