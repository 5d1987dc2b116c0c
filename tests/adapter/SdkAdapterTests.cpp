// The per-SDK adapter, compiled for the generation this program is built for.
#include "HostTest.h"
#include "SceneBuilder.h"
#include "SdkAdapter.h"
#include "StdMtl.h"

namespace {

class SdkAdapterTest : public HostTest {};

TEST_F(SdkAdapterTest, VersionWordMatchesTheGeneration) {
    struct Row {
        int generation;
        ULONG word;
    } rows[] = {{2008, 0x23281500}, {2009, 0x2AF81900}, {2010, 0x2EE02100}, {2012, 0x364C2500}};
    int matched = 0;
    for (const Row& row : rows) {
        if (row.generation != VRN3_SDK_GENERATION) continue;
        EXPECT_EQ(SdkLibVersion(), row.word);
        ++matched;
    }
    EXPECT_EQ(matched, 1) << "generation " << VRN3_SDK_GENERATION;
}

TEST_F(SdkAdapterTest, CloneTakesTheGenerationsWay) {
    StdMtl* source = Scene::Standard("source");
    source->SetDiffuse(Color(0.2f, 0.4f, 0.6f), 0);
    int before = StandIn::CloneRefHierarchyCalls();

    ReferenceTarget* copy = CloneTarget(source);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, source);
    EXPECT_EQ(copy->ClassID(), source->ClassID());
    EXPECT_EQ(static_cast<StdMtl*>(static_cast<Mtl*>(copy))->GetDiffuse(0),
              Color(0.2f, 0.4f, 0.6f));
    EXPECT_EQ(StandIn::CloneRefHierarchyCalls() - before, VRN3_SDK_GENERATION >= 2012 ? 1 : 0);

    EXPECT_EQ(CloneTarget(nullptr), nullptr);
    copy->DeleteThis();
    source->DeleteThis();
}

}  // namespace

namespace {

class SdkAdapterDependentsTest : public HostTest {};

// Three nodes show one material; the middle one lets go, which leaves an empty
// entry in the material's list of dependents until the next dependent is added.
TEST_F(SdkAdapterDependentsTest, DependentsFollowTheGenerationsWalk) {
    Mtl* m = Scene::Standard("shared");
    INode* a = Scene::Node(m);
    INode* b = Scene::Node(m);
    INode* c = Scene::Node(m);
    b->SetMtl(nullptr);

    Tab<ReferenceMaker*> deps;
    CollectDependents(m, deps);

    std::vector<ReferenceMaker*> expected{a, c};
    if (VRN3_SDK_GENERATION < 2010) expected = {a};
    ASSERT_EQ(deps.Count(), static_cast<int>(expected.size()))
        << "generation " << VRN3_SDK_GENERATION;
    for (int i = 0; i < deps.Count(); ++i)
        EXPECT_EQ(deps[i], expected[static_cast<size_t>(i)]) << i;
}

TEST_F(SdkAdapterDependentsTest, DependentsInOrderWithoutGaps) {
    Mtl* m = Scene::Standard("shared");
    INode* a = Scene::Node(m);
    INode* b = Scene::Node(m);
    Tab<ReferenceMaker*> deps;
    CollectDependents(m, deps);
    ASSERT_EQ(deps.Count(), 2);
    EXPECT_EQ(deps[0], a);
    EXPECT_EQ(deps[1], b);
    CollectDependents(nullptr, deps);
    EXPECT_EQ(deps.Count(), 2);
}

TEST_F(SdkAdapterDependentsTest, TexDisplayFlagIsBitEight) {
    Mtl* m = Scene::Standard("shown");
    EXPECT_FALSE(IsTexDisplayEnabled(m));
    m->SetMtlFlag(MTL_TEX_DISPLAY_ENABLED);
    EXPECT_TRUE(IsTexDisplayEnabled(m));
    m->SetMtlFlag(MTL_TEX_DISPLAY_ENABLED, FALSE);
    m->SetMtlFlag(0x10);
    EXPECT_FALSE(IsTexDisplayEnabled(m));
    EXPECT_FALSE(IsTexDisplayEnabled(nullptr));
    m->DeleteThis();
}

}  // namespace
