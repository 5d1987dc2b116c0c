#include "OutsideClasses.h"

#include "MultiMtl.h"
#include "OutsideClassDesc.h"
#include "Shaders.h"
#include "StdCompatibleMtl.h"
#include "StandIn.h"
#include "StdMtl.h"
#include "Vrn2Mtl.h"
#include "Vrn3Mtl.h"
#include "Vrn3MtlSettings.h"
#include "Vrn3Stroke.h"
#include "Vrn3Zone.h"

namespace {

OutsideClassDesc<StdMtl> stdMtlDesc("Standard", MATERIAL_CLASS_ID, StdMtl::CLASS_ID);
OutsideClassDesc<MultiMtl> multiMtlDesc("Multi/Sub-Object", MATERIAL_CLASS_ID, MultiMtl::CLASS_ID);

OutsideClassDesc<Vrn3Mtl> vrn3MtlDesc("Varnel 3 Material", MATERIAL_CLASS_ID, Vrn3Mtl::CLASS_ID);
OutsideClassDesc<Vrn3Zone> vrn3ZoneDesc("Varnel 3 Zone", REF_TARGET_CLASS_ID, Vrn3Zone::CLASS_ID);
OutsideClassDesc<Vrn3Stroke> vrn3StrokeDesc("Varnel 3 Stroke", TEXMAP_CLASS_ID,
                                            Vrn3Stroke::CLASS_ID);
OutsideClassDesc<Vrn3MtlSettings> vrn3SettingsDesc("Varnel 3 Material Settings", TEXMAP_CLASS_ID,
                                                   Vrn3MtlSettings::CLASS_ID);

OutsideClassDesc<Vrn2Mtl> vrn2MtlDesc("Varnel 2 Material", MATERIAL_CLASS_ID, Vrn2Mtl::CLASS_ID);

OutsideClassDesc<BlinnShader> blinnDesc("Blinn", SHADER_CLASS_ID, BlinnShader::CLASS_ID);
OutsideClassDesc<AnisoShader> anisoDesc("Anisotropic", SHADER_CLASS_ID, AnisoShader::CLASS_ID);
OutsideClassDesc<PhongShader> phongDesc("Phong", SHADER_CLASS_ID, PhongShader::CLASS_ID);
OutsideClassDesc<FinalToonShader> finalToonDesc("finalToon", SHADER_CLASS_ID,
                                                FinalToonShader::CLASS_ID);
OutsideClassDesc<IllustrateShader> illustrateDesc("Illustrate!", SHADER_CLASS_ID,
                                                  IllustrateShader::CLASS_ID);
OutsideClassDesc<StdCompatibleMtl> stdCompatibleDesc("Standard-Compatible Material",
                                                     MATERIAL_CLASS_ID, StdCompatibleMtl::CLASS_ID);
OutsideClassDesc<StdCompatibleShader> stdCompatibleShaderDesc("Standard-Compatible Shader",
                                                              SHADER_CLASS_ID,
                                                              StdCompatibleShader::CLASS_ID);

}  // namespace

void RegisterHostMaterials() {
    StandIn::RegisterClassDesc(&stdMtlDesc);
    StandIn::RegisterClassDesc(&multiMtlDesc);
}

void RegisterVarnel3Classes() {
    StandIn::RegisterClassDesc(&vrn3MtlDesc);
    StandIn::RegisterClassDesc(&vrn3ZoneDesc);
    StandIn::RegisterClassDesc(&vrn3StrokeDesc);
    StandIn::RegisterClassDesc(&vrn3SettingsDesc);
}

void RegisterVarnel2Classes() { StandIn::RegisterClassDesc(&vrn2MtlDesc); }

void RegisterShaders() {
    StandIn::RegisterClassDesc(&blinnDesc);
    StandIn::RegisterClassDesc(&anisoDesc);
    StandIn::RegisterClassDesc(&phongDesc);
}

void RegisterToonShaders() {
    StandIn::RegisterClassDesc(&finalToonDesc);
    StandIn::RegisterClassDesc(&illustrateDesc);
}

void RegisterStdCompatibleClasses() {
    StandIn::RegisterClassDesc(&stdCompatibleDesc);
    StandIn::RegisterClassDesc(&stdCompatibleShaderDesc);
}
