// Conversion of Standard and standard-compatible materials as a whole: which
// material becomes the base material, what it carries, the highlight and the
// maps, and where the conversion stops early.
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "KeyframeControl.h"
#include "MultiMtl.h"
#include "OutsideClasses.h"
#include "OutsideContract.h"
#include "ReferenceZones.h"
#include "SceneBuilder.h"
#include "StandardMtlConversion.h"
#include "StdCompatibleMtl.h"
#include "StdMatAccess.h"
#include "StdMtl.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

// The settings that a toon-shaded source hands to its base material.
struct BasicSettings {
    BOOL soften, faceMap, twoSided, wire, wireUnits, falloffOut;
    int transparencyType;
    float opacity, opacFalloff, wireSize, ior;
    BOOL faceted;
    float selfIllum;
    Color selfIllumColor;
    BOOL selfIllumColorOn;

    bool operator==(const BasicSettings& o) const {
        return soften == o.soften && faceMap == o.faceMap && twoSided == o.twoSided &&
               wire == o.wire && wireUnits == o.wireUnits && falloffOut == o.falloffOut &&
               transparencyType == o.transparencyType && opacity == o.opacity &&
               opacFalloff == o.opacFalloff && wireSize == o.wireSize && ior == o.ior &&
               faceted == o.faceted && selfIllum == o.selfIllum &&
               selfIllumColor == o.selfIllumColor && selfIllumColorOn == o.selfIllumColorOn;
    }
};

BasicSettings SettingsOf(StdMat2* m) {
    return {m->GetSoften(),
            m->GetFaceMap(),
            m->GetTwoSided(),
            m->GetWire(),
            m->GetWireUnits(),
            m->GetFalloffOut(),
            m->GetTransparencyType(),
            m->GetOpacity(0),
            m->GetOpacFalloff(0),
            m->GetWireSize(0),
            m->GetIOR(0),
            m->IsFaceted(),
            m->GetSelfIllum(0),
            m->GetSelfIllumColor(0),
            m->GetSelfIllumColorOn()};
}

void Apply(StdMat2* m, const BasicSettings& s) {
    m->SetSoften(s.soften);
    m->SetFaceMap(s.faceMap);
    m->SetTwoSided(s.twoSided);
    m->SetWire(s.wire);
    m->SetWireUnits(s.wireUnits);
    m->SetFalloffOut(s.falloffOut);
    m->SetTransparencyType(s.transparencyType);
    m->SetOpacity(s.opacity, 0);
    m->SetOpacFalloff(s.opacFalloff, 0);
    m->SetWireSize(s.wireSize, 0);
    m->SetIOR(s.ior, 0);
    m->SetFaceted(s.faceted);
    m->SetSelfIllum(s.selfIllum, 0);
    m->SetSelfIllumColor(s.selfIllumColor, 0);
    m->SetSelfIllumColorOn(s.selfIllumColorOn);
}

const BasicSettings unusual = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, 2,
                               0.4f, 0.3f, 2.5f, 1.8f, TRUE, 0.2f, Color(0.1f, 0.2f, 0.3f),
                               TRUE};

// Every channel of a material: map, enabled state and amount.
struct Channels {
    std::vector<Texmap*> maps;
    std::vector<BOOL> on;
    std::vector<float> amounts;
    bool operator==(const Channels& o) const {
        return maps == o.maps && on == o.on && amounts == o.amounts;
    }
};

Channels ChannelsOf(StdMat2* m) {
    Channels c;
    for (int i = 0; i < m->NumSubTexmaps(); ++i) {
        c.maps.push_back(m->GetSubTexmap(i));
        c.on.push_back(m->MapEnabled(i));
        c.amounts.push_back(m->GetTexmapAmt(i, 0));
    }
    return c;
}

class StandardMtlConversionTest : public HostTest {
protected:
    Mtl* Convert(Mtl* source, ConvertOptionFlags flags = 0) {
        return ConvertMaterial(source, flags, nullptr, &registry);
    }
    // A map in channel ch of m.
    Texmap* PutMap(StdMat2* m, int ch, const char* name, BOOL on = TRUE, float amount = 1.0f) {
        Texmap* map = Scene::Map(name);
        m->SetSubTexmap(ch, map);
        m->EnableMap(ch, on);
        m->SetTexmapAmt(ch, amount, 0);
        return map;
    }

    ConversionRegistry registry;
};

TEST_F(StandardMtlConversionTest, OrdinaryShadedSourceIsTheBaseMaterialItself) {
    for (Class_ID shader : {BLINN_SHADER_CLASS_ID, ANISO_SHADER_CLASS_ID, Class_ID(0x37, 0)}) {
        StdMtl* source = Scene::Shaded(shader, "shared");
        ASSERT_EQ(source->GetShader()->ClassID(), shader);
        Texmap* diffuse = PutMap(source, ID_DI, "diffuse");
        Mtl* result = Convert(source, 0x10108C01);
        ASSERT_EQ(result->GetSubMtl(0), source);
        // An edit of the base material is an edit of the source.
        static_cast<StdMat2*>(result->GetSubMtl(0))->SetWire(TRUE);
        EXPECT_TRUE(source->GetWire());
        EXPECT_EQ(source->GetSubTexmap(ID_DI), diffuse);
        EXPECT_EQ(source->GetShader()->ClassID(), shader);
        result->DeleteThis();
    }
}

TEST_F(StandardMtlConversionTest, ToonShadedSourceIsLeftAloneAndItsBlinnCopyCarriesItsSettings) {
    for (Class_ID shader : {FINALTOON_SHADER_CLASS_ID, ILLUSTRATE_SHADER_CLASS_ID}) {
        SCOPED_TRACE(shader == FINALTOON_SHADER_CLASS_ID ? "finalToon" : "Illustrate!");
        StdMtl* source = Scene::Shaded(shader, "toon");
        Apply(source, unusual);
        PutMap(source, ID_BU, "bump", TRUE, 0.3f);
        Shader* sourceShader = source->GetShader();
        Channels channelsBefore = ChannelsOf(source);

        Mtl* result = Convert(source, 0x10108C01);
        StdMat2* base = static_cast<StdMat2*>(result->GetSubMtl(0));
        ASSERT_NE(base, nullptr);
        ASSERT_NE(base, source);
        EXPECT_EQ(static_cast<Mtl*>(base)->ClassID(), STANDARD_MTL_CLASS_ID);
        ASSERT_NE(base->GetShader(), nullptr);
        EXPECT_EQ(base->GetShader()->ClassID(), BLINN_SHADER_CLASS_ID);
        EXPECT_TRUE(SettingsOf(base) == unusual);

        EXPECT_EQ(source->GetShader(), sourceShader);
        EXPECT_EQ(sourceShader->ClassID(), shader);
        EXPECT_TRUE(SettingsOf(source) == unusual);
        EXPECT_TRUE(ChannelsOf(source) == channelsBefore);
        EXPECT_FALSE(source->HasDependents()) << "nothing of the result refers to the source";
        result->DeleteThis();
        source->DeleteThis();
    }
}

// Block 0 of an anisotropic shader whose anisotropy and orientation have the
// given types, as another host version might declare them.
ParamBlockDesc2* AnisoBlockWith(ParamType2 anisotropy, ParamType2 orientation) {
    static std::vector<std::unique_ptr<ParamBlockDesc2>> made;
    auto animatable = [](ParamType2 type) { return type == TYPE_INT ? 0 : P_ANIMATABLE; };
    made.push_back(std::make_unique<ParamBlockDesc2>(
        0, "anisotropic",
        std::vector<ParamDef>{
            Param(0, "ambient", TYPE_RGBA, P_ANIMATABLE),
            Param(1, "diffuse", TYPE_RGBA, P_ANIMATABLE),
            Param(2, "specular", TYPE_RGBA, P_ANIMATABLE),
            Param(3, "adLock", TYPE_INT),
            Param(4, "dsLock", TYPE_INT),
            Param(5, "specularLevel", TYPE_FLOAT, P_ANIMATABLE),
            Param(6, "glossiness", TYPE_FLOAT, P_ANIMATABLE),
            Param(7, "soften", TYPE_FLOAT, P_ANIMATABLE),
            Param(8, "anisotropy", anisotropy, animatable(anisotropy)),
            Param(9, "orientation", orientation, animatable(orientation)),
        }));
    return made.back().get();
}

TEST_F(StandardMtlConversionTest, HighlightComesFromSpecularAndAnisotropy) {
    struct Row {
        const char* name;
        Class_ID shader;
        ConvertOptionFlags flags;
        float level, glossiness, anisotropy, orientation;
        int size, gloss, blend, aniso, orient;
        // Types of the anisotropic shader's floats 8 and 9.
        ParamType2 anisoType = TYPE_FLOAT, orientType = TYPE_FLOAT;
    } rows[] = {
        {"Blinn", BLINN_SHADER_CLASS_ID, 0, 0.125f, 0.3f, 0, 0, 13, 30, 0, 0, 0},
        {"Blinn, Add", BLINN_SHADER_CLASS_ID, CONV_HIGHLIGHT_ADD, 0.5f, 1.0f, 0, 0, 50, 100, 1, 0,
         0},
        {"anisotropic", ANISO_SHADER_CLASS_ID, 0, 0.0f, 0.004f, 0.25f, 0.805f, 0, 0, 0, 25, 81},
        {"huge values saturate", ANISO_SHADER_CLASS_ID, 0, 1e30f, -1e30f, 1e30f, -1e30f, INT_MAX,
         INT_MIN, 0, INT_MAX, INT_MIN},
        {"percent fraction and angle are floats", ANISO_SHADER_CLASS_ID, 0, 0.0f, 0.1f, 0.5f, 0.3f,
         0, 10, 0, 50, 30, TYPE_PCNT_FRAC, TYPE_ANGLE},
        {"world and colour channel are floats", ANISO_SHADER_CLASS_ID, 0, 0.0f, 0.1f, 0.125f,
         0.994f, 0, 10, 0, 13, 99, TYPE_WORLD, TYPE_COLOR_CHANNEL},
        {"ints are not read as floats", ANISO_SHADER_CLASS_ID, 0, 0.0f, 0.1f, 7.0f, 3.0f, 0, 10, 0,
         0, 0, TYPE_INT, TYPE_INT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StdMtl* source = Scene::Shaded(row.shader, row.name);
        if (row.anisoType != TYPE_FLOAT || row.orientType != TYPE_FLOAT) {
            Shader* shader = source->GetShader();
            shader->ReplaceReference(
                0, CreateParameterBlock2(AnisoBlockWith(row.anisoType, row.orientType), shader));
        }
        source->SetSpecular(Color(0.9f, 0.8f, 0.7f), 0);
        source->SetShinStr(row.level, 0);
        source->SetShininess(row.glossiness, 0);
        if (row.shader == ANISO_SHADER_CLASS_ID) {
            IParamBlock2* pb = source->GetShader()->GetParamBlock(0);
            if (row.anisoType == TYPE_INT) {
                pb->SetValue(8, 0, static_cast<int>(row.anisotropy));
                pb->SetValue(9, 0, static_cast<int>(row.orientation));
            } else {
                pb->SetValue(8, 0, row.anisotropy);
                pb->SetValue(9, 0, row.orientation);
            }
        }
        Mtl* result = Convert(source, row.flags);
        IParamBlock2* pb = result->GetParamBlock(0);
        EXPECT_EQ(pb->GetColor(VRN3_MTL_HIGHLIGHT_COLOR), Color(0.9f, 0.8f, 0.7f));
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SIZE), row.size);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_GLOSS), row.gloss);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SHARP), 98);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_BLEND), row.blend);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_ANISO), row.aniso);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_ORIENT), row.orient);
        result->DeleteThis();
    }
}

TEST_F(StandardMtlConversionTest, BumpAndReflectionAreAlwaysTransferred) {
    struct Row {
        const char* name;
        bool bumpMap;
        BOOL bumpOn;
        float bumpAmount;
        int bumpPercent;
        bool reflectionMap;
        BOOL reflectionOn;
        float reflectionAmount;
        int reflectionPercent;
    } rows[] = {
        {"both maps", true, TRUE, 0.3f, 30, true, FALSE, 0.555f, 56},
        {"enabled empty bump channel", false, TRUE, 0.1f, 10, false, FALSE, 1.0f, 100},
        {"disabled maps", true, FALSE, 0.0f, 0, true, FALSE, 2.0f, 200},
        {"reflection on, bump off", true, FALSE, 0.2f, 20, true, TRUE, 0.7f, 70},
    };
    for (const Row& row : rows) {
        StdMtl* source = Scene::Standard(row.name);
        Texmap* bump = row.bumpMap ? Scene::Map("bump") : nullptr;
        Texmap* reflection = row.reflectionMap ? Scene::Map("reflection") : nullptr;
        source->SetSubTexmap(ID_BU, bump);
        source->EnableMap(ID_BU, row.bumpOn);
        source->SetTexmapAmt(ID_BU, row.bumpAmount, 0);
        source->SetSubTexmap(ID_RL, reflection);
        source->EnableMap(ID_RL, row.reflectionOn);
        source->SetTexmapAmt(ID_RL, row.reflectionAmount, 0);
        // The slots are written even when the source's channel is empty.
        Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
        result->SetSubTexmap(VRN3_MTL_SLOT_BUMP, Scene::Map("old bump"));
        result->SetSubTexmap(VRN3_MTL_SLOT_REFLECTION, Scene::Map("old reflection"));
        EXPECT_TRUE(ConvertStandardMtl(result, source, 0, nullptr)) << row.name;
        IParamBlock2* pb = result->GetParamBlock(0);
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_BUMP), bump) << row.name;
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_REFLECTION), reflection) << row.name;
        EXPECT_EQ(pb->GetInt(VRN3_MTL_BUMP_ON), row.bumpOn) << row.name;
        EXPECT_EQ(pb->GetInt(VRN3_MTL_BUMP_AMT), row.bumpPercent) << row.name;
        EXPECT_EQ(pb->GetInt(VRN3_MTL_REFLECTION_ON), row.reflectionOn) << row.name;
        EXPECT_EQ(pb->GetInt(VRN3_MTL_REFLECTION_AMT), row.reflectionPercent) << row.name;
        EXPECT_EQ(source->GetSubTexmap(ID_BU), bump) << "shared, not moved: " << row.name;
        result->DeleteThis();
    }
}

TEST_F(StandardMtlConversionTest, HighlightMapsComeOnlyFromEnabledChannels) {
    StdMtl* source = Scene::Standard();
    PutMap(source, ID_SP, "specular", FALSE);
    Texmap* level = PutMap(source, ID_SS, "specular level", TRUE);
    Texmap* gloss = PutMap(source, ID_SH, "glossiness", TRUE);
    Mtl* result = Convert(source);
    EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_HIGHLIGHT_COLOR), nullptr);
    EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_HIGHLIGHT_LEVEL), level);
    EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_HIGHLIGHT_GLOSS), gloss);
    result->DeleteThis();
}

TEST_F(StandardMtlConversionTest, CompatibleMaterialPassesItsMapsToTheBaseMaterial) {
    struct Row {
        const char* name;
        float mix;
        // For each standard map ID of the base material: the source's raw
        // channel it ends up with, or -1 for none.
        int from[NTEXMAPS];
    } rows[] = {
        // The source keeps its diffuse map in channel 0 and its ambient map in
        // channel 1; the base material numbers them the other way round.
        {"mix off", 0.0f, {1, 0, -1, -1, -1, 5, 6, 7, 11, 12, 13, -1}},
        // The shade channels go to the channel that the source numbers for
        // the map ID, taken as the base material's channel.
        {"mix on", 0.75f, {9, 8, 10, 4, 3, 5, 6, 7, 11, 12, 13, -1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StdCompatibleMtl* source = Scene::StdCompatible(row.name);
        ASSERT_NE(source->GetShader(), nullptr);
        source->GetShader()->GetParamBlock(0)->SetValue(16, 0, row.mix);
        std::vector<Texmap*> maps;
        for (int ch = 0; ch < source->NumSubTexmaps(); ++ch)
            maps.push_back(PutMap(source, ch, "raw", ch % 2 == 0, 0.01f * ch));
        Channels before = ChannelsOf(source);

        Mtl* result = Convert(source, 0x10108C01);
        StdMat2* base = static_cast<StdMat2*>(result->GetSubMtl(0));
        ASSERT_NE(base, nullptr);
        ASSERT_NE(static_cast<Mtl*>(base), static_cast<Mtl*>(source));
        for (int id = 0; id < NTEXMAPS; ++id) {
            int ch = static_cast<int>(base->StdIDToChannel(id));
            int from = row.from[id];
            EXPECT_EQ(base->GetSubTexmap(ch), from < 0 ? nullptr : maps[from]) << "map ID " << id;
            if (from < 0) continue;
            EXPECT_EQ(base->MapEnabled(ch), from % 2 == 0) << "map ID " << id;
            EXPECT_EQ(base->GetTexmapAmt(ch, 0), 0.01f * from) << "map ID " << id;
        }
        // Bump and reflection come from the source's own channels; the
        // highlight slots are left alone for this class.
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_BUMP), maps[11]);
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_REFLECTION), maps[12]);
        EXPECT_EQ(result->GetParamBlock(0)->GetInt(VRN3_MTL_REFLECTION_AMT), 12);
        for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(result->GetSubTexmap(slot), nullptr);
        EXPECT_TRUE(ChannelsOf(source) == before);
        result->DeleteThis();
        source->DeleteThis();
    }
}

TEST_F(StandardMtlConversionTest,
       CompatibleMaterialWithOrdinaryShaderKeepsDefaultZonesAndHighlight) {
    StdCompatibleMtl* source = Scene::StdCompatible();
    source->SetShinStr(0.9f, 0);
    Mtl* result = Convert(source, 0x10108C01 | CONV_HIGHLIGHT_ADD);
    IParamBlock2* pb = result->GetParamBlock(0);
    EXPECT_EQ(GetMtlZoneCount(result), 2);
    EXPECT_EQ(pb->GetColor(VRN3_MTL_HIGHLIGHT_COLOR), Color(1, 1, 1));
    EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SIZE), 30);
    EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SHARP), 90);
    EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_BLEND), 0);
    EXPECT_EQ(pb->GetFloat(VRN3_MTL_STANDARD_MIX), 50.0f);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(StandardMtlConversionTest, CompatibleMaterialWithAShaderWithoutMixCountsAsMixOff) {
    StdCompatibleMtl* source = Scene::StdCompatible();
    ASSERT_TRUE(source->SwitchShader(BLINN_SHADER_CLASS_ID));
    Texmap* diffuse = PutMap(source, static_cast<int>(source->StdIDToChannel(ID_DI)), "diffuse");
    PutMap(source, static_cast<int>(source->StdIDToChannel(ID_SP)), "specular");
    Mtl* result = Convert(source, 0x10108C01);
    StdMat2* base = static_cast<StdMat2*>(result->GetSubMtl(0));
    EXPECT_EQ(base->GetSubTexmap(ID_DI), diffuse);
    EXPECT_EQ(base->GetSubTexmap(ID_SP), nullptr);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(StandardMtlConversionTest, CompatibleMaterialWithToonShaderGetsTonesOnItsOwnBase) {
    StdCompatibleMtl* source = Scene::StdCompatible();
    ASSERT_TRUE(source->SwitchShader(FINALTOON_SHADER_CLASS_ID));
    Apply(source, unusual);
    Mtl* result = Convert(source, 0x10108C01);
    StdMat2* base = static_cast<StdMat2*>(result->GetSubMtl(0));
    ASSERT_NE(base, nullptr);
    EXPECT_NE(static_cast<Mtl*>(base), static_cast<Mtl*>(source));
    EXPECT_TRUE(SettingsOf(base) == unusual);
    // The base shader step sets the tone colours (mix off).
    EXPECT_EQ(base->GetShader()->GetDiffuseClr(0), Color(0.6f, 0.6f, 0.6f));
    EXPECT_EQ(GetMtlZoneCount(result), 3);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(StandardMtlConversionTest, SourceOfAnotherClassIsRefused) {
    Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
    Mtl* multi = Scene::Multi(1);
    Mtl* base = result->GetSubMtl(0);
    EXPECT_FALSE(ConvertStandardMtl(result, multi, 0, nullptr));
    EXPECT_EQ(result->GetSubMtl(0), base);
    EXPECT_EQ(GetMtlZoneCount(result), 2);
    result->DeleteThis();
    multi->DeleteThis();
}

TEST_F(StandardMtlConversionTest, AtAnotherTimeReferenceValuesComeFromFrameZero) {
    const TimeValue now = 4800;
    ip->SetTime(now);
    // A reference zone whose start moves from 10 to 60, and one stroke switched off.
    Mtl* reference = Scene::Vrn3("reference");
    ReferenceTarget* refZone = CreateZone();
    IParamBlock2* refBlock = GetZoneParams(refZone);
    KeyframeFloatControl* refStart = NewDefaultFloatController();
    refStart->AddKey(0, 10.0f);
    refStart->AddKey(now, 60.0f);
    ASSERT_TRUE(refBlock->SetController(VRN3_ZONE_START, 0, refStart, FALSE));
    refBlock->SetValue(VRN3_ZONE_STROKE_ON, now, 0, 0);
    RefTargetTab zones;
    zones.Append(1, &refZone);
    SetMtlZones(reference, zones);
    // A source whose specular colour moves.
    StdMtl* source = Scene::Standard("source");
    KeyframePoint3Control* specular = NewDefaultColorController();
    specular->AddKey(0, Point3(0.1f, 0.1f, 0.1f));
    specular->AddKey(now, Point3(0.8f, 0.6f, 0.4f));
    ASSERT_TRUE(source->GetShader()->GetParamBlock(0)->SetController(2, 0, specular, FALSE));
    // An animated highlight colour on the new material: a write lands as a
    // key at the time it is made.
    Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
    KeyframePoint3Control* highlight = NewDefaultColorController();
    highlight->AddKey(0, Point3(1.0f, 1.0f, 1.0f));
    IParamBlock2* pb = result->GetParamBlock(0);
    ASSERT_TRUE(pb->SetController(VRN3_MTL_HIGHLIGHT_COLOR, 0, highlight, FALSE));

    EXPECT_TRUE(ConvertStandardMtl(result, source, CONV_REFER_STROKES, reference));
    EXPECT_EQ(pb->GetColor(VRN3_MTL_HIGHLIGHT_COLOR, now), Color(0.8f, 0.6f, 0.4f));
    EXPECT_EQ(pb->GetColor(VRN3_MTL_HIGHLIGHT_COLOR, 0), Color(1.0f, 1.0f, 1.0f));
    ASSERT_EQ(GetMtlZoneCount(result), 1);
    IParamBlock2* zone = GetZoneParams(GetMtlZone(result, 0));
    EXPECT_EQ(zone->GetFloat(VRN3_ZONE_START, now), 10.0f);
    ASSERT_EQ(zone->Count(VRN3_ZONE_STROKE_ON), 1);
    EXPECT_EQ(zone->GetInt(VRN3_ZONE_STROKE_ON, now, 0), 0);

    // The zone copy alone, into a block whose start is animated: the value of
    // frame 0 is written at the current time.
    ReferenceTarget* target = CreateZone();
    IParamBlock2* targetBlock = GetZoneParams(target);
    KeyframeFloatControl* targetStart = NewDefaultFloatController();
    targetStart->AddKey(0, 0.0f);
    ASSERT_TRUE(targetBlock->SetController(VRN3_ZONE_START, 0, targetStart, FALSE));
    CopyZoneParams(targetBlock, refBlock, now, 0);
    EXPECT_EQ(targetBlock->GetFloat(VRN3_ZONE_START, now), 10.0f);
    EXPECT_EQ(targetBlock->GetFloat(VRN3_ZONE_START, 0), 0.0f);

    target->DeleteThis();
    reference->DeleteThis();
    result->DeleteThis();  // and with it the source, its base material
}

// A Standard material that cannot be copied, as a class whose Clone fails.
class UncloneableStdMtl : public StdMtl {
public:
    RefTargetHandle Clone(RemapDir&) override { return nullptr; }
};

TEST_F(StandardMtlConversionTest, ConversionStopsEarlyWithoutTouchingTheBump) {
    // Every stop comes before the bump and reflection step: the new material's
    // bump slot and parameters keep what they held.
    struct Row {
        const char* name;
        // Makes the source and prepares the new material; answers the source.
        Mtl* (*prepare)(Mtl* result);
    } rows[] = {
        {"the copy of a toon-shaded source fails",
         [](Mtl*) -> Mtl* {
             StdMtl* m = new UncloneableStdMtl;
             m->SwitchShader(FINALTOON_SHADER_CLASS_ID);
             return m;
         }},
        {"no sub-material 0",
         [](Mtl* result) -> Mtl* {
             result->SetSubMtl(0, nullptr);
             return Scene::StdCompatible();
         }},
        {"base material of another class",
         [](Mtl* result) -> Mtl* {
             result->SetSubMtl(0, Scene::Multi(1));
             return Scene::StdCompatible();
         }},
        {"base material without a shader",
         [](Mtl* result) -> Mtl* {
             result->GetSubMtl(0)->ReplaceReference(StdMtl::SHADER_REF, nullptr);
             return Scene::StdCompatible();
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
        Texmap* oldBump = Scene::Map("old bump");
        result->SetSubTexmap(VRN3_MTL_SLOT_BUMP, oldBump);
        Mtl* source = row.prepare(result);
        ASSERT_NE(source, nullptr);
        Mtl* base = result->GetSubMtl(0);
        StdMat2* src = GetStdMat2(source);
        ASSERT_NE(src, nullptr);
        ASSERT_NE(src->GetShader(), nullptr);
        long bumpCh = src->StdIDToChannel(ID_BU);
        src->SetSubTexmap(static_cast<int>(bumpCh), Scene::Map("bump"));
        src->EnableMap(static_cast<int>(bumpCh), TRUE);
        src->SetTexmapAmt(static_cast<int>(bumpCh), 0.7f, 0);

        EXPECT_FALSE(ConvertStandardMtl(result, source, 0x10108C01, nullptr));
        IParamBlock2* pb = result->GetParamBlock(0);
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_BUMP), oldBump);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_BUMP_ON), 0);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_BUMP_AMT), 30);
        EXPECT_EQ(result->GetSubMtl(0), base);
        EXPECT_EQ(GetMtlZoneCount(result), 2);
        result->DeleteThis();
        source->DeleteThis();
    }
}

TEST_F(StandardMtlConversionTest, ConversionUnderASuspendedHoldRecordsNothing) {
    // As the convert command runs it: inside an open hold, with recording suspended.
    Mtl* reference = Scene::Vrn3("reference");
    Scene::Slot(0, reference);
    struct Row {
        const char* name;
        Mtl* source;
        Mtl* reference;
        ConvertOptionFlags flags;
    } rows[] = {
        {"automatic zones", Scene::Standard(), nullptr, 0x10108C01},
        {"reference zones with copied strokes", Scene::Standard(), reference,
         CONV_REFER_STROKES | CONV_REFER_COPY},
        {"finalToon", Scene::Shaded(FINALTOON_SHADER_CLASS_ID), nullptr, 0},
        {"Illustrate!", Scene::Shaded(ILLUSTRATE_SHADER_CLASS_ID), nullptr, 0x10108C01},
        {"standard-compatible", Scene::StdCompatible(), nullptr, 0x10108C01},
    };
    for (const Row& row : rows) {
        theHold.Begin();
        Mtl* result = nullptr;
        {
            SuspendAll suspend(TRUE, TRUE);
            result = ConvertMaterial(row.source, row.flags, row.reference, &registry);
        }
        EXPECT_EQ(theHold.PendingRecords(), 0) << row.name;
        theHold.Accept("convert");
        ASSERT_NE(result, nullptr) << row.name;
        row.source->DeleteThis();  // first: the new material may use it as its base
        result->DeleteThis();
    }
}

// A host without the host's own shaders: a Standard material made there has
// no shader, and the Blinn shader cannot be switched in.
class ShaderlessHostTest : public StandardMtlConversionTest {
protected:
    void RegisterClasses() override {
        RegisterHostMaterials();
        RegisterVarnel3Classes();
        RegisterToonShaders();
    }
};

TEST_F(ShaderlessHostTest, SourceWithoutShaderStopsAtOnce) {
    StdMtl* source = Scene::Standard();
    ASSERT_EQ(source->GetShader(), nullptr);
    Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
    Mtl* base = result->GetSubMtl(0);
    EXPECT_FALSE(ConvertStandardMtl(result, source, 0, nullptr));
    EXPECT_EQ(result->GetSubMtl(0), base);
    EXPECT_EQ(GetMtlZoneCount(result), 2);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(ShaderlessHostTest, BlinnThatCannotBeSwitchedInStopsAndLosesNothing) {
    StdMtl* source = Scene::Shaded(FINALTOON_SHADER_CLASS_ID);
    ASSERT_NE(source->GetShader(), nullptr);
    Mtl* result = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
    Mtl* base = result->GetSubMtl(0);
    int before = StandIn::LiveTargetCount();
    EXPECT_FALSE(ConvertStandardMtl(result, source, 0, nullptr));
    EXPECT_EQ(StandIn::LiveTargetCount(), before) << "the copy that could not be used is gone";
    EXPECT_EQ(result->GetSubMtl(0), base);
    EXPECT_EQ(source->GetShader()->ClassID(), FINALTOON_SHADER_CLASS_ID);
    result->DeleteThis();
    source->DeleteThis();
}

}  // namespace
