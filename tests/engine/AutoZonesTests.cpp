// Automatic zones of a Standard material with an ordinary shader: four zones
// over 0-25-50-75-100, numbered 1 to 4, coloured from the diffuse colour or
// as grey levels, lit by the self-illumination.
#include <string>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "SceneBuilder.h"
#include "StdMtl.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

class AutoZonesTest : public HostTest {
protected:
    ConversionRegistry registry;
};

const float g1 = 1.0f / 7.0f, g3 = 3.0f / 7.0f, g5 = 5.0f / 7.0f;

TEST_F(AutoZonesTest, ZoneColoursFollowDiffuseSelfIllumAndMultiply) {
    struct Row {
        const char* name;
        ConvertOptionFlags flags;
        Color diffuse;
        float selfAmount;
        Color selfColor;
        BOOL selfColorOn;
        Color expected[4];
        int blendMode;      // of every zone
        float standardMix;  // material parameter 1
    } rows[] = {
        {"diffuse steps",
         0,
         Color(0.7f, 0.35f, 0.14f),
         0.0f,
         Color(),
         FALSE,
         {Color(0.1f, 0.05f, 0.02f), Color(0.3f, 0.15f, 0.06f), Color(0.5f, 0.25f, 0.1f),
          Color(0.7f, 0.35f, 0.14f)},
         0,
         50.0f},
        {"self-illumination amount blends toward diffuse",
         0,
         Color(0.7f, 0.35f, 0.14f),
         0.5f,
         Color(),
         FALSE,
         {Color(0.4f, 0.2f, 0.08f), Color(0.5f, 0.25f, 0.1f), Color(0.6f, 0.3f, 0.12f),
          Color(0.7f, 0.35f, 0.14f)},
         0,
         50.0f},
        {"self-illumination colour is added and clamped",
         0,
         Color(1, 1, 1),
         0.8f,
         Color(0.5f, 0.5f, 0.5f),
         TRUE,
         {Color(g1 + 0.5f, g1 + 0.5f, g1 + 0.5f), Color(g3 + 0.5f, g3 + 0.5f, g3 + 0.5f),
          Color(1, 1, 1), Color(1, 1, 1)},
         0,
         50.0f},
        {"multiply greys",
         CONV_AUTO_MULTIPLY,
         Color(0.7f, 0.35f, 0.14f),
         0.0f,
         Color(),
         FALSE,
         {Color(g1, g1, g1), Color(g3, g3, g3), Color(g5, g5, g5), Color(1, 1, 1)},
         3,
         0.0f},
        {"multiply greys lifted by self-illumination amount",
         CONV_AUTO_MULTIPLY,
         Color(0.7f, 0.35f, 0.14f),
         0.5f,
         Color(),
         FALSE,
         {Color(4 / 7.0f, 4 / 7.0f, 4 / 7.0f), Color(5 / 7.0f, 5 / 7.0f, 5 / 7.0f),
          Color(6 / 7.0f, 6 / 7.0f, 6 / 7.0f), Color(1, 1, 1)},
         3,
         0.0f},
        {"multiply screened with a red self-illumination colour",
         CONV_AUTO_MULTIPLY,
         Color(0.7f, 0.35f, 0.14f),
         0.5f,
         Color(1, 0, 0),
         TRUE,
         {Color(1, g1, g1), Color(1, g3, g3), Color(1, g5, g5), Color(1, 1, 1)},
         3,
         0.0f},
        {"other groups' bits change nothing",
         CONV_REFER_COPY | CONV_REFER_STROKES | CONV_FT_SPECULAR_ZONE,
         Color(0.7f, 0.35f, 0.14f),
         0.0f,
         Color(),
         FALSE,
         {Color(0.1f, 0.05f, 0.02f), Color(0.3f, 0.15f, 0.06f), Color(0.5f, 0.25f, 0.1f),
          Color(0.7f, 0.35f, 0.14f)},
         0,
         50.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StdMtl* source = Scene::Standard(row.name);
        source->SetDiffuse(row.diffuse, 0);
        source->SetSelfIllum(row.selfAmount, 0);
        source->SetSelfIllumColor(row.selfColor, 0);
        source->SetSelfIllumColorOn(row.selfColorOn);
        Mtl* result = ConvertMaterial(source, row.flags, nullptr, &registry);
        ASSERT_NE(result, nullptr);
        ASSERT_EQ(GetMtlZoneCount(result), 4);
        for (int i = 0; i < 4; ++i) {
            IParamBlock2* pb = GetZoneParams(GetMtlZone(result, i));
            ASSERT_NE(pb, nullptr);
            EXPECT_EQ(pb->GetFloat(VRN3_ZONE_START), 25.0f * i) << "zone " << i;
            EXPECT_EQ(pb->GetFloat(VRN3_ZONE_END), 25.0f * (i + 1)) << "zone " << i;
            EXPECT_EQ(pb->GetInt(VRN3_ZONE_NUMBER), i + 1) << "zone " << i;
            EXPECT_EQ(pb->GetInt(VRN3_ZONE_BLEND_MODE), row.blendMode) << "zone " << i;
            Color c = pb->GetColor(VRN3_ZONE_COLOR);
            EXPECT_NEAR(c.r, row.expected[i].r, 1e-5f) << "zone " << i;
            EXPECT_NEAR(c.g, row.expected[i].g, 1e-5f) << "zone " << i;
            EXPECT_NEAR(c.b, row.expected[i].b, 1e-5f) << "zone " << i;
        }
        EXPECT_EQ(result->GetParamBlock(0)->GetFloat(VRN3_MTL_STANDARD_MIX), row.standardMix);
        result->DeleteThis();
    }
}

}  // namespace
