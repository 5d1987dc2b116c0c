// Varnel 2 reflection maps: found wherever a converted material reaches,
// converted once per run, their switches inverted (key by key when animated).
#include <optional>
#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "KeyframeControl.h"
#include "MultiMtl.h"
#include "ReflectionMapConversion.h"
#include "SceneBuilder.h"
#include "SlotObject.h"
#include "StdMtl.h"
#include "Vrn2Mtl.h"
#include "Vrn2ReflectionMap.h"
#include "Vrn3ReflectionMap.h"

namespace {

// A mix-style map: two map slots, and a third that shows another map without
// referencing it (as a viewport display pointer would), so that a walk may
// meet any map again, even one above it. It counts how often its slots are read.
class MixMap : public SlotMap<Texmap> {
public:
    MixMap() : SlotMap<Texmap>({MapSlot(), MapSlot()}, {0, 1}) {}
    int NumSubTexmaps() override { return 3; }
    Texmap* GetSubTexmap(int i) override {
        ++reads;
        return i == 2 ? shown : SlotMap<Texmap>::GetSubTexmap(i);
    }
    Texmap* shown = nullptr;
    int reads = 0;
};

// A material with one sub-material held by reference and a second one that it
// only shows (a material higher up, for instance), so that a walk may meet an
// ancestor again. It counts how often its slots are read; after many reads the
// shown slot goes empty, so that a walk that keeps going round fails instead
// of running on.
class ShowingMtl : public SlotObject<Mtl> {
public:
    ShowingMtl() : SlotObject<Mtl>({AnySlot()}) {}
    int NumSubMtls() override { return 2; }
    Mtl* GetSubMtl(int i) override {
        ++reads;
        if (i == 0) return static_cast<Mtl*>(GetReference(0));
        return i == 1 && reads < 1000 ? shown : nullptr;
    }
    void SetSubMtl(int i, Mtl* m) override {
        if (i == 0) ReplaceReference(0, m);
    }
    Mtl* shown = nullptr;
    int reads = 0;
};

class ReflectionMapTest : public HostTest {
protected:
    Vrn2ReflectionMap* Vrn2Map(const char* name = "Mirror") {
        return Scene::Create<Vrn2ReflectionMap>(TEXMAP_CLASS_ID, name);
    }
    static bool IsVrn3(Texmap* t) { return t && t->ClassID() == Vrn3ReflectionMap::CLASS_ID; }
    // The run ends before the host's checks at teardown: the maps it keeps for
    // its slot changes go with it, as they do after a real run.
    void TearDown() override {
        runOfTheTest.reset();
        HostTest::TearDown();
    }

    std::optional<ConversionRegistry> runOfTheTest{std::in_place};
    ConversionRegistry& registry = *runOfTheTest;
};

TEST_F(ReflectionMapTest, OneMapInSeveralSlotsAndMaterialsBecomesOneVarnel3Map) {
    Vrn2ReflectionMap* v2 = Vrn2Map("Chrome");
    Mtl* a = Scene::Vrn3("a");
    Mtl* b = Scene::Vrn3("b");
    a->SetSubTexmap(3, v2);
    a->SetSubTexmap(4, v2);
    a->GetSubMtl(0)->SetSubTexmap(9, v2);  // the base material's reflection
    b->SetSubTexmap(0, v2);
    ConvertVrn2ReflectionMaps(a, &registry);
    ConvertVrn2ReflectionMaps(b, &registry);
    Texmap* v3 = a->GetSubTexmap(3);
    ASSERT_TRUE(IsVrn3(v3));
    EXPECT_STREQ(v3->GetName().data(), "Chrome");
    EXPECT_EQ(a->GetSubTexmap(4), v3);
    EXPECT_EQ(a->GetSubMtl(0)->GetSubTexmap(9), v3);
    EXPECT_EQ(b->GetSubTexmap(0), v3);
    EXPECT_EQ(registry.Count(), 1);
    a->DeleteThis();
    b->DeleteThis();
}

TEST_F(ReflectionMapTest, ReplacedMapsAreNotedAndOutliveTheRunsLookups) {
    // The source material's own slot is changed in place: the map taken out
    // must not go while the run may still look up its address, and the
    // command needs the change to make it undoable.
    StdMtl* source = Scene::Standard("source");
    Vrn2ReflectionMap* inner = Vrn2Map("inner");
    Vrn2ReflectionMap* outer = Vrn2Map("outer");
    outer->SetSubTexmap(0, inner);
    source->SetSubTexmap(9, outer);
    {
        ConversionRegistry run;
        ConvertVrn2ReflectionMaps(source, &run);
        ASSERT_EQ(run.NumSlotChanges(), 2);
        // Inner first, inside the outer Varnel 2 map; then the outer in the source.
        EXPECT_EQ(run.GetSlotChange(0).owner, outer);
        EXPECT_EQ(run.GetSlotChange(0).before, inner);
        EXPECT_EQ(run.GetSlotChange(1).owner, source);
        EXPECT_EQ(run.GetSlotChange(1).slot, 9);
        EXPECT_EQ(run.GetSlotChange(1).before, outer);
        EXPECT_EQ(run.GetSlotChange(1).after, source->GetSubTexmap(9));
        EXPECT_TRUE(StandIn::IsLive(outer));
        EXPECT_TRUE(StandIn::IsLive(inner));
    }
    // With the run over and nothing else needing them, they go.
    EXPECT_FALSE(StandIn::IsLive(outer));
    EXPECT_TRUE(IsVrn3(source->GetSubTexmap(9)));
    source->DeleteThis();
}

TEST_F(ReflectionMapTest, MapInsideAnotherMapOfASubMaterialIsReplacedInThatMap) {
    MultiMtl* multi = Scene::Multi(2);
    StdMtl* sub = Scene::Standard("sub");
    multi->SetSubMtl(1, sub);
    MixMap* mix = new MixMap;
    sub->SetSubTexmap(1, mix);
    Vrn2ReflectionMap* v2 = Vrn2Map();
    mix->SetSubTexmap(1, v2);
    ConvertVrn2ReflectionMaps(multi, &registry);
    EXPECT_EQ(sub->GetSubTexmap(1), mix);
    EXPECT_TRUE(IsVrn3(mix->GetSubTexmap(1)));
    multi->DeleteThis();
}

TEST_F(ReflectionMapTest, InnerVarnel2MapIsReplacedFirstAndCarriedOverByTheOuter) {
    Vrn2ReflectionMap* outer = Vrn2Map("outer");
    Vrn2ReflectionMap* inner = Vrn2Map("inner");
    outer->SetSubTexmap(0, inner);
    StdMtl* old = Scene::Standard("old");  // keeps the Varnel 2 map, as the source material would
    old->SetSubTexmap(9, outer);
    StdMtl* m = Scene::Standard();
    m->SetSubTexmap(9, outer);
    ConvertSubTexmapsOf(m, &registry);
    Texmap* newOuter = m->GetSubTexmap(9);
    ASSERT_TRUE(IsVrn3(newOuter));
    EXPECT_STREQ(newOuter->GetName().data(), "outer");
    Texmap* newInner = newOuter->GetSubTexmap(0);
    ASSERT_TRUE(IsVrn3(newInner));
    EXPECT_STREQ(newInner->GetName().data(), "inner");
    EXPECT_EQ(outer->GetSubTexmap(0), newInner) << "replaced inside the Varnel 2 map";
    EXPECT_EQ(registry.FindConverted(inner), newInner);
    m->DeleteThis();
    old->DeleteThis();
}

struct SwitchCase {
    const char* name;
    int vrn2[5];  // Varnel 2 parameters 6 to 10
    int vrn3[6];  // Varnel 3 parameters 8 to 13
};

TEST_F(ReflectionMapTest, SwitchesAreInverted) {
    const SwitchCase cases[] = {
        {"outline off", {1, 0, 0, 0, 0}, {0, 0, 1, 1, 1, 1}},
        {"all on", {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}},
        {"all off", {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}},
        {"other values count as on", {2, -1, 0, 7, 1}, {0, 0, 0, 1, 0, 0}},
    };
    for (const SwitchCase& c : cases) {
        ConversionRegistry run;  // one run per case: its objects go at the end of the case
        Vrn2ReflectionMap* v2 = Vrn2Map();
        for (int k = 0; k < 5; ++k)
            v2->GetParamBlockByID(0)->SetValue(static_cast<ParamID>(6 + k), 0, c.vrn2[k]);
        Texmap* v3 = ConvertVrn2ReflectionMap(v2, &run);
        ASSERT_TRUE(IsVrn3(v3)) << c.name;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(v3->GetParamBlockByID(0)->GetInt(static_cast<ParamID>(8 + k)), c.vrn3[k])
                << c.name << ", parameter " << 8 + k;
        v2->DeleteThis();
        v3->DeleteThis();
    }
}

TEST_F(ReflectionMapTest, OtherParametersFollowTheTranslators) {
    Vrn2ReflectionMap* v2 = Vrn2Map();
    IParamBlock2* s0 = v2->GetParamBlockByID(0);
    MixMap* env = new MixMap;
    s0->SetValue(0, 0, 40.0f);
    s0->SetValue(1, 0, Color(0.1f, 0.2f, 0.3f));
    s0->SetValue(2, 0, static_cast<Texmap*>(env));
    s0->SetValue(3, 0, 1.33f);
    s0->SetValue(4, 0, 16);
    s0->SetValue(5, 0, 0.25f);
    s0->SetValue(11, 0, 0.5f);
    s0->SetValue(12, 0, 1);
    IParamBlock2* s1 = v2->GetParamBlockByID(1);
    s1->SetValue(0, 0, 0.6f);
    s1->SetValue(1, 0, static_cast<Texmap*>(new MixMap));
    Texmap* v3 = ConvertVrn2ReflectionMap(v2, &registry);
    ASSERT_TRUE(IsVrn3(v3));
    IParamBlock2* d0 = v3->GetParamBlockByID(0);
    EXPECT_EQ(d0->GetFloat(0), 40.0f);
    EXPECT_EQ(d0->GetColor(1), Color(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(d0->GetTexmap(2), env) << "block 0 carries its map over, shared";
    EXPECT_EQ(d0->GetFloat(3), 0.5f);
    EXPECT_EQ(d0->GetInt(4), 1);
    EXPECT_EQ(d0->GetFloat(5), 1.33f);
    EXPECT_EQ(d0->GetInt(6), 16);
    EXPECT_EQ(d0->GetFloat(7), 0.25f);
    IParamBlock2* d1 = v3->GetParamBlockByID(1);
    EXPECT_EQ(d1->GetFloat(0), 0.6f);
    EXPECT_EQ(d1->GetTexmap(1), nullptr) << "block 1 keeps single maps out";
    EXPECT_EQ(ConvertVrn2ReflectionMap(v2, &registry), v3) << "converted once per run";
    v2->DeleteThis();
    v3->DeleteThis();
}

TEST_F(ReflectionMapTest, AnimatedSwitchIsInvertedKeyByKey) {
    Vrn2ReflectionMap* v2 = Vrn2Map();
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 0.0f);
    c->AddKey(10 * TICKS_PER_FRAME, 1.0f);
    c->AddKey(20 * TICKS_PER_FRAME, 0.0f);
    ASSERT_TRUE(v2->GetParamBlockByID(0)->SetController(7, 0, c, FALSE));
    Texmap* v3 = ConvertVrn2ReflectionMap(v2, &registry);
    ASSERT_TRUE(IsVrn3(v3));
    auto* inverted =
        static_cast<KeyframeFloatControl*>(v3->GetParamBlockByID(0)->GetController(10));
    ASSERT_NE(inverted, nullptr);
    ASSERT_EQ(inverted->GetNumKeys(), 3);
    const float expected[3] = {1.0f, 0.0f, 1.0f};
    for (int k = 0; k < 3; ++k) {
        float v = -1.0f;
        EXPECT_EQ(inverted->GetKeyTime(k), 10 * TICKS_PER_FRAME * k);
        ASSERT_TRUE(inverted->KeyValue(10 * TICKS_PER_FRAME * k, v));
        EXPECT_EQ(v, expected[k]) << "key " << k;
    }
    float source = -1.0f;
    ASSERT_TRUE(c->KeyValue(10 * TICKS_PER_FRAME, source));
    EXPECT_EQ(source, 1.0f) << "the Varnel 2 animation is left alone";
    v2->DeleteThis();
    v3->DeleteThis();
}

// Varnel 2 parameter 6 feeds Varnel 3 parameters 8 and 9 through two copy
// passes: each gets its own animation, inverted once.
TEST_F(ReflectionMapTest, AnimatedOutlineSwitchBecomesTwoInvertedAnimations) {
    Vrn2ReflectionMap* v2 = Vrn2Map();
    KeyframeFloatControl* c = NewDefaultFloatController();
    const float values[3] = {1.0f, 0.0f, 1.0f};
    for (int k = 0; k < 3; ++k) c->AddKey(10 * TICKS_PER_FRAME * k, values[k]);
    ASSERT_TRUE(v2->GetParamBlockByID(0)->SetController(6, 0, c, FALSE));
    Texmap* v3 = ConvertVrn2ReflectionMap(v2, &registry);
    ASSERT_TRUE(IsVrn3(v3));
    IParamBlock2* d0 = v3->GetParamBlockByID(0);
    Control* outline[2] = {d0->GetController(8), d0->GetController(9)};
    ASSERT_NE(outline[0], nullptr);
    ASSERT_NE(outline[1], nullptr);
    EXPECT_NE(outline[0], outline[1]) << "each parameter has an animation of its own";
    for (int p = 0; p < 2; ++p) {
        auto* inverted = static_cast<KeyframeFloatControl*>(outline[p]);
        EXPECT_NE(inverted, c) << "parameter " << 8 + p;
        ASSERT_EQ(inverted->GetNumKeys(), 3) << "parameter " << 8 + p;
        for (int k = 0; k < 3; ++k) {
            float v = -1.0f;
            EXPECT_EQ(inverted->GetKeyTime(k), 10 * TICKS_PER_FRAME * k);
            ASSERT_TRUE(inverted->KeyValue(10 * TICKS_PER_FRAME * k, v));
            EXPECT_EQ(v, 1.0f - values[k]) << "parameter " << 8 + p << ", key " << k;
        }
    }
    for (int k = 0; k < 3; ++k) {
        float v = -1.0f;
        ASSERT_TRUE(c->KeyValue(10 * TICKS_PER_FRAME * k, v));
        EXPECT_EQ(v, values[k]) << "the Varnel 2 animation is left alone, key " << k;
    }
    v2->DeleteThis();
    v3->DeleteThis();
}

TEST_F(ReflectionMapTest, AnimatedSwitchWithoutKeysIsInvertedToo) {
    Vrn2ReflectionMap* v2 = Vrn2Map();
    KeyframeFloatControl* c = NewDefaultFloatController();
    float one = 1.0f;
    c->SetValue(0, &one);
    ASSERT_TRUE(v2->GetParamBlockByID(0)->SetController(8, 0, c, FALSE));
    Texmap* v3 = ConvertVrn2ReflectionMap(v2, &registry);
    ASSERT_TRUE(IsVrn3(v3));
    EXPECT_NE(v3->GetParamBlockByID(0)->GetController(11), nullptr);
    EXPECT_EQ(v3->GetParamBlockByID(0)->GetInt(11, 0), 0);
    EXPECT_EQ(v3->GetParamBlockByID(0)->GetInt(11, 50 * TICKS_PER_FRAME), 0);
    v2->DeleteThis();
    v3->DeleteThis();
}

TEST_F(ReflectionMapTest, PassRunsOnlyWithItsOption) {
    struct FlagCase {
        const char* name;
        ConvertOptionFlags flags;
        bool replaced;
    };
    const FlagCase cases[] = {{"default word", 0x10108C01, true},
                              {"option clear", 0x10108C01 & ~CONV_V2_REFLECTION_MAPS, false}};
    for (const FlagCase& c : cases) {
        ConversionRegistry run;
        Mtl* source = Scene::Create<Vrn2Mtl>(MATERIAL_CLASS_ID, "toon");
        Vrn2ReflectionMap* v2 = Vrn2Map();
        source->ReplaceReference(13, v2);  // shared into the new material's slot 4
        Mtl* result = ConvertMaterial(source, c.flags, nullptr, &run);
        ASSERT_NE(result, nullptr) << c.name;
        EXPECT_EQ(IsVrn3(result->GetSubTexmap(4)), c.replaced) << c.name;
        EXPECT_EQ(source->GetReference(13), v2) << c.name << ": the source keeps its map";
        result->DeleteThis();
        source->DeleteThis();
    }
}

// A shared map is walked below once per pass: a ladder of maps whose two slots
// both lead to the next rung would otherwise be walked 2^n times.
TEST_F(ReflectionMapTest, SharedMapsAreWalkedBelowOnce) {
    const int rungs = 24;
    std::vector<MixMap*> ladder;
    Texmap* below = Vrn2Map();
    for (int i = 0; i < rungs; ++i) {
        MixMap* m = new MixMap;
        m->SetSubTexmap(0, below);
        m->SetSubTexmap(1, below);
        ladder.push_back(m);
        below = m;
    }
    StdMtl* mtl = Scene::Standard();
    mtl->SetSubTexmap(1, below);
    ConvertVrn2ReflectionMaps(mtl, &registry);
    for (int i = 0; i < rungs; ++i) {
        EXPECT_LE(ladder[static_cast<size_t>(i)]->reads, 2 * 3) << "rung " << i;
    }
    EXPECT_TRUE(IsVrn3(ladder[0]->GetSubTexmap(0)));
    EXPECT_EQ(ladder[0]->GetSubTexmap(0), ladder[0]->GetSubTexmap(1));
    mtl->DeleteThis();
}

TEST_F(ReflectionMapTest, MapShownAboveItselfEndsTheWalk) {
    MixMap* top = new MixMap;
    MixMap* mid = new MixMap;
    top->SetSubTexmap(0, mid);
    mid->shown = top;  // not a reference: the host allows it
    Vrn2ReflectionMap* v2 = Vrn2Map();
    mid->SetSubTexmap(1, v2);
    StdMtl* mtl = Scene::Standard();
    mtl->SetSubTexmap(2, top);
    ConvertVrn2ReflectionMaps(mtl, &registry);
    EXPECT_TRUE(IsVrn3(mid->GetSubTexmap(1)));
    mtl->DeleteThis();
}

TEST_F(ReflectionMapTest, SubMaterialShowingAnAncestorEndsTheWalk) {
    MultiMtl* multi = Scene::Multi(2);
    ShowingMtl* showing = new ShowingMtl;
    multi->SetSubMtl(1, showing);
    showing->shown = multi;  // not a reference: the host allows it
    StdMtl* inner = Scene::Standard("inner");
    showing->SetSubMtl(0, inner);
    Vrn2ReflectionMap* v2 = Vrn2Map();
    inner->SetSubTexmap(9, v2);
    ConvertVrn2ReflectionMaps(multi, &registry);
    EXPECT_LE(showing->reads, 2) << "each material is walked below once";
    EXPECT_TRUE(IsVrn3(inner->GetSubTexmap(9)));
    multi->DeleteThis();
}

// Deep nesting of sub-materials, like that of maps, does not use up the
// program's stack.
TEST_F(ReflectionMapTest, DeeplyNestedSubMaterialIsWalked) {
    const int depth = 250000;
    std::vector<MultiMtl*> chain;
    StdMtl* deepest = Scene::Standard("deepest");
    deepest->SetSubTexmap(9, Vrn2Map());
    Mtl* below = deepest;
    for (int i = 0; i < depth; ++i) {
        MultiMtl* m = Scene::Multi(1);
        m->SetSubMtl(0, below);
        chain.push_back(m);
        below = m;
    }
    ConvertVrn2ReflectionMaps(chain.back(), &registry);
    EXPECT_TRUE(IsVrn3(deepest->GetSubTexmap(9)));
    // Taken apart from the top, one material at a time, so that no deletion cascades.
    for (size_t i = chain.size(); i-- > 0;) {
        chain[i]->ReplaceReference(0, nullptr, FALSE);
        chain[i]->DeleteThis();
    }
    deepest->DeleteThis();
}

// Deep nesting is walked without the program's stack: a chain this deep
// overflows it when walked by recursion.
TEST_F(ReflectionMapTest, DeeplyNestedMapIsFound) {
    const int depth = 250000;
    std::vector<MixMap*> chain;
    Texmap* below = Vrn2Map();
    for (int i = 0; i < depth; ++i) {
        MixMap* m = new MixMap;
        m->SetSubTexmap(0, below);
        chain.push_back(m);
        below = m;
    }
    StdMtl* mtl = Scene::Standard();
    mtl->SetSubTexmap(0, below);
    ConvertVrn2ReflectionMaps(mtl, &registry);
    Texmap* converted = chain.front()->GetSubTexmap(0);
    EXPECT_TRUE(IsVrn3(converted));
    // Taken apart from the top, one map at a time, so that no deletion cascades.
    mtl->ReplaceReference(0, nullptr, FALSE);
    mtl->DeleteThis();
    for (size_t i = chain.size(); i-- > 0;) {
        chain[i]->ReplaceReference(0, nullptr, FALSE);
        chain[i]->DeleteThis();
    }
    if (converted) converted->DeleteThis();
}

}  // namespace
