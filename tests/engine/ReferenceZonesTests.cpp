// Zones from a reference Varnel 3 material: as many zones as the reference,
// values copied, strokes and map tables shared (Instance) or cloned (Copy),
// and the reference itself never changed.
#include <string>
#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "OutsideContract.h"
#include "ReferenceZones.h"
#include "SceneBuilder.h"
#include "StdMtl.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

const ParamID ZONE_MAP_TABLE = 2;     // texmap table of the zone
const ParamID ZONE_PATTERN_MAP = 6;   // single texmap
const ParamID ZONE_SHADOW_ONLY = 10;  // bool
const ParamID ZONE_OFFSET = 12;       // point3
const ParamID ZONE_DENSITY = 13;      // percent fraction: not a copied type

// Everything of a zone that the conversion might touch.
struct ZoneState {
    ReferenceTarget* zone;
    float start, end, mapAmount, density;
    Color color;
    int blend, number, shadowOnly;
    Point3 offset;
    Texmap* pattern;
    std::vector<Texmap*> maps;
    std::vector<ReferenceTarget*> strokes;
    std::vector<int> strokeOn;

    bool operator==(const ZoneState& o) const {
        return zone == o.zone && start == o.start && end == o.end && mapAmount == o.mapAmount &&
               density == o.density && color == o.color && blend == o.blend && number == o.number &&
               shadowOnly == o.shadowOnly && offset == o.offset && pattern == o.pattern &&
               maps == o.maps && strokes == o.strokes && strokeOn == o.strokeOn;
    }
};

ZoneState StateOf(ReferenceTarget* zone) {
    IParamBlock2* pb = GetZoneParams(zone);
    ZoneState s{zone,
                pb->GetFloat(VRN3_ZONE_START),
                pb->GetFloat(VRN3_ZONE_END),
                pb->GetFloat(VRN3_ZONE_MAP_AMT),
                pb->GetFloat(ZONE_DENSITY),
                pb->GetColor(VRN3_ZONE_COLOR),
                pb->GetInt(VRN3_ZONE_BLEND_MODE),
                pb->GetInt(VRN3_ZONE_NUMBER),
                pb->GetInt(ZONE_SHADOW_ONLY),
                pb->GetPoint3(ZONE_OFFSET),
                pb->GetTexmap(ZONE_PATTERN_MAP),
                {},
                {},
                {}};
    for (int i = 0; i < pb->Count(ZONE_MAP_TABLE); ++i)
        s.maps.push_back(pb->GetTexmap(ZONE_MAP_TABLE, 0, i));
    for (int i = 0; i < GetZoneStrokeCount(zone); ++i) s.strokes.push_back(GetZoneStroke(zone, i));
    for (int i = 0; i < pb->Count(VRN3_ZONE_STROKE_ON); ++i)
        s.strokeOn.push_back(pb->GetInt(VRN3_ZONE_STROKE_ON, 0, i));
    return s;
}

std::vector<ZoneState> StatesOf(Mtl* m) {
    std::vector<ZoneState> states;
    for (int i = 0; i < GetMtlZoneCount(m); ++i) states.push_back(StateOf(GetMtlZone(m, i)));
    return states;
}

class ReferenceZonesTest : public HostTest {
protected:
    // A reference with three distinct zones of two strokes each.
    void SetUp() override {
        HostTest::SetUp();
        reference = Scene::Vrn3("reference");
        RefTargetTab zones;
        for (int l = 0; l < 3; ++l) {
            ReferenceTarget* zone = CreateZone();
            IParamBlock2* pb = GetZoneParams(zone);
            SetZoneStart(zone, 10.0f * l, 0);
            SetZoneEnd(zone, 10.0f * l + 5.0f, 0);
            SetZoneColor(zone, Color(0.1f * l, 0.2f, 0.3f), 0);
            SetZoneBlendMode(zone, l, 0);
            SetZoneNumber(zone, l + 3, 0);
            pb->SetValue(VRN3_ZONE_MAP_AMT, 0, 40.0f + l);
            pb->SetValue(ZONE_SHADOW_ONLY, 0, 1);
            pb->SetValue(ZONE_OFFSET, 0, Point3(1.0f, 2.0f, 3.0f * l));
            pb->SetValue(ZONE_DENSITY, 0, 0.9f);
            pb->SetValue(ZONE_PATTERN_MAP, 0, Scene::Map("pattern"));
            for (int i = 0; i < 2; ++i) pb->SetValue(ZONE_MAP_TABLE, 0, Scene::Map("zone map"), i);
            RefTargetTab strokes;
            for (int c = 0; c < 2; ++c) {
                ReferenceTarget* s = static_cast<ReferenceTarget*>(
                    ip->CreateInstance(TEXMAP_CLASS_ID, VRN3_STROKE_CLASS_ID));
                strokes.Append(1, &s);
            }
            SetZoneStrokes(zone, strokes);
            pb->SetValue(VRN3_ZONE_STROKE_ON, 0, 0, 0);
            pb->SetValue(VRN3_ZONE_STROKE_ON, 0, 1, 1);
            zones.Append(1, &zone);
        }
        SetMtlZones(reference, zones);
        Scene::Slot(0, reference);
    }

    Mtl* Convert(ConvertOptionFlags flags) {
        StdMtl* source = Scene::Standard("source");
        return ConvertMaterial(source, flags, reference, &registry);
    }

    Mtl* reference = nullptr;
    ConversionRegistry registry;
};

TEST_F(ReferenceZonesTest, NewZonesCopyEverySingleValue) {
    Mtl* result = Convert(0);
    std::vector<ZoneState> ref = StatesOf(reference), got = StatesOf(result);
    ASSERT_EQ(got.size(), 3u);
    for (size_t l = 0; l < got.size(); ++l) {
        EXPECT_NE(got[l].zone, ref[l].zone) << l;
        EXPECT_EQ(got[l].start, ref[l].start) << l;
        EXPECT_EQ(got[l].end, ref[l].end) << l;
        EXPECT_EQ(got[l].color, ref[l].color) << l;
        EXPECT_EQ(got[l].blend, ref[l].blend) << l;
        EXPECT_EQ(got[l].number, ref[l].number) << l;
        EXPECT_EQ(got[l].mapAmount, ref[l].mapAmount) << l;
        EXPECT_EQ(got[l].shadowOnly, ref[l].shadowOnly) << l;
        EXPECT_EQ(got[l].offset, ref[l].offset) << l;
        EXPECT_EQ(got[l].pattern, ref[l].pattern) << l;
        // A percent fraction is not among the copied types.
        EXPECT_EQ(got[l].density, 0.5f) << l;
    }
    result->DeleteThis();
}

TEST_F(ReferenceZonesTest, MapTablesAreSharedForInstanceAndClonedForCopy) {
    for (ConvertOptionFlags flags : {ConvertOptionFlags(0), CONV_REFER_COPY}) {
        SCOPED_TRACE(flags ? "Copy" : "Instance");
        Mtl* result = Convert(flags);
        std::vector<ZoneState> ref = StatesOf(reference), got = StatesOf(result);
        ASSERT_EQ(got.size(), 3u);
        for (size_t l = 0; l < got.size(); ++l) {
            ASSERT_EQ(got[l].maps.size(), ref[l].maps.size());
            for (size_t i = 0; i < got[l].maps.size(); ++i) {
                ASSERT_NE(got[l].maps[i], nullptr);
                if (flags & CONV_REFER_COPY) {
                    EXPECT_NE(got[l].maps[i], ref[l].maps[i]) << l << "/" << i;
                    EXPECT_STREQ(got[l].maps[i]->GetName().data(), "zone map");
                } else {
                    EXPECT_EQ(got[l].maps[i], ref[l].maps[i]) << l << "/" << i;
                }
            }
            EXPECT_EQ(got[l].pattern, ref[l].pattern) << "single maps are shared in both modes";
        }
        result->DeleteThis();
    }
}

TEST_F(ReferenceZonesTest, WithoutStrokeSettingsZonesKeepTheirDefaultStrokes) {
    for (ConvertOptionFlags flags : {ConvertOptionFlags(0), CONV_REFER_COPY}) {
        Mtl* result = Convert(flags);
        std::vector<ZoneState> got = StatesOf(result);
        ASSERT_EQ(got.size(), 3u);
        for (const ZoneState& z : got) {
            ASSERT_EQ(z.strokes.size(), 1u) << flags;
            EXPECT_EQ(z.strokeOn, std::vector<int>{1}) << flags;
            for (const ZoneState& r : StatesOf(reference))
                EXPECT_NE(z.strokes[0], r.strokes[0]) << flags;
        }
        result->DeleteThis();
    }
}

TEST_F(ReferenceZonesTest, StrokesAreSharedForInstanceAndClonedForCopy) {
    for (ConvertOptionFlags flags : {CONV_REFER_STROKES, CONV_REFER_STROKES | CONV_REFER_COPY}) {
        SCOPED_TRACE(flags & CONV_REFER_COPY ? "Copy" : "Instance");
        Mtl* result = Convert(flags);
        std::vector<ZoneState> ref = StatesOf(reference), got = StatesOf(result);
        ASSERT_EQ(got.size(), 3u);
        for (size_t l = 0; l < got.size(); ++l) {
            ASSERT_EQ(got[l].strokes.size(), 2u);
            EXPECT_EQ(got[l].strokeOn, (std::vector<int>{0, 1})) << l;
            for (size_t c = 0; c < 2; ++c) {
                if (flags & CONV_REFER_COPY) {
                    ASSERT_NE(got[l].strokes[c], nullptr);
                    EXPECT_NE(got[l].strokes[c], ref[l].strokes[c]) << l << "/" << c;
                    // Editing the copy leaves the reference's stroke as it was.
                    got[l].strokes[c]->GetParamBlock(0)->SetValue(0, 0, 7.0f);
                    EXPECT_EQ(ref[l].strokes[c]->GetParamBlock(0)->GetFloat(0), 1.0f);
                } else {
                    EXPECT_EQ(got[l].strokes[c], ref[l].strokes[c]) << l << "/" << c;
                }
            }
        }
        result->DeleteThis();
    }
}

TEST_F(ReferenceZonesTest, TwoMaterialsGetTheirOwnZonesButShareInstancedStrokes) {
    Mtl* first = Convert(CONV_REFER_STROKES);
    Mtl* second = Convert(CONV_REFER_STROKES);
    std::vector<ZoneState> a = StatesOf(first), b = StatesOf(second);
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(b.size(), 3u);
    for (size_t l = 0; l < 3; ++l) {
        EXPECT_NE(a[l].zone, b[l].zone);
        EXPECT_EQ(a[l].strokes, b[l].strokes);
    }
    first->DeleteThis();
    second->DeleteThis();
}

TEST_F(ReferenceZonesTest, ConvertingNeverChangesTheReference) {
    std::vector<ZoneState> before = StatesOf(reference);
    for (ConvertOptionFlags flags :
         {ConvertOptionFlags(0), CONV_REFER_COPY, CONV_REFER_STROKES,
          CONV_REFER_STROKES | CONV_REFER_COPY, ConvertOptionFlags(0x10108C0F)}) {
        Mtl* result = Convert(flags);
        EXPECT_TRUE(StatesOf(reference) == before) << "flags " << flags;
        result->DeleteThis();
        EXPECT_TRUE(StatesOf(reference) == before) << "flags " << flags << " after deleting";
    }
}

TEST_F(ReferenceZonesTest, ReferenceWithoutZoneListGivesNoZones) {
    StdMtl* source = Scene::Standard("source");
    Mtl* notVarnel3 = Scene::Standard("not Varnel 3");
    Mtl* result = ConvertMaterial(source, CONV_REFER_STROKES, notVarnel3, &registry);
    EXPECT_EQ(GetMtlZoneCount(result), 0);
    result->DeleteThis();
    notVarnel3->DeleteThis();
}

TEST_F(ReferenceZonesTest, StrokeTableShorterThanTheStrokesIsReadOnlyWhereItHasEntries) {
    ReferenceTarget* refZone = GetMtlZone(reference, 0);
    GetZoneParams(refZone)->SetCount(VRN3_ZONE_STROKE_ON, 1);
    Mtl* result = Convert(CONV_REFER_STROKES);
    ZoneState got = StateOf(GetMtlZone(result, 0));
    ASSERT_EQ(got.strokes.size(), 2u);
    EXPECT_EQ(got.strokeOn, (std::vector<int>{0, 1}));
    result->DeleteThis();
}

TEST_F(ReferenceZonesTest, TablesKeepTheirLengthAndTakeOnlyCommonEntries) {
    ReferenceTarget* target = CreateZone();
    ReferenceTarget* model = CreateZone();
    IParamBlock2* modelBlock = GetZoneParams(model);
    Texmap* map = Scene::Map("only entry");
    modelBlock->SetCount(ZONE_MAP_TABLE, 1);
    modelBlock->SetValue(ZONE_MAP_TABLE, 0, map, 0);
    CopyZoneParams(GetZoneParams(target), modelBlock, 0, 0);
    IParamBlock2* pb = GetZoneParams(target);
    ASSERT_EQ(pb->Count(ZONE_MAP_TABLE), 2);
    EXPECT_EQ(pb->GetTexmap(ZONE_MAP_TABLE, 0, 0), map);
    EXPECT_EQ(pb->GetTexmap(ZONE_MAP_TABLE, 0, 1), nullptr);
    target->DeleteThis();
    model->DeleteThis();
}

}  // namespace
