// Varnel 2 line effects: the new effect, its line sets, brushes and brush
// maps, names and the on/off flag, and the line sets given up on the way.
#include <string>
#include <vector>

#include "ConversionRegistry.h"
#include "CurveControl.h"
#include "HostTest.h"
#include "LineEffectConversion.h"
#include "SceneBuilder.h"
#include "Vrn2Brush.h"
#include "Vrn2LineEffect.h"
#include "Vrn3Brush.h"
#include "Vrn3LineEffect.h"
#include "Vrn3Stroke.h"

namespace {

class LineEffectTest : public HostTest {
protected:
    Vrn2LineEffect* Effect2(const char* name = "Varnel 2 Line") {
        auto* e = Scene::Create<Vrn2LineEffect>(RENDER_EFFECT_CLASS_ID);
        e->SetName(name);
        return e;
    }
    Vrn2LineSet* LineSet() { return Scene::Create<Vrn2LineSet>(RENDER_EFFECT_CLASS_ID); }
    Vrn2Brush* Brush(const char* name = "brush") {
        return Scene::Create<Vrn2Brush>(TEXMAP_CLASS_ID, name);
    }
    Vrn2BrushSubMap* SubMap(const char* name = "sub") {
        return Scene::Create<Vrn2BrushSubMap>(TEXMAP_CLASS_ID, name);
    }
    Texmap* OtherMap(const char* name = "other") {
        return Scene::Create<Vrn3Stroke>(TEXMAP_CLASS_ID, name);
    }

    static std::vector<ReferenceTarget*> LineSetsOf(Effect* e) {
        std::vector<ReferenceTarget*> l;
        const ObjectList& list = static_cast<Vrn3LineEffect*>(e)->LineSets();
        for (int i = 0; i < list.Count(); ++i) l.push_back(list.Get(i));
        return l;
    }

    ConversionRegistry registry;
};

TEST_F(LineEffectTest, OnlyVarnel2LineEffectsConvert) {
    Vrn2LineSet* lineSet = LineSet();
    Effect* vrn3 = Scene::Create<Vrn3LineEffect>(RENDER_EFFECT_CLASS_ID);
    Effect* notEffects[] = {nullptr, lineSet, vrn3};
    for (Effect* e : notEffects) EXPECT_EQ(ConvertVrn2LineEffect(e, &registry, nullptr), nullptr);
    EXPECT_EQ(registry.Count(), 0);
    lineSet->DeleteThis();
    vrn3->DeleteThis();
}

TEST_F(LineEffectTest, EffectBlockIsCopiedAndTheResultRegistered) {
    Vrn2LineEffect* e = Effect2();
    e->GetParamBlock(0)->SetValue(0, 0, 2.5f);
    e->GetParamBlock(0)->SetValue(2, 0, "night pass");
    Effect* n = ConvertVrn2LineEffect(e, &registry, nullptr);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->ClassID(), Vrn3LineEffect::CLASS_ID);
    EXPECT_EQ(n->GetParamBlock(0)->GetFloat(0), 2.5f);
    EXPECT_STREQ(n->GetParamBlock(0)->GetStr(2), "night pass");
    EXPECT_EQ(ConvertVrn2LineEffect(e, &registry, "_again"), n);
    EXPECT_STREQ(n->GetName().data(), "Varnel 3 Line");
    n->DeleteThis();
    e->DeleteThis();
}

TEST_F(LineEffectTest, EffectWithoutLineSetsGetsAnEmptyList) {
    Vrn2LineEffect* e = Effect2();
    Effect* n = ConvertVrn2LineEffect(e, &registry, nullptr);
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(LineSetsOf(n).empty());
    n->DeleteThis();
    e->DeleteThis();
}

TEST_F(LineEffectTest, LineSetsGoOverInTheirOrder) {
    Vrn2LineEffect* e = Effect2();
    Vrn2LineSet* a = LineSet();
    Vrn2LineSet* b = LineSet();
    e->AddLineSet(a);
    e->AddLineSet(b);
    e->AddLineSet(a);
    Effect* n = ConvertVrn2LineEffect(e, &registry, nullptr);
    ASSERT_NE(n, nullptr);
    std::vector<ReferenceTarget*> expected = {registry.FindConverted(a), registry.FindConverted(b),
                                              registry.FindConverted(a)};
    EXPECT_EQ(LineSetsOf(n), expected);
    EXPECT_NE(expected[0], expected[1]);
    n->DeleteThis();
    e->DeleteThis();
}

TEST_F(LineEffectTest, EmptyLineSetSlotDiscardsTheConvertedLineSets) {
    Vrn2LineEffect* e = Effect2();
    Vrn2LineSet* first = LineSet();
    Vrn2Brush* brush = Brush();
    first->ReplaceReference(13, brush);
    e->AddLineSet(first);
    e->AddLineSet(nullptr);
    int before = StandIn::LiveTargetCount();
    Effect* n = ConvertVrn2LineEffect(e, &registry, nullptr);
    ASSERT_NE(n, nullptr);
    std::vector<ReferenceTarget*> kept = LineSetsOf(n);
    ASSERT_EQ(kept.size(), 1u) << "the effect keeps the line sets it was made with";
    // The converted line set went, and with it its brushes: nothing is left
    // over, and the registry hands none of them out again.
    EXPECT_EQ(registry.FindConverted(first), nullptr);
    EXPECT_EQ(registry.FindConverted(brush), nullptr);
    n->DeleteThis();
    EXPECT_EQ(StandIn::LiveTargetCount(), before);
    // A later effect of the same run with that line set converts it afresh.
    Vrn2LineEffect* later = Effect2();
    later->AddLineSet(first);
    Effect* m = ConvertVrn2LineEffect(later, &registry, nullptr);
    ASSERT_NE(m, nullptr);
    ReferenceTarget* fresh = registry.FindConverted(first);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(LineSetsOf(m), std::vector<ReferenceTarget*>{fresh});
    EXPECT_EQ(fresh->GetReference(10), registry.FindConverted(brush));
    EXPECT_TRUE(StandIn::IsLive(fresh->GetReference(10)));
    m->DeleteThis();
    later->DeleteThis();
    e->DeleteThis();
}

TEST_F(LineEffectTest, DiscardKeepsALineSetThatAnEarlierEffectUses) {
    Vrn2LineSet* shared = LineSet();
    Vrn2LineEffect* a = Effect2("a");
    a->AddLineSet(shared);
    Vrn2LineEffect* b = Effect2("b");
    b->AddLineSet(shared);
    b->AddLineSet(OtherMap());  // not a line set: b cannot take all of them
    Effect* na = ConvertVrn2LineEffect(a, &registry, nullptr);
    ASSERT_NE(na, nullptr);
    ReferenceTarget* converted = registry.FindConverted(shared);
    ASSERT_NE(converted, nullptr);
    Effect* nb = ConvertVrn2LineEffect(b, &registry, nullptr);
    ASSERT_NE(nb, nullptr);
    ASSERT_TRUE(StandIn::IsLive(converted));
    EXPECT_EQ(LineSetsOf(na), std::vector<ReferenceTarget*>{converted});
    EXPECT_EQ(registry.FindConverted(shared), converted) << "still the conversion in use";
    EXPECT_NE(LineSetsOf(nb), std::vector<ReferenceTarget*>{converted});
    na->DeleteThis();
    nb->DeleteThis();
    a->DeleteThis();
    b->DeleteThis();
}

TEST_F(LineEffectTest, DiscardKeepsABrushThatAnEarlierLineSetUses) {
    Vrn2Brush* brush = Brush("shared");
    Vrn2LineSet* kept = LineSet();
    kept->ReplaceReference(13, brush);
    Vrn2LineSet* dropped = LineSet();
    dropped->ReplaceReference(19, brush);
    dropped->ReplaceReference(20, Brush("own"));
    Vrn2LineEffect* a = Effect2("a");
    a->AddLineSet(kept);
    Vrn2LineEffect* b = Effect2("b");
    b->AddLineSet(dropped);
    b->AddLineSet(nullptr);
    Effect* na = ConvertVrn2LineEffect(a, &registry, nullptr);
    Effect* nb = ConvertVrn2LineEffect(b, &registry, nullptr);
    ASSERT_NE(na, nullptr);
    ASSERT_NE(nb, nullptr);
    ReferenceTarget* converted = registry.FindConverted(brush);
    ASSERT_NE(converted, nullptr);
    EXPECT_TRUE(StandIn::IsLive(converted));
    EXPECT_EQ(registry.FindConverted(kept)->GetReference(10), converted);
    EXPECT_EQ(registry.FindConverted(dropped), nullptr);
    EXPECT_EQ(registry.FindConverted(dropped->GetReference(20)), nullptr);
    na->DeleteThis();
    nb->DeleteThis();
    a->DeleteThis();
    b->DeleteThis();
}

struct NameCase {
    const char* name;
    const char* suffix;
    const char* expected;
};

TEST_F(LineEffectTest, NameTakesTheSuffixOrElseTheNewDigit) {
    const NameCase cases[] = {
        {"Varnel 2 Line", nullptr, "Varnel 3 Line"},
        {"Varnel 2 Line", "_VRN3", "Varnel 2 Line_VRN3"},
        {"Varnel 2 over Varnel 2", nullptr, "Varnel 3 over Varnel 2"},
        {"My Varnel 22", nullptr, "My Varnel 32"},
        {"Lines", nullptr, "Lines"},
        {"Varnel2 Line", nullptr, "Varnel2 Line"},
        {"", nullptr, ""},
        {"", "_VRN3", "_VRN3"},
        {"Varnel 2 Line", "", "Varnel 2 Line"},
    };
    for (const NameCase& c : cases) {
        ConversionRegistry run;
        Vrn2LineEffect* e = Effect2(c.name);
        Effect* n = ConvertVrn2LineEffect(e, &run, c.suffix);
        ASSERT_NE(n, nullptr) << c.name;
        EXPECT_EQ(std::string(n->GetName().data()), c.expected)
            << "\"" << c.name << "\" with " << (c.suffix ? c.suffix : "no suffix");
        EXPECT_STREQ(e->GetName().data(), c.name);
        n->DeleteThis();
        e->DeleteThis();
    }
}

TEST_F(LineEffectTest, InactiveEffectGivesADisabledOne) {
    for (bool active : {true, false}) {
        ConversionRegistry run;
        Vrn2LineEffect* e = Effect2();
        if (!active) e->SetAFlag(A_DISABLED);
        Effect* n = ConvertVrn2LineEffect(e, &run, nullptr);
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->TestAFlag(A_DISABLED) != 0, !active) << (active ? "active" : "inactive");
        EXPECT_EQ(n->Active(0) != 0, active);
        n->DeleteThis();
        e->DeleteThis();
    }
}

class LineSetTest : public LineEffectTest {};

TEST_F(LineSetTest, BlocksAreTranslatedAndSettled) {
    Vrn2LineSet* s = LineSet();
    IParamBlock2* b0 = s->GetParamBlockByID(0);
    b0->SetValue(0, 0, 1.5f);
    b0->SetValue(18, 0, 2.5f);
    b0->SetValue(23, 0, Color(0.0f, 0.0f, 1.0f));
    b0->SetValue(37, 0, 0.5f, 1);
    s->GetParamBlockByID(4)->SetValue(33, 0, 0.125f);
    s->GetParamBlockByID(5)->SetValue(25, 0, 3);
    ReferenceTarget* n = ConvertVrn2LineSet(s, &registry);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->ClassID(), Vrn3LineSet::CLASS_ID);
    IParamBlock2* d0 = n->GetParamBlockByID(0);
    EXPECT_EQ(d0->GetFloat(0), 2.5f) << "18 comes after 0 in the Varnel 2 block";
    EXPECT_EQ(d0->GetColor(3), Color(0.0f, 0.0f, 1.0f));
    ASSERT_EQ(d0->Count(8), 2);
    EXPECT_EQ(d0->GetFloat(8, 0, 1), 0.5f);
    EXPECT_EQ(d0->GetFloat(2), 9.0f);
    EXPECT_EQ(n->GetParamBlockByID(1)->GetFloat(0), 7.0f) << "block 1 keeps its defaults";
    EXPECT_EQ(n->GetParamBlockByID(4)->GetFloat(3), 0.125f);
    EXPECT_EQ(n->GetParamBlockByID(5)->GetInt(0), 3);
    n->DeleteThis();
    s->DeleteThis();
}

struct GroupCase {
    const char* name;
    int useOwn, setting, visible, hidden;   // Varnel 2 parameters 18, 17, 38, 12
    int newUseOwn, newSetting, newVisible;  // Varnel 3 parameters 0, 1, 9
};

TEST_F(LineSetTest, GroupBlocksPreferTheOwnSetting) {
    const GroupCase cases[] = {
        {"own setting on", 1, 5, 3, 4, 1, 0, 4},
        {"own setting off", 0, 5, 3, 4, 5, 5, 4},
        {"both zero", 0, 0, 1, 0, 0, 0, 0},
    };
    for (const GroupCase& c : cases) {
        for (int g = 0; g < 2; ++g) {
            ConversionRegistry run;
            Vrn2LineSet* s = LineSet();
            IParamBlock2* pb = s->GetParamBlockByID(static_cast<BlockID>(g + 1));
            pb->SetValue(18, 0, c.useOwn);
            pb->SetValue(17, 0, c.setting);
            pb->SetValue(38, 0, c.visible);
            pb->SetValue(12, 0, c.hidden);
            ReferenceTarget* n = ConvertVrn2LineSet(s, &run);
            ASSERT_NE(n, nullptr);
            IParamBlock2* d = n->GetParamBlockByID(static_cast<BlockID>(g + 2));
            EXPECT_EQ(d->GetInt(0), c.newUseOwn) << c.name << ", group " << g;
            EXPECT_EQ(d->GetInt(1), c.newSetting) << c.name << ", group " << g;
            EXPECT_EQ(d->GetInt(9), c.newVisible) << c.name << ", group " << g;
            EXPECT_EQ(d->GetInt(10), c.hidden) << c.name << ", group " << g;
            n->DeleteThis();
            s->DeleteThis();
        }
    }
}

TEST_F(LineSetTest, BrushSlotsMoveToTheirVarnel3Places) {
    struct SlotCase {
        int vrn2;
        int vrn3;
    };
    const SlotCase slots[] = {{13, 10}, {14, 12}, {15, 16}, {16, 15}, {17, 14}, {18, 13},
                              {19, 21}, {20, 23}, {21, 27}, {22, 26}, {23, 25}, {24, 24}};
    Vrn2LineSet* s = LineSet();
    for (const SlotCase& c : slots) s->ReplaceReference(c.vrn2, Brush());
    ReferenceTarget* n = ConvertVrn2LineSet(s, &registry);
    ASSERT_NE(n, nullptr);
    for (const SlotCase& c : slots) {
        ReferenceTarget* expected = registry.FindConverted(s->GetReference(c.vrn2));
        ASSERT_NE(expected, nullptr) << "slot " << c.vrn2;
        EXPECT_EQ(n->GetReference(c.vrn3), expected) << "Varnel 2 slot " << c.vrn2;
    }
    // Offset 1 of each group shows the brush at offset 2.
    EXPECT_EQ(n->GetReference(11), n->GetReference(12));
    EXPECT_EQ(n->GetReference(22), n->GetReference(23));
    n->DeleteThis();
    s->DeleteThis();
}

TEST_F(LineSetTest, OtherContentLeavesTheSlotAsCreated) {
    Vrn2LineSet* s = LineSet();
    s->ReplaceReference(13, OtherMap());
    s->ReplaceReference(14, Brush("only"));
    ReferenceTarget* n = ConvertVrn2LineSet(s, &registry);
    ASSERT_NE(n, nullptr);
    ReferenceTarget* atTen = n->GetReference(10);
    ASSERT_NE(atTen, nullptr);
    EXPECT_EQ(atTen->ClassID(), Vrn3Brush::CLASS_ID);
    EXPECT_EQ(registry.FindConverted(atTen), nullptr);
    EXPECT_STREQ(static_cast<Texmap*>(n->GetReference(12))->GetName().data(), "only");
    EXPECT_STREQ(static_cast<Texmap*>(n->GetReference(11))->GetName().data(), "only");
    n->DeleteThis();
    s->DeleteThis();
}

TEST_F(LineSetTest, ExtraReferencesAreCloned) {
    Vrn2LineSet* s = LineSet();
    CurveControl* curve = new CurveControl;
    curve->SetPoint(0, Point3(0.0f, 0.7f, 0.0f));
    s->ReplaceReference(31, curve);
    ReferenceTarget* n = ConvertVrn2LineSet(s, &registry);
    ASSERT_NE(n, nullptr);
    auto* copy = static_cast<CurveControl*>(n->GetReference(6));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, curve);
    EXPECT_EQ(copy->GetPoint(0), Point3(0.0f, 0.7f, 0.0f));
    EXPECT_EQ(n->GetReference(7), nullptr);
    n->DeleteThis();
    s->DeleteThis();
}

class BrushTest : public LineEffectTest {};

TEST_F(BrushTest, BrushTranslatesItsBlockAndItsMaps) {
    Vrn2Brush* b = Brush("Pen");
    IParamBlock2* pb = b->GetParamBlockByID(0);
    pb->SetValue(0, 0, 4.0f);
    pb->SetValue(2, 0, 0.3f);
    pb->SetValue(6, 0, 2);
    pb->SetValue(9, 0, Color(0.5f, 0.5f, 0.0f));
    pb->SetValue(10, 0, 3);
    Texmap* tip = OtherMap("tip");
    Texmap* paper = OtherMap("paper");
    Vrn2BrushSubMap* sub = SubMap("grain");
    b->SetSubTexmap(0, tip);
    b->SetSubTexmap(1, sub);
    b->SetSubTexmap(2, paper);
    Texmap* n = ConvertVrn2Brush(b, &registry);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->ClassID(), Vrn3Brush::CLASS_ID);
    EXPECT_STREQ(n->GetName().data(), "Pen");
    IParamBlock2* d = n->GetParamBlockByID(0);
    EXPECT_EQ(d->GetFloat(0), 4.0f);
    EXPECT_EQ(d->GetFloat(2), 5.0f) << "source 2 has no counterpart";
    EXPECT_EQ(d->GetInt(6), 2);
    EXPECT_EQ(d->GetColor(7), Color(0.5f, 0.5f, 0.0f));
    EXPECT_EQ(d->GetInt(8), 3);
    Texmap* newTip = n->GetSubTexmap(1);
    ASSERT_NE(newTip, nullptr);
    EXPECT_NE(newTip, tip);
    EXPECT_STREQ(newTip->GetName().data(), "tip");
    ASSERT_NE(n->GetSubTexmap(2), nullptr);
    EXPECT_NE(n->GetSubTexmap(2), paper);
    Texmap* newSub = n->GetSubTexmap(0);
    ASSERT_NE(newSub, nullptr);
    EXPECT_EQ(newSub->ClassID(), Vrn3BrushSubMap::CLASS_ID);
    EXPECT_EQ(registry.FindConverted(sub), newSub);
    n->DeleteThis();
    b->DeleteThis();
}

TEST_F(BrushTest, MapSharedByTwoBrushesIsClonedOnce) {
    Texmap* shared = OtherMap("shared");
    Vrn2Brush* a = Brush("a");
    Vrn2Brush* b = Brush("b");
    a->SetSubTexmap(0, shared);
    b->SetSubTexmap(0, shared);
    Texmap* na = ConvertVrn2Brush(a, &registry);
    Texmap* nb = ConvertVrn2Brush(b, &registry);
    ASSERT_NE(na, nullptr);
    ASSERT_NE(nb, nullptr);
    ASSERT_NE(na->GetSubTexmap(1), nullptr);
    EXPECT_NE(na->GetSubTexmap(1), shared);
    EXPECT_EQ(na->GetSubTexmap(1), nb->GetSubTexmap(1));
    na->DeleteThis();
    nb->DeleteThis();
    a->DeleteThis();
    b->DeleteThis();
}

TEST_F(BrushTest, SubMapCopiesBlocksByIndexAndClonesItsObjects) {
    Vrn2BrushSubMap* m = SubMap("grain");
    m->GetParamBlock(0)->SetValue(0, 0, 0.4f);
    m->GetParamBlock(0)->SetValue(1, 0, OtherMap("mask"));
    m->GetParamBlock(1)->SetValue(0, 0, 2);
    Texmap* first = OtherMap("first");
    m->SetSubTexmap(0, first);
    CurveControl* curve = new CurveControl;
    m->ReplaceReference(9, curve);
    Texmap* n = ConvertVrn2BrushSubMap(m, &registry);
    ASSERT_NE(n, nullptr);
    EXPECT_STREQ(n->GetName().data(), "grain");
    EXPECT_EQ(n->GetParamBlock(0)->GetFloat(0), 0.4f);
    EXPECT_EQ(n->GetParamBlock(0)->GetTexmap(1), nullptr) << "the base translator keeps maps out";
    EXPECT_EQ(n->GetParamBlock(1)->GetInt(0), 2);
    EXPECT_EQ(n->GetParamBlock(2)->GetFloat(0), 3.0f) << "no source block: nothing copied";
    ASSERT_NE(n->GetSubTexmap(0), nullptr);
    EXPECT_NE(n->GetSubTexmap(0), first);
    EXPECT_EQ(n->GetSubTexmap(1), nullptr);
    EXPECT_EQ(n->GetReference(6), nullptr);
    ASSERT_NE(n->GetReference(7), nullptr);
    EXPECT_NE(n->GetReference(7), curve);
    EXPECT_EQ(n->GetReference(7)->ClassID(), CurveControl::CLASS_ID);
    n->DeleteThis();
    m->DeleteThis();
}

}  // namespace
