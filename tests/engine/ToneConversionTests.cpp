// finalToon and Illustrate! tones: zone boundaries with softness and tones
// off, the highlight made of the last tone, tone colours, maps and the mix.
#include <cmath>
#include <string>
#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "OutsideContract.h"
#include "SceneBuilder.h"
#include "StdCompatibleMtl.h"
#include "StdMatAccess.h"
#include "StdMtl.h"
#include "ToneConversion.h"
#include "ToneShaderParams.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

struct Span {
    int number;
    float start, end;
};

std::string Describe(const std::vector<Span>& spans) {
    std::string s;
    for (const Span& z : spans)
        s += "[" + std::to_string(z.number) + ": " + std::to_string(z.start) + " - " +
             std::to_string(z.end) + "] ";
    return s;
}

std::vector<Span> Spans(Mtl* m) {
    std::vector<Span> spans;
    for (int i = 0; i < GetMtlZoneCount(m); ++i) {
        IParamBlock2* pb = GetZoneParams(GetMtlZone(m, i));
        spans.push_back({pb->GetInt(VRN3_ZONE_NUMBER), pb->GetFloat(VRN3_ZONE_START),
                         pb->GetFloat(VRN3_ZONE_END)});
    }
    return spans;
}

bool SameSpans(const std::vector<Span>& a, const std::vector<Span>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].number != b[i].number) return false;
        if (std::abs(a[i].start - b[i].start) > 1e-4f || std::abs(a[i].end - b[i].end) > 1e-4f)
            return false;
    }
    return true;
}

// Tones as a finalToon shader would hold them (widths and amounts in percent);
// Illustrate! takes the same values as fractions.
struct Tones {
    int on[3];
    float width0, width2;
    float softness01, softness12;
};

void SetFinalToon(IParamBlock2* pb, const Tones& tones) {
    for (int i = 0; i < 3; ++i) pb->SetValue(FT_TONE_ON[i], 0, tones.on[i]);
    pb->SetValue(FT_TONE0_WIDTH, 0, tones.width0);
    pb->SetValue(FT_TONE2_WIDTH, 0, tones.width2);
    pb->SetValue(FT_SOFTNESS_01, 0, tones.softness01);
    pb->SetValue(FT_SOFTNESS_12, 0, tones.softness12);
}

void SetIllustrate(IParamBlock2* pb, const Tones& tones) {
    for (int i = 0; i < 3; ++i) pb->SetValue(IL_TONE_ON[i], 0, tones.on[i]);
    pb->SetValue(IL_TONE0_WIDTH, 0, tones.width0 / 100.0f);
    pb->SetValue(IL_TONE2_WIDTH, 0, tones.width2 / 100.0f);
    pb->SetValue(IL_SOFTNESS_01, 0, tones.softness01);
    pb->SetValue(IL_SOFTNESS_12, 0, tones.softness12);
}

class ToneConversionTest : public HostTest {
protected:
    Mtl* Convert(Mtl* source, ConvertOptionFlags flags) {
        return ConvertMaterial(source, flags, nullptr, &registry);
    }
    IParamBlock2* ShaderBlock(StdMtl* m) { return m->GetShader()->GetParamBlock(0); }

    ConversionRegistry registry;
};

TEST_F(ToneConversionTest, ZoneBoundariesAndHighlightFollowTheTones) {
    // Each shader has its own "last tone as a zone" bit: the other shader's
    // bit alone leaves its last tone the highlight.
    const bool zone = true, highlight = false;
    struct Row {
        const char* name;
        Tones tones;
        bool lastToneZone;
        std::vector<Span> zones;
        int highlightSize, highlightSharpness;  // 30 and 90 are the untouched defaults
    } rows[] = {
        {"all tones as zones",
         {{1, 1, 1}, 30, 20, 0, 0},
         zone,
         {{2, 0, 30}, {3, 30, 80}, {4, 80, 100}},
         30,
         90},
        {"last tone as highlight",
         {{1, 1, 1}, 30, 20, 0, 0},
         highlight,
         {{2, 0, 30}, {3, 30, 100}},
         200,
         100},
        {"softness between all three zones",
         {{1, 1, 1}, 30, 20, 0.2f, 0.1f},
         zone,
         {{2, 0, 24}, {3, 35, 77.5f}, {4, 82, 100}},
         30,
         90},
        {"softness with the last tone as highlight",
         {{1, 1, 1}, 30, 20, 0.2f, 0.1f},
         highlight,
         {{2, 0, 24}, {3, 44, 100}},
         200,
         90},
        {"first tone off gives its width up",
         {{0, 1, 1}, 30, 20, 0, 0},
         zone,
         {{3, 0, 80}, {4, 80, 100}},
         30,
         90},
        {"middle tone off: first two exchanged",
         {{1, 0, 1}, 30, 20, 0, 0},
         zone,
         {{3, 0, 80}, {4, 80, 100}},
         30,
         90},
        {"middle tone off, highlight: first tone takes all",
         {{1, 0, 1}, 30, 20, 0, 0},
         highlight,
         {{2, 0, 100}},
         200,
         100},
        {"no tone on", {{0, 0, 0}, 30, 20, 0, 0}, zone, {}, 30, 90},
        {"only the highlight tone on", {{0, 0, 1}, 30, 15, 0, 0.25f}, highlight, {}, 150, 75},
        {"only the last tone, as a zone",
         {{0, 0, 1}, 30, 20, 0.2f, 0.1f},
         zone,
         {{4, 0, 100}},
         30,
         90},
        {"highlight tone off",
         {{1, 1, 0}, 30, 20, 0, 0},
         highlight,
         {{2, 0, 30}, {3, 30, 100}},
         30,
         90},
    };
    for (const Row& row : rows) {
        for (int illustrate = 0; illustrate < 2; ++illustrate) {
            const ConvertOptionFlags own =
                illustrate ? CONV_IL_HIGHLIGHT_ZONE : CONV_FT_SPECULAR_ZONE;
            const ConvertOptionFlags other =
                illustrate ? CONV_FT_SPECULAR_ZONE : CONV_IL_HIGHLIGHT_ZONE;
            std::vector<ConvertOptionFlags> variants;
            if (row.lastToneZone)
                variants = {own};
            else
                variants = {0, other};
            for (ConvertOptionFlags flags : variants) {
                SCOPED_TRACE(std::string(row.name) +
                             (illustrate ? " (Illustrate!)" : " (finalToon)") +
                             (flags == 0     ? ", no bit"
                              : flags == own ? ", own bit"
                                             : ", other bit"));
                StdMtl* source = Scene::Shaded(
                    illustrate ? ILLUSTRATE_SHADER_CLASS_ID : FINALTOON_SHADER_CLASS_ID, row.name);
                ASSERT_NE(source->GetShader(), nullptr);
                if (illustrate)
                    SetIllustrate(ShaderBlock(source), row.tones);
                else
                    SetFinalToon(ShaderBlock(source), row.tones);
                Mtl* result = Convert(source, flags);
                ASSERT_NE(result, nullptr);
                std::vector<Span> got = Spans(result);
                EXPECT_TRUE(SameSpans(got, row.zones))
                    << "got " << Describe(got) << ", expected " << Describe(row.zones);
                IParamBlock2* pb = result->GetParamBlock(0);
                EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SIZE), row.highlightSize);
                EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_SHARP), row.highlightSharpness);
                result->DeleteThis();
                source->DeleteThis();
            }
        }
    }
}

TEST_F(ToneConversionTest, ToneColourIsDesaturatedScaledAndLit) {
    struct Row {
        const char* name;
        Color color;
        float amount, desaturation;
        BOOL blend;
        float selfAmount;
        BOOL selfColorOn;
        Color selfColor, diffuse, expected;
    } rows[] = {
        {"plain", Color(1, 0.5f, 0), 100, 0, FALSE, 0, FALSE, Color(), Color(), Color(1, 0.5f, 0)},
        {"desaturated by half", Color(1, 0.5f, 0), 100, 0.5f, TRUE, 0, FALSE, Color(), Color(),
         Color(0.75f, 0.5f, 0.25f)},
        {"desaturation 0 leaves it", Color(1, 0.5f, 0), 100, 0, TRUE, 0, FALSE, Color(), Color(),
         Color(1, 0.5f, 0)},
        {"amount scales", Color(1, 0.5f, 0), 50, 0, FALSE, 0, FALSE, Color(), Color(),
         Color(0.5f, 0.25f, 0)},
        {"self-illumination adds the diffuse", Color(0.2f, 0.2f, 0.2f), 100, 0, FALSE, 0.5f, FALSE,
         Color(), Color(0.6f, 0.4f, 0.2f), Color(0.5f, 0.4f, 0.3f)},
        {"self-illumination blends toward the diffuse", Color(0.2f, 0.2f, 0.2f), 100, 0, TRUE, 0.5f,
         FALSE, Color(), Color(0.6f, 0.4f, 0.2f), Color(0.4f, 0.3f, 0.2f)},
        {"self-illumination colour is added", Color(0.2f, 0.2f, 0.2f), 50, 0, TRUE, 0.5f, TRUE,
         Color(0.3f, 0.2f, 0.1f), Color(0.6f, 0.4f, 0.2f), Color(0.4f, 0.3f, 0.2f)},
        {"clamped into 0 to 1", Color(1, 1, 0), 100, 0, FALSE, 0.5f, FALSE, Color(), Color(1, 1, 1),
         Color(1, 1, 0.5f)},
        {"negative clamped", Color(-1, 0.5f, 2), 100, 0, FALSE, 0, FALSE, Color(), Color(),
         Color(0, 0.5f, 1)},
    };
    for (const Row& row : rows) {
        StdMtl* source = Scene::Standard(row.name);
        source->SetSelfIllum(row.selfAmount, 0);
        source->SetSelfIllumColorOn(row.selfColorOn);
        source->SetSelfIllumColor(row.selfColor, 0);
        source->SetDiffuse(row.diffuse, 0);
        Color c = ComputeToneColor(0, source, row.color, row.amount, row.desaturation, row.blend);
        EXPECT_NEAR(c.r, row.expected.r, 1e-6f) << row.name;
        EXPECT_NEAR(c.g, row.expected.g, 1e-6f) << row.name;
        EXPECT_NEAR(c.b, row.expected.b, 1e-6f) << row.name;
        source->DeleteThis();
    }
}

TEST_F(ToneConversionTest, ZoneColoursComeFromEachShadersOwnTones) {
    // Tone 1 colour (1, 0.5, 0) at half amount; self-illumination 0.5 without
    // colour and diffuse (0.2, 0.4, 0.6). finalToon adds half the diffuse;
    // Illustrate! desaturates by half first and blends halfway to the diffuse.
    struct Row {
        const char* name;
        Class_ID shader;
        Color expected;
    } rows[] = {
        {"finalToon", FINALTOON_SHADER_CLASS_ID, Color(0.6f, 0.45f, 0.3f)},
        {"Illustrate!", ILLUSTRATE_SHADER_CLASS_ID, Color(0.2875f, 0.325f, 0.3625f)},
    };
    for (const Row& row : rows) {
        StdMtl* source = Scene::Shaded(row.shader, row.name);
        source->SetSelfIllum(0.5f, 0);
        source->SetDiffuse(Color(0.2f, 0.4f, 0.6f), 0);
        IParamBlock2* pb = ShaderBlock(source);
        if (row.shader == ILLUSTRATE_SHADER_CLASS_ID) {
            pb->SetValue(IL_TONE_COLOR[1], 0, Color(1, 0.5f, 0));
            pb->SetValue(IL_TONE_AMOUNT[1], 0, 0.5f);
            pb->SetValue(IL_DESATURATION, 0, 0.5f);
        } else {
            pb->SetValue(FT_TONE_COLOR[1], 0, Color(1, 0.5f, 0));
            pb->SetValue(FT_TONE_AMOUNT[1], 0, 50.0f);
        }
        Mtl* result = Convert(source, CONV_FT_SPECULAR_ZONE | CONV_IL_HIGHLIGHT_ZONE);
        ASSERT_EQ(GetMtlZoneCount(result), 3) << row.name;
        Color c = GetZoneParams(GetMtlZone(result, 1))->GetColor(VRN3_ZONE_COLOR);
        EXPECT_NEAR(c.r, row.expected.r, 1e-6f) << row.name;
        EXPECT_NEAR(c.g, row.expected.g, 1e-6f) << row.name;
        EXPECT_NEAR(c.b, row.expected.b, 1e-6f) << row.name;
        result->DeleteThis();
        source->DeleteThis();
    }
}

TEST_F(ToneConversionTest, ZonesShareTheSourcesToneMaps) {
    StdMtl* source = Scene::Shaded(FINALTOON_SHADER_CLASS_ID);
    Texmap* ambient = Scene::Map("ambient");
    Texmap* diffuse = Scene::Map("diffuse");
    Texmap* specular = Scene::Map("specular");
    source->SetSubTexmap(ID_AM, ambient);
    source->SetSubTexmap(ID_DI, diffuse);
    source->EnableMap(ID_DI, TRUE);
    source->SetTexmapAmt(ID_DI, 0.4f, 0);
    source->SetSubTexmap(ID_SP, specular);
    Mtl* result = Convert(source, CONV_FT_SPECULAR_ZONE);
    ASSERT_EQ(GetMtlZoneCount(result), 3);
    Texmap* expected[3] = {ambient, diffuse, specular};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GetMtlZone(result, i)->GetReference(VRN3_ZONE_MAP_REF), expected[i]) << i;
    IParamBlock2* pb = GetZoneParams(GetMtlZone(result, 1));
    EXPECT_EQ(pb->GetInt(VRN3_ZONE_MAP_ON), 1);
    EXPECT_NEAR(pb->GetFloat(VRN3_ZONE_MAP_AMT), 40.0f, 1e-4f);
    EXPECT_EQ(GetZoneParams(GetMtlZone(result, 0))->GetInt(VRN3_ZONE_MAP_ON), 0);
    // The source keeps its maps.
    EXPECT_EQ(source->GetSubTexmap(ID_DI), diffuse);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(ToneConversionTest, HighlightTakesTheLastTonesColourAndMap) {
    struct Row {
        const char* name;
        BOOL mapOn;
        float amount;
        int expectedOn;  // 1 is the material's default
        float expectedAmount;
    } rows[] = {
        {"specular map enabled", TRUE, 0.25f, 1, 25.0f},
        {"specular map disabled", FALSE, 0.6f, 0, 60.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StdMtl* source = Scene::Shaded(FINALTOON_SHADER_CLASS_ID);
        IParamBlock2* ft = ShaderBlock(source);
        ft->SetValue(FT_TONE_COLOR[2], 0, Color(0.8f, 0.6f, 0.4f));
        ft->SetValue(FT_TONE_AMOUNT[2], 0, 50.0f);
        Texmap* specular = Scene::Map("specular");
        source->SetSubTexmap(ID_SP, specular);
        source->EnableMap(ID_SP, row.mapOn);
        source->SetTexmapAmt(ID_SP, row.amount, 0);
        Mtl* result = Convert(source, 0);
        IParamBlock2* pb = result->GetParamBlock(0);
        Color c = pb->GetColor(VRN3_MTL_HIGHLIGHT_COLOR);
        EXPECT_NEAR(c.r, 0.4f, 1e-6f);
        EXPECT_NEAR(c.g, 0.3f, 1e-6f);
        EXPECT_NEAR(c.b, 0.2f, 1e-6f);
        // The map goes with the tone whether or not it is enabled.
        EXPECT_EQ(result->GetSubTexmap(VRN3_MTL_SLOT_HIGHLIGHT_COLOR), specular);
        EXPECT_EQ(pb->GetInt(VRN3_MTL_HIGHLIGHT_MAP_ON), row.expectedOn);
        EXPECT_NEAR(pb->GetFloat(VRN3_MTL_HIGHLIGHT_MAP_AMT), row.expectedAmount, 1e-4f);
        result->DeleteThis();
        source->DeleteThis();
    }
}

TEST_F(ToneConversionTest, MixSetsEveryZoneAndTheMaterial) {
    struct Row {
        float mix;
        float zoneMix, mtlMix;  // 100 and 50 are the untouched defaults
    } rows[] = {{0.25f, 75.0f, 100.0f}, {0.0f, 100.0f, 50.0f}, {1.0f, 0.0f, 100.0f}};
    for (const Row& row : rows) {
        for (int illustrate = 0; illustrate < 2; ++illustrate) {
            StdMtl* source =
                Scene::Shaded(illustrate ? ILLUSTRATE_SHADER_CLASS_ID : FINALTOON_SHADER_CLASS_ID);
            ShaderBlock(source)->SetValue(illustrate ? IL_STANDARD_MIX : FT_STANDARD_MIX, 0,
                                          row.mix);
            Mtl* result = Convert(source, CONV_FT_SPECULAR_ZONE | CONV_IL_HIGHLIGHT_ZONE);
            ASSERT_EQ(GetMtlZoneCount(result), 3);
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(GetZoneParams(GetMtlZone(result, i))->GetFloat(VRN3_ZONE_STANDARD_MIX),
                            row.zoneMix, 1e-4f)
                    << "mix " << row.mix << " zone " << i << " illustrate " << illustrate;
            EXPECT_EQ(result->GetParamBlock(0)->GetFloat(VRN3_MTL_STANDARD_MIX), row.mtlMix)
                << "mix " << row.mix << " illustrate " << illustrate;
            result->DeleteThis();
            source->DeleteThis();
        }
    }
}

TEST_F(ToneConversionTest, FirstTwoTonesSwapOnlyForAGapBeforeTheLastZone) {
    struct Row {
        int on[3];
        int lastToneZone;
        bool swapped;
    } rows[] = {{{1, 0, 1}, 1, true},  {{1, 0, 1}, 0, false}, {{1, 1, 1}, 1, false},
                {{0, 0, 1}, 1, false}, {{1, 0, 0}, 1, false}, {{0, 1, 1}, 1, false}};
    for (const Row& row : rows) {
        ConvertFromFtContext ctx;
        ctx.lastToneZone = row.lastToneZone;
        for (int i = 0; i < 3; ++i) {
            ctx.enabled[i] = row.on[i];
            ctx.width[i] = 10.0f * (i + 1);
            ctx.lowerSoftness[i] = 0.1f * i;
            ctx.upperSoftness[i] = 0.2f * i;
            ctx.color[i] = Color(0.1f * i, 0, 0);
            ctx.amount[i] = 50.0f + i;
        }
        ctx.SwapFirstTwoTones();
        int a = row.swapped ? 1 : 0, b = row.swapped ? 0 : 1;
        std::string name = std::to_string(row.on[0]) + std::to_string(row.on[1]) +
                           std::to_string(row.on[2]) + " zone " + std::to_string(row.lastToneZone);
        EXPECT_EQ(ctx.enabled[0], row.on[a]) << name;
        EXPECT_EQ(ctx.width[0], 10.0f * (a + 1)) << name;
        EXPECT_EQ(ctx.width[1], 10.0f * (b + 1)) << name;
        EXPECT_EQ(ctx.lowerSoftness[0], 0.1f * a) << name;
        EXPECT_EQ(ctx.upperSoftness[1], 0.2f * b) << name;
        EXPECT_EQ(ctx.color[0], Color(0.1f * a, 0, 0)) << name;
        EXPECT_EQ(ctx.amount[1], 50.0f + b) << name;
        EXPECT_EQ(ctx.GetToneMapId(0), a) << name;
        EXPECT_EQ(ctx.GetToneMapId(2), 2) << name;
    }
}

TEST_F(ToneConversionTest, BaseShaderTakesToneColoursOrStandardColours) {
    // A Standard source's base is its own copy, whose shader switch already
    // carries the finalToon colours over; the standard-compatible material's
    // base is the new material's own default Standard material, which has
    // nothing of the source until the base shader step writes it.
    for (int compatible = 0; compatible < 2; ++compatible) {
        for (int mixOn = 0; mixOn < 2; ++mixOn) {
            SCOPED_TRACE(std::string(compatible ? "standard-compatible" : "Standard") +
                         (mixOn ? ", mix on" : ", mix off"));
            Mtl* source = nullptr;
            if (compatible) {
                StdCompatibleMtl* m = Scene::StdCompatible();
                ASSERT_TRUE(m->SwitchShader(FINALTOON_SHADER_CLASS_ID));
                source = m;
            } else {
                source = Scene::Shaded(FINALTOON_SHADER_CLASS_ID);
            }
            IParamBlock2* ft = static_cast<StdMat2*>(source)->GetShader()->GetParamBlock(0);
            ft->SetValue(FT_STANDARD_MIX, 0, mixOn ? 0.5f : 0.0f);
            ft->SetValue(FT_AMBIENT, 0, Color(0.1f, 0.0f, 0.0f));
            ft->SetValue(FT_DIFFUSE, 0, Color(0.0f, 0.2f, 0.0f));
            ft->SetValue(FT_SPECULAR, 0, Color(0.0f, 0.0f, 0.3f));
            ft->SetValue(FT_LOCK_AD, 0, 0);
            ft->SetValue(FT_LOCK_DS, 0, 1);
            ft->SetValue(FT_SPEC_LEVEL, 0, 0.7f);
            ft->SetValue(FT_GLOSSINESS, 0, 0.6f);
            ft->SetValue(FT_SOFTEN, 0, 0.5f);
            ft->SetValue(FT_TONE_COLOR[0], 0, Color(0.4f, 0.4f, 0.0f));
            ft->SetValue(FT_TONE_COLOR[1], 0, Color(0.0f, 0.5f, 0.5f));
            ft->SetValue(FT_TONE_COLOR[2], 0, Color(0.6f, 0.0f, 0.6f));
            Mtl* result = Convert(source, 0x10108C01);
            StdMat2* base = GetStdMat2(result->GetSubMtl(0));
            ASSERT_NE(base, nullptr);
            ASSERT_NE(static_cast<Mtl*>(base), source);
            Shader* blinn = base->GetShader();
            ASSERT_EQ(blinn->ClassID(), BLINN_SHADER_CLASS_ID);
            if (mixOn) {
                EXPECT_EQ(blinn->GetAmbientClr(0), Color(0.1f, 0.0f, 0.0f));
                EXPECT_EQ(blinn->GetDiffuseClr(0), Color(0.0f, 0.2f, 0.0f));
                EXPECT_EQ(blinn->GetSpecularClr(0), Color(0.0f, 0.0f, 0.3f));
                EXPECT_EQ(blinn->GetLockAD(), FALSE);
                EXPECT_EQ(blinn->GetLockDS(), TRUE);
                EXPECT_EQ(blinn->GetSpecularLevel(0), 0.7f);
                EXPECT_EQ(blinn->GetGlossiness(0), 0.6f);
                EXPECT_EQ(blinn->GetSoftenLevel(0), 0.5f);
            } else {
                EXPECT_EQ(blinn->GetAmbientClr(0), Color(0.4f, 0.4f, 0.0f));
                EXPECT_EQ(blinn->GetDiffuseClr(0), Color(0.0f, 0.5f, 0.5f));
                EXPECT_EQ(blinn->GetSpecularClr(0), Color(0.6f, 0.0f, 0.6f));
            }
            result->DeleteThis();
            source->DeleteThis();
        }
    }
}

}  // namespace
