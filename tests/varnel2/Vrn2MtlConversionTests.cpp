// Varnel 2 materials: main block, zones and their numbers, strokes, shared
// references and the settings object, with the registry of one run.
#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "CurveControl.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "SceneBuilder.h"
#include "SlotObject.h"
#include "UVGen.h"
#include "Vrn2Mtl.h"
#include "Vrn2MtlConversion.h"
#include "Vrn2MtlSettings.h"
#include "Vrn2Stroke.h"
#include "Vrn3Mtl.h"
#include "Vrn3MtlSettings.h"
#include "Vrn3Stroke.h"
#include "Vrn3Zone.h"

namespace {

// clang-format off

// A Varnel 2 material whose zone blocks keep no zone number: the main block
// and zone blocks with their boundaries, nothing else.
ParamBlockDesc2 unnumberedMain(0, "main", {
    Default(Param(1, "standardMix", TYPE_FLOAT), 50.0f),
});

std::vector<ParamDef> UnnumberedZone() {
    return {
        Default(Param(0, "start", TYPE_FLOAT), 0.0f),
        Default(Param(1, "end", TYPE_FLOAT), 100.0f),
    };
}

ParamBlockDesc2 unnumberedZones[4] = {
    ParamBlockDesc2(2, "zone0", UnnumberedZone()),
    ParamBlockDesc2(3, "zone1", UnnumberedZone()),
    ParamBlockDesc2(4, "zone2", UnnumberedZone()),
    ParamBlockDesc2(5, "zone3", UnnumberedZone()),
};

// clang-format on

class UnnumberedVrn2Mtl : public SlotObject<Mtl> {
public:
    UnnumberedVrn2Mtl()
        : SlotObject<Mtl>({BlockSlot(unnumberedMain), AnySlot(), BlockSlot(unnumberedZones[0]),
                           BlockSlot(unnumberedZones[1]), BlockSlot(unnumberedZones[2]),
                           BlockSlot(unnumberedZones[3])}) {}
    Class_ID ClassID() override { return Vrn2Mtl::CLASS_ID; }
};

const ConvertOptionFlags SKIP_INVALID = CONV_V2_SKIP_INVALID_ZONES;
const ConvertOptionFlags SKIP_DISABLED = CONV_V2_SKIP_DISABLED_STROKES;

class Vrn2MtlConversionTest : public HostTest {
protected:
    // A Varnel 2 material with four zones of 25 percent each.
    Vrn2Mtl* Source(const char* name = "Toon") {
        Vrn2Mtl* m = Scene::Create<Vrn2Mtl>(MATERIAL_CLASS_ID, name);
        for (int z = 0; z < 4; ++z) {
            ZoneBlock(m, z)->SetValue(0, 0, 25.0f * z);
            ZoneBlock(m, z)->SetValue(1, 0, 25.0f * (z + 1));
        }
        return m;
    }
    static IParamBlock2* ZoneBlock(Mtl* m, int z) {
        return m->GetParamBlockByID(static_cast<BlockID>(z + 2));
    }
    Vrn2Stroke* Stroke(const char* name) {
        return Scene::Create<Vrn2Stroke>(TEXMAP_CLASS_ID, name);
    }
    Mtl* NewVrn3() { return Scene::Vrn3("new"); }

    static std::vector<int> ZoneNumbers(Mtl* m) {
        std::vector<int> numbers;
        for (int i = 0; i < GetMtlZoneCount(m); ++i)
            numbers.push_back(GetMtlZone(m, i)->GetParamBlock(0)->GetInt(11));
        return numbers;
    }
    static std::vector<ReferenceTarget*> Strokes(ReferenceTarget* zone) {
        std::vector<ReferenceTarget*> strokes;
        for (int i = 0; i < GetZoneStrokeCount(zone); ++i)
            strokes.push_back(GetZoneStroke(zone, i));
        return strokes;
    }

    ConversionRegistry registry;
};

TEST_F(Vrn2MtlConversionTest, MainBlockIsCopiedByTheBaseTranslator) {
    Vrn2Mtl* source = Source();
    IParamBlock2* s = source->GetParamBlockByID(0);
    s->SetValue(1, 0, 70.0f);
    s->SetValue(2, 0, Color(0.2f, 0.4f, 0.6f));
    s->SetValue(4, 0, 12.0f);
    s->SetValue(13, 0, static_cast<Texmap*>(Stroke("pattern")));
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 1);
    IParamBlock2* d = dest->GetParamBlockByID(0);
    EXPECT_EQ(d->GetFloat(1), 70.0f);
    EXPECT_EQ(d->GetColor(2), Color(0.2f, 0.4f, 0.6f));
    EXPECT_EQ(d->GetInt(4), 30) << "a float never goes into an int";
    EXPECT_EQ(d->GetTexmap(13), nullptr) << "single maps are not carried by the base translator";
    EXPECT_EQ(d->Count(16), 3) << "tables take the source's length";
    EXPECT_EQ(source->UpdateCount(), 1) << "the source is brought up to date first";
    dest->DeleteThis();
    source->DeleteThis();
}

struct ZoneCase {
    const char* name;
    ConvertOptionFlags flags;
    int block;  // block whose boundary is changed (0: none)
    ParamID param;
    float value;
    std::vector<int> numbers;
};

TEST_F(Vrn2MtlConversionTest, InvalidZonesAreSkippedOnlyWithTheOption) {
    const ZoneCase cases[] = {
        {"all valid", SKIP_INVALID, 0, 0, 0.0f, {1, 2, 3, 4}},
        // Zone 1 lies between block 2's end and block 4's start.
        {"zone 1 empty", SKIP_INVALID, 4, 0, 25.0f, {1, 3, 4}},
        {"zone 1 empty, option clear", 0, 4, 0, 25.0f, {1, 2, 3, 4}},
        // The first zone starts at 0 whatever block 2 says.
        {"zone 0 upper 0", SKIP_INVALID, 3, 0, 0.0f, {2, 3, 4}},
        {"zone 0 own start ignored", SKIP_INVALID, 2, 0, 25.0f, {1, 2, 3, 4}},
        // The last zone ends at 100 whatever block 5 says.
        {"zone 3 lower 100", SKIP_INVALID, 4, 1, 100.0f, {1, 2, 3}},
        {"zone 3 own end ignored", SKIP_INVALID, 5, 1, 75.0f, {1, 2, 3, 4}},
        {"other bits do nothing", 0xffffffffu & ~SKIP_INVALID, 4, 0, 25.0f, {1, 2, 3, 4}},
    };
    for (const ZoneCase& c : cases) {
        ConversionRegistry run;  // one run per case: its objects go at the end of the case
        Vrn2Mtl* source = Source();
        if (c.block)
            source->GetParamBlockByID(static_cast<BlockID>(c.block))->SetValue(c.param, 0, c.value);
        Mtl* dest = NewVrn3();
        EXPECT_EQ(ConvertFromVrn2Mtl(dest, source, c.flags, &run), 1) << c.name;
        EXPECT_EQ(ZoneNumbers(dest), c.numbers) << c.name;
        dest->DeleteThis();
        source->DeleteThis();
    }
}

// The number is set from the zone index before the block copy, so a number
// that the Varnel 2 zone block carries itself wins.
TEST_F(Vrn2MtlConversionTest, ZoneNumberOfTheVarnel2BlockWins) {
    Vrn2Mtl* source = Source();
    ZoneBlock(source, 2)->SetValue(11, 0, 7);
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 1);
    EXPECT_EQ(ZoneNumbers(dest), (std::vector<int>{1, 2, 7, 4}));
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, ZoneBlocksWithoutNumbersAreNumberedFromTheirIndex) {
    UnnumberedVrn2Mtl* source = new UnnumberedVrn2Mtl;
    for (int z = 0; z < 4; ++z) {
        ZoneBlock(source, z)->SetValue(0, 0, 25.0f * z);
        ZoneBlock(source, z)->SetValue(1, 0, 25.0f * (z + 1));
    }
    ZoneBlock(source, 2)->SetValue(0, 0, 25.0f);  // zone 1 spans 25 to 25
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, SKIP_INVALID, &registry), 1);
    EXPECT_EQ(ZoneNumbers(dest), (std::vector<int>{1, 3, 4}));
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, ZoneTakesItsBlockAndZoneObject) {
    Vrn2Mtl* source = Source();
    ZoneBlock(source, 2)->SetValue(3, 0, Color(1.0f, 0.0f, 0.0f));
    ZoneBlock(source, 2)->SetValue(12, 0, Point3(1.0f, 2.0f, 3.0f));
    ZoneBlock(source, 2)->SetValue(13, 0, 0.9f);
    Texmap* zoneObject = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "zone map");
    source->ReplaceReference(Vrn2Mtl::ZoneObjectRef(2), zoneObject);
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 1);
    Vrn3Zone* zone = static_cast<Vrn3Zone*>(GetMtlZone(dest, 2));
    EXPECT_EQ(zone->GetParamBlock(0)->GetColor(3), Color(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(zone->GetParamBlock(0)->GetPoint3(12), Point3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(zone->GetParamBlock(0)->GetFloat(13), 0.5f) << "percent fractions are not copied";
    EXPECT_EQ(zone->GetMap(), zoneObject);
    EXPECT_EQ(static_cast<Vrn3Zone*>(GetMtlZone(dest, 1))->GetMap(), nullptr);
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, DisabledStrokesAreLeftOutWithTheOption) {
    Vrn2Mtl* source = Source();
    Vrn2Stroke* s[6];
    for (int i = 0; i < 6; ++i) {
        s[i] = Stroke("s");
        source->ReplaceReference(Vrn2Mtl::StrokeRef(0, i), s[i]);
    }
    ZoneBlock(source, 0)->SetValue(9, 0, 0, 1);
    ZoneBlock(source, 0)->SetValue(9, 0, 0, 4);
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, SKIP_DISABLED, &registry), 1);
    ReferenceTarget* zone = GetMtlZone(dest, 0);
    std::vector<ReferenceTarget*> expected = {
        registry.FindConverted(s[0]), registry.FindConverted(s[2]), registry.FindConverted(s[3]),
        registry.FindConverted(s[5])};
    EXPECT_EQ(Strokes(zone), expected);
    EXPECT_EQ(registry.FindConverted(s[1]), nullptr) << "a left-out stroke is not converted";
    // The zone's switches are the Varnel 3 plug-in's own, one per stroke: the
    // Varnel 2 switches (off at slots 1 and 4) are not copied.
    IParamBlock2* zb = zone->GetParamBlock(0);
    ASSERT_EQ(zb->Count(9), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(zb->GetInt(9, 0, i), 1) << "switch " << i;
    // Zones without strokes get an empty list: every slot is empty.
    EXPECT_EQ(Strokes(GetMtlZone(dest, 1)), std::vector<ReferenceTarget*>(6, nullptr));
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, WithoutTheOptionEverySlotAndTheSwitchTableGoOver) {
    Vrn2Mtl* source = Source();
    Vrn2Stroke* stroke = Stroke("only");
    Texmap* other = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "other");
    source->ReplaceReference(Vrn2Mtl::StrokeRef(1, 2), stroke);
    source->ReplaceReference(Vrn2Mtl::StrokeRef(1, 5), other);
    ZoneBlock(source, 1)->SetValue(9, 0, 0, 2);
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 1);
    ReferenceTarget* zone = GetMtlZone(dest, 1);
    std::vector<ReferenceTarget*> expected = {nullptr, nullptr, registry.FindConverted(stroke),
                                              nullptr, nullptr, other};
    EXPECT_EQ(Strokes(zone), expected) << "a disabled stroke stays, another object is shared";
    IParamBlock2* pb = zone->GetParamBlock(0);
    ASSERT_EQ(pb->Count(9), 6);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(pb->GetInt(9, 0, j), j == 2 ? 0 : 1) << "element " << j;
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, ShortSwitchTableLeavesTheUnknownSlotsIn) {
    Vrn2Mtl* source = Source();
    ZoneBlock(source, 0)->SetCount(9, 3);
    ZoneBlock(source, 0)->SetValue(9, 0, 0, 1);
    Vrn2Stroke* last = Stroke("last");
    source->ReplaceReference(Vrn2Mtl::StrokeRef(0, 5), last);
    Mtl* dest = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, SKIP_DISABLED, &registry), 1);
    std::vector<ReferenceTarget*> expected = {nullptr, nullptr, nullptr, nullptr,
                                              registry.FindConverted(last)};
    EXPECT_EQ(Strokes(GetMtlZone(dest, 0)), expected)
        << "slot 1 is off; slots 3 to 5 are not known to be";
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, StrokeSharedByZonesAndMaterialsConvertsOnce) {
    Vrn2Mtl* a = Source("a");
    Vrn2Mtl* b = Source("b");
    Vrn2Stroke* stroke = Stroke("Ink");
    a->ReplaceReference(Vrn2Mtl::StrokeRef(0, 0), stroke);
    a->ReplaceReference(Vrn2Mtl::StrokeRef(3, 1), stroke);
    b->ReplaceReference(Vrn2Mtl::StrokeRef(2, 4), stroke);
    Mtl* da = NewVrn3();
    Mtl* db = NewVrn3();
    ASSERT_EQ(ConvertFromVrn2Mtl(da, a, 0, &registry), 1);
    ASSERT_EQ(ConvertFromVrn2Mtl(db, b, 0, &registry), 1);
    ReferenceTarget* converted = registry.FindConverted(stroke);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->ClassID(), Vrn3Stroke::CLASS_ID);
    EXPECT_STREQ(static_cast<Texmap*>(converted)->GetName().data(), "Ink");
    EXPECT_EQ(GetZoneStroke(GetMtlZone(da, 0), 0), converted);
    EXPECT_EQ(GetZoneStroke(GetMtlZone(da, 3), 1), converted);
    EXPECT_EQ(GetZoneStroke(GetMtlZone(db, 2), 4), converted);
    int strokePairs = 0;
    for (int i = 0; i < registry.Count(); ++i)
        if (registry.Pair(i).first == stroke) ++strokePairs;
    EXPECT_EQ(strokePairs, 1);
    da->DeleteThis();
    db->DeleteThis();
    a->DeleteThis();
    b->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, StrokeClonesItsUVGenAndCurveAndSharesItsMap) {
    Vrn2Stroke* source = Stroke("s");
    source->GetParamBlockByID(0)->SetValue(0, 0, 3.5f);
    source->GetParamBlockByID(1)->SetValue(0, 0, 2);
    UVGen* uv = static_cast<UVGen*>(source->GetReference(Vrn2Stroke::UVGEN_REF));
    CurveControl* curve = static_cast<CurveControl*>(source->GetReference(Vrn2Stroke::CURVE_REF));
    uv->SetUScl(4.0f, 0);
    curve->SetPoint(0, Point3(0.0f, 0.3f, 0.0f));
    Texmap* map = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "map");
    source->ReplaceReference(Vrn2Stroke::MAP_REF, map);
    Vrn3Stroke* dest = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID);

    EXPECT_EQ(ConvertVrn2Stroke(source, dest), 1);

    EXPECT_EQ(dest->GetParamBlockByID(0)->GetFloat(0), 3.5f);
    EXPECT_EQ(dest->GetParamBlockByID(1)->GetInt(0), 2);
    EXPECT_EQ(dest->GetReference(Vrn3Stroke::MAP_REF), map);
    UVGen* newUV = static_cast<UVGen*>(dest->GetReference(Vrn3Stroke::UVGEN_REF));
    CurveControl* newCurve = static_cast<CurveControl*>(dest->GetReference(Vrn3Stroke::CURVE_REF));
    ASSERT_NE(newUV, nullptr);
    ASSERT_NE(newCurve, nullptr);
    EXPECT_NE(newUV, uv);
    EXPECT_NE(newCurve, curve);
    EXPECT_EQ(newUV->GetUScl(0), 4.0f);
    EXPECT_EQ(newCurve->GetPoint(0), Point3(0.0f, 0.3f, 0.0f));
    newUV->SetUScl(1.0f, 0);
    newCurve->SetPoint(0, Point3());
    EXPECT_EQ(uv->GetUScl(0), 4.0f);
    EXPECT_EQ(curve->GetPoint(0), Point3(0.0f, 0.3f, 0.0f));
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, SharedReferencesTakeExactlyWhatTheSourceHolds) {
    Vrn2Mtl* source = Source();
    Texmap* outline = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "outline");
    Texmap* bump = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "bump");
    source->ReplaceReference(7, outline);
    source->ReplaceReference(12, bump);
    Mtl* dest = NewVrn3();
    Texmap* old = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "old");
    dest->ReplaceReference(6, old);
    ASSERT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 1);
    EXPECT_EQ(dest->GetReference(3), outline);
    EXPECT_EQ(dest->GetReference(6), nullptr) << "an empty source reference empties the slot";
    EXPECT_EQ(dest->GetReference(9), bump);
    EXPECT_EQ(dest->GetSubTexmap(3), bump);
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, SettingsObjectSharedByTwoMaterialsIsFilledOnceAndShared) {
    Vrn2Mtl* a = Source("a");
    Vrn2Mtl* b = Source("b");
    ReferenceTarget* shared = a->GetReference(Vrn2Mtl::SETTINGS_REF);
    b->ReplaceReference(Vrn2Mtl::SETTINGS_REF, shared);
    static_cast<Texmap*>(shared)->SetName("Settings");
    IParamBlock2* block0 = shared->GetParamBlock(0);
    block0->SetValue(0, 0, 2.5f);
    block0->SetValue(1, 0, 5, 0);
    block0->SetValue(1, 0, 6, 1);
    block0->SetValue(1, 0, 7, 2);
    shared->GetParamBlock(1)->SetValue(0, 0, 3);
    shared->GetReference(Vrn2MtlSettings::NESTED_REF)->GetParamBlock(0)->SetValue(0, 0, 0.75f);
    Texmap* map = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "map");
    shared->ReplaceReference(Vrn2MtlSettings::MAP_REF, map);

    Mtl* da = NewVrn3();
    Mtl* db = NewVrn3();
    ReferenceTarget* own = da->GetReference(4);
    ASSERT_EQ(ConvertFromVrn2Mtl(da, a, 0, &registry), 1);
    ASSERT_EQ(ConvertFromVrn2Mtl(db, b, 0, &registry), 1);

    EXPECT_EQ(da->GetReference(4), own) << "the first material keeps its own object";
    EXPECT_EQ(db->GetReference(4), own) << "the second takes the same object";
    EXPECT_STREQ(static_cast<Texmap*>(own)->GetName().data(), "Settings");
    IParamBlock2* d0 = own->GetParamBlock(0);
    EXPECT_EQ(d0->GetFloat(0), 2.5f);
    ASSERT_EQ(d0->Count(1), 2) << "the settings object's tables keep their length";
    EXPECT_EQ(d0->GetInt(1, 0, 0), 5);
    EXPECT_EQ(d0->GetInt(1, 0, 1), 6);
    EXPECT_EQ(own->GetParamBlock(1)->GetInt(0), 3);
    EXPECT_EQ(own->GetReference(Vrn3MtlSettings::NESTED_REF)->GetParamBlock(0)->GetFloat(0), 0.75f);
    EXPECT_EQ(own->GetReference(Vrn3MtlSettings::MAP_REF), map);
    da->DeleteThis();
    db->DeleteThis();
    a->DeleteThis();
    b->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, MissingZoneBlockStopsAndLeavesNothingBehind) {
    Vrn2Mtl* source = Source();
    Vrn2Stroke* stroke = Stroke("s");
    source->ReplaceReference(Vrn2Mtl::StrokeRef(0, 0), stroke);
    Texmap* map = Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, "map");
    source->ReplaceReference(9, map);
    source->ReplaceReference(3, nullptr);  // zone 1's block
    Mtl* dest = NewVrn3();
    int before = StandIn::LiveTargetCount();

    EXPECT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 0);

    EXPECT_EQ(GetMtlZoneCount(dest), 2) << "the material keeps the zones it was made with";
    EXPECT_EQ(dest->GetReference(6), nullptr) << "no reference is copied";
    // The zone made before the stop, and the stroke only it held, are gone,
    // and the registry no longer hands out that stroke.
    EXPECT_EQ(StandIn::LiveTargetCount(), before);
    EXPECT_EQ(registry.FindConverted(stroke), nullptr);
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, MissingMainBlockStopsBeforeAnything) {
    Vrn2Mtl* source = Source();
    source->GetParamBlockByID(2)->SetValue(3, 0, Color(1.0f, 1.0f, 1.0f));
    source->ReplaceReference(0, nullptr);
    Mtl* dest = NewVrn3();
    EXPECT_EQ(ConvertFromVrn2Mtl(dest, source, 0, &registry), 0);
    EXPECT_EQ(GetMtlZoneCount(dest), 2);
    EXPECT_EQ(registry.Count(), 0);
    dest->DeleteThis();
    source->DeleteThis();
}

TEST_F(Vrn2MtlConversionTest, ConvertMaterialYieldsTheDescribedVarnel3Material) {
    Vrn2Mtl* source = Source("Hero skin");
    source->GetParamBlockByID(0)->SetValue(1, 0, 65.0f);
    ZoneBlock(source, 1)->SetValue(0, 0, 50.0f);  // zone 0 spans 0 to 50, zone 1 50 to 50
    ZoneBlock(source, 0)->SetValue(1, 0, 50.0f);
    ZoneBlock(source, 2)->SetValue(0, 0, 50.0f);
    Vrn2Stroke* stroke = Stroke("Ink");
    source->ReplaceReference(Vrn2Mtl::StrokeRef(3, 0), stroke);
    Mtl* result = ConvertMaterial(source, 0x10108C01, nullptr, &registry);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->ClassID(), Vrn3Mtl::CLASS_ID);
    EXPECT_STREQ(result->GetName().data(), "Hero skin");
    EXPECT_EQ(result->GetParamBlockByID(0)->GetFloat(1), 65.0f);
    EXPECT_EQ(ZoneNumbers(result), (std::vector<int>{1, 3, 4}));
    std::vector<ReferenceTarget*> expected(6, nullptr);
    expected[0] = registry.FindConverted(stroke);
    EXPECT_EQ(Strokes(GetMtlZone(result, 2)), expected);
    result->DeleteThis();
    source->DeleteThis();
}

}  // namespace
