#include "OutsideClasses.h"

#include <iterator>

#include "MultiMtl.h"
#include "OutsideClassDesc.h"
#include "Shaders.h"
#include "StandIn.h"
#include "StdCompatibleMtl.h"
#include "StdMtl.h"
#include "Vrn2Brush.h"
#include "Vrn2LineEffect.h"
#include "Vrn2Mtl.h"
#include "Vrn2MtlSettings.h"
#include "Vrn2ReflectionMap.h"
#include "Vrn2Stroke.h"
#include "Vrn3Brush.h"
#include "Vrn3LineEffect.h"
#include "Vrn3Mtl.h"
#include "Vrn3MtlSettings.h"
#include "Vrn3ReflectionMap.h"
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
OutsideClassDesc<Vrn3ReflectionMap> vrn3ReflectionMapDesc("Varnel 3 Reflection Map",
                                                          TEXMAP_CLASS_ID,
                                                          Vrn3ReflectionMap::CLASS_ID);
OutsideClassDesc<Vrn3LineEffect> vrn3LineEffectDesc("Varnel 3 Line", RENDER_EFFECT_CLASS_ID,
                                                    Vrn3LineEffect::CLASS_ID);
OutsideClassDesc<Vrn3LineSet> vrn3LineSetDesc("Varnel 3 Line Set", REF_TARGET_CLASS_ID,
                                              Vrn3LineSet::CLASS_ID);
OutsideClassDesc<Vrn3Brush> vrn3BrushDesc("Varnel 3 Brush", TEXMAP_CLASS_ID, Vrn3Brush::CLASS_ID);
OutsideClassDesc<Vrn3BrushSubMap> vrn3BrushSubMapDesc("Varnel 3 Brush Map", TEXMAP_CLASS_ID,
                                                      Vrn3BrushSubMap::CLASS_ID);

OutsideClassDesc<Vrn2Stroke> vrn2StrokeDesc("Varnel 2 Stroke", TEXMAP_CLASS_ID,
                                            Vrn2Stroke::CLASS_ID);
OutsideClassDesc<Vrn2MtlSettings> vrn2SettingsDesc("Varnel 2 Material Settings", TEXMAP_CLASS_ID,
                                                   Vrn2MtlSettings::CLASS_ID);
OutsideClassDesc<Vrn2NestedSettings> vrn2NestedDesc("Varnel 2 Nested Settings", REF_TARGET_CLASS_ID,
                                                    Vrn2NestedSettings::CLASS_ID);
OutsideClassDesc<Vrn2ReflectionMap> vrn2ReflectionMapDesc("Varnel 2 Reflection Map",
                                                          TEXMAP_CLASS_ID,
                                                          Vrn2ReflectionMap::CLASS_ID);
OutsideClassDesc<Vrn2LineEffect> vrn2LineEffectDesc("Varnel 2 Line", RENDER_EFFECT_CLASS_ID,
                                                    Vrn2LineEffect::CLASS_ID);
OutsideClassDesc<Vrn2LineSet> vrn2LineSetDesc("Varnel 2 Line Set", RENDER_EFFECT_CLASS_ID,
                                              Vrn2LineSet::CLASS_ID);
OutsideClassDesc<Vrn2Brush> vrn2BrushDesc("Varnel 2 Brush", TEXMAP_CLASS_ID, Vrn2Brush::CLASS_ID);
OutsideClassDesc<Vrn2BrushSubMap> vrn2BrushSubMapDesc("Varnel 2 Brush Map", TEXMAP_CLASS_ID,
                                                      Vrn2BrushSubMap::CLASS_ID);

// A module's entry points as a host sees them: how many classes, and the
// descriptor of class i (null past the end). Each group of stand-ins is such a
// module and registers through these two calls, as any plug-in module does.
template <const auto& Table>
struct OutsideModule {
    static constexpr int N = static_cast<int>(std::size(Table));
    static int LibNumberClasses() { return N; }
    static ClassDesc* LibClassDesc(int i) { return i >= 0 && i < N ? Table[i] : nullptr; }
    static void Register() { StandIn::RegisterModule(&LibNumberClasses, &LibClassDesc); }
};

ClassDesc* const hostMaterials[] = {&stdMtlDesc, &multiMtlDesc};

ClassDesc* const varnel3Classes[] = {
    &vrn3MtlDesc,      &vrn3ZoneDesc,          &vrn3StrokeDesc,
    &vrn3SettingsDesc, &vrn3ReflectionMapDesc, &vrn3LineEffectDesc,
    &vrn3LineSetDesc,  &vrn3BrushDesc,         &vrn3BrushSubMapDesc,
};

ClassDesc* const varnel2Classes[] = {
    &vrn2MtlDesc,     &vrn2StrokeDesc,        &vrn2SettingsDesc,
    &vrn2NestedDesc,  &vrn2ReflectionMapDesc, &vrn2LineEffectDesc,
    &vrn2LineSetDesc, &vrn2BrushDesc,         &vrn2BrushSubMapDesc,
};

ClassDesc* const hostShaders[] = {&blinnDesc, &anisoDesc, &phongDesc};

ClassDesc* const toonShaders[] = {&finalToonDesc, &illustrateDesc};

ClassDesc* const stdCompatibleClasses[] = {&stdCompatibleDesc, &stdCompatibleShaderDesc};

}  // namespace

void RegisterHostMaterials() { OutsideModule<hostMaterials>::Register(); }

void RegisterVarnel3Classes() { OutsideModule<varnel3Classes>::Register(); }

void RegisterVarnel2Classes() { OutsideModule<varnel2Classes>::Register(); }

void RegisterShaders() { OutsideModule<hostShaders>::Register(); }

void RegisterToonShaders() { OutsideModule<toonShaders>::Register(); }

void RegisterStdCompatibleClasses() { OutsideModule<stdCompatibleClasses>::Register(); }
