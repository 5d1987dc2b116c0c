#include "Shaders.h"

#include "CoreInterface.h"

namespace {

ParamBlockDesc2 blinnBlock(0, "blinn", BlinnShader::BLOCK_PARAMS);
ParamBlockDesc2 phongBlock(0, "phong", PhongShader::BLOCK_PARAMS);
ParamBlockDesc2 anisoBlock(0, "anisotropic", AnisoShader::BLOCK_PARAMS);
ParamBlockDesc2 compatibleBlock(0, "compatible", StdCompatibleShader::BLOCK_PARAMS);
ParamBlockDesc2 finalToonBlock(0, "finalToon", FinalToonShader::BLOCK_PARAMS);
ParamBlockDesc2 illustrateBlock(0, "illustrate", IllustrateShader::BLOCK_PARAMS);

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
