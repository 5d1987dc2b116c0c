// The material converter's portable state: reference holders, undo records of
// editor and sub-material slots, the scene walk and list entries.
#include <string>
#include <vector>

#include "CollectUsedMtls.h"
#include "HostTest.h"
#include "MtlConvData.h"
#include "MtlSlots.h"
#include "MultiMtl.h"
#include "ReferenceHolder.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

class MtlStateTest : public HostTest {};

std::vector<std::string> UndoDescriptions() {
    std::vector<std::string> out;
    for (const CStr& d : theHold.UndoStepDescriptions(0)) out.push_back(d.data());
    return out;
}

TEST_F(MtlStateTest, HolderKeepsItsTargetAliveAndAnswersNoneBeyondItsEntries) {
    Mtl* m = Scene::Standard("held");
    {
        ReferenceHolder holder;
        SetSingleRef(holder, m);
        EXPECT_EQ(holder.NumRefs(), 1);
        EXPECT_EQ(holder.GetReference(0), m);
        EXPECT_EQ(holder.GetReference(1), nullptr);
        EXPECT_EQ(holder.GetReference(-1), nullptr);
        Mtl* other = Scene::Standard("other");
        SetSingleRef(holder, other);
        // Nothing else referenced the first material: the holder let it go for good.
        EXPECT_FALSE(StandIn::IsLive(m));
        EXPECT_EQ(holder.GetReference(0), other);
        EXPECT_EQ(theHold.PendingRecords(), 0);
    }
    EXPECT_EQ(StandIn::LiveTargetCount(), 0);
}

TEST_F(MtlStateTest, HolderChangesAreNeverRecorded) {
    Mtl* m = Scene::Standard("held");
    Scene::Node(m);
    ReferenceHolder holder;
    theHold.Begin();
    SetSingleRef(holder, m);
    SetSingleRef(holder, nullptr);
    EXPECT_EQ(theHold.PendingRecords(), 0);
    theHold.Accept("nothing");
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
}

TEST_F(MtlStateTest, EditorSlotChangeIsOneRecordAndUndoes) {
    Mtl* before = Scene::Standard("before");
    Mtl* after = Scene::Standard("after");
    Scene::Slot(3, before);

    theHold.Begin();
    SetMtlSlot(3, after);
    theHold.Accept("slot");

    EXPECT_EQ(ip->GetMtlSlot(3), after);
    ASSERT_EQ(UndoDescriptions(), std::vector<std::string>{"MtlEditorRestore"});
    // The record keeps the material that left the slot alive.
    EXPECT_TRUE(StandIn::IsLive(before));
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(ip->GetMtlSlot(3), before);
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(ip->GetMtlSlot(3), after);
}

TEST_F(MtlStateTest, EditorSlotChangeOutsideAHoldAppliesWithoutRecord) {
    Mtl* m = Scene::Standard("m");
    SetMtlSlot(0, m);
    EXPECT_EQ(ip->GetMtlSlot(0), m);
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
}

TEST_F(MtlStateTest, SubMaterialChangeMovesTheViewportDisplayAndUndoes) {
    MultiMtl* parent = Scene::Multi(3, "parent");
    Scene::Node(parent);
    StdMtl* old = Scene::Standard("old");
    parent->SetSubMtl(2, old);
    // The old sub-material shows itself in the viewport.
    old->SetMtlFlag(MTL_TEX_DISPLAY_ENABLED);
    Mtl* replacement = Scene::Vrn3("new");
    ASSERT_NE(replacement, nullptr);
    Texmap* shown = static_cast<Texmap*>(static_cast<MtlBase*>(
        ip->CreateInstance(TEXMAP_CLASS_ID, Class_ID(0x20101757, 0x081401a0))));
    ASSERT_NE(shown, nullptr);
    Mtl* base = replacement->GetSubMtl(0);
    ASSERT_NE(base, nullptr);
    base->SetActiveTexmap(shown);
    replacement->ReplaceReference(6, shown);  // keeps the map alive

    theHold.Begin();
    SetSubMtl(parent, replacement, 2);
    theHold.Accept("sub");

    EXPECT_EQ(parent->GetSubMtl(2), replacement);
    EXPECT_TRUE(StandIn::IsTextureActive(shown, parent, 2));
    EXPECT_FALSE(StandIn::IsTextureActive(old, parent, 2));
    ASSERT_EQ(UndoDescriptions(), std::vector<std::string>{"SubMtlRestore"});

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(parent->GetSubMtl(2), old);
    EXPECT_TRUE(StandIn::IsTextureActive(old, parent, 2));
    EXPECT_FALSE(StandIn::IsTextureActive(shown, parent, 2));

    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(parent->GetSubMtl(2), replacement);
    EXPECT_TRUE(StandIn::IsTextureActive(shown, parent, 2));
}

TEST_F(MtlStateTest, EmptySubMaterialSlotHasNoDisplayToMove) {
    MultiMtl* parent = Scene::Multi(2, "parent");
    Scene::Node(parent);
    Mtl* replacement = Scene::Vrn3("new");
    SetSubMtl(parent, replacement, 1);
    EXPECT_EQ(parent->GetSubMtl(1), replacement);
    EXPECT_EQ(StandIn::ActiveTextureCount(), 0);
}

TEST_F(MtlStateTest, UsedMaterialsComeFromNodesThenSlotsThenSubMaterials) {
    StdMtl* onNode = Scene::Standard("node");
    StdMtl* onChild = Scene::Standard("child");
    StdMtl* inSlot = Scene::Standard("slot");
    StdMtl* afterGap = Scene::Standard("after gap");
    StdMtl* sub = Scene::Standard("sub");
    StdMtl* insideVrn3 = Scene::Standard("inside Varnel 3");
    MultiMtl* multi = Scene::Multi(2, "multi");
    multi->SetSubMtl(1, sub);
    Mtl* vrn3 = Scene::Vrn3("vrn3");
    vrn3->SetSubMtl(0, insideVrn3);

    INode* parentNode = Scene::Node(onNode);
    Scene::Node(onChild, parentNode);
    Scene::Node(vrn3);
    Scene::Slot(0, inSlot);
    Scene::Slot(1, multi);
    Scene::Slot(3, afterGap);  // slot 2 is empty: the walk stops there

    MtlBaseLib lib;
    CollectUsedMtls(lib);

    std::vector<MtlBase*> expected{onNode, onChild, vrn3, inSlot, multi, sub};
    ASSERT_EQ(lib.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < lib.Count(); ++i) EXPECT_EQ(lib[i], expected[static_cast<size_t>(i)]) << i;
    EXPECT_LT(lib.FindMtl(afterGap), 0);
    EXPECT_LT(lib.FindMtl(insideVrn3), 0);
}

TEST_F(MtlStateTest, EntryTakesTheTextsOfTheMomentInOrder) {
    StdMtl* m = Scene::Standard("Red");
    MtlConvData entry(m);
    EXPECT_STREQ(entry.fullName.data(), m->GetFullName().data());
    EXPECT_STREQ(entry.className.data(), "Standard");
    EXPECT_STREQ(entry.name.data(), "Red");
    m->SetName("Blue");
    EXPECT_STREQ(entry.name.data(), "Red");

    MtlConvData none(nullptr);
    EXPECT_TRUE(none.fullName.isNull());
    EXPECT_EQ(none.LiveMtl(), nullptr);
    EXPECT_FALSE(none.Holds(nullptr));
    EXPECT_TRUE(entry.Holds(m));
    EXPECT_FALSE(entry.Holds(nullptr));
}

TEST_F(MtlStateTest, ListedMaterialOutlivesTheSceneLettingGo) {
    StdMtl* m = Scene::Standard("listed");
    INode* node = Scene::Node(m);
    MtlConvList list{MtlConvData(m)};
    node->SetMtl(nullptr);
    ASSERT_TRUE(StandIn::IsLive(m));
    EXPECT_EQ(list[0].LiveMtl(), m);
    list.clear();
    EXPECT_FALSE(StandIn::IsLive(m));
}

TEST_F(MtlStateTest, DeletedListedMaterialLeavesNoDanglingEntry) {
    StdMtl* a = Scene::Standard("a");
    StdMtl* b = Scene::Standard("b");
    StdMtl* c = Scene::Standard("c");
    for (Mtl* m : {a, b, c}) Scene::Node(m);
    MtlConvList list{MtlConvData(a), MtlConvData(b), MtlConvData(c)};
    MtlConvList saved = list;

    EXPECT_TRUE(list[1].Holds(b));
    EXPECT_FALSE(list[1].Holds(c));
    b->DeleteThis();
    EXPECT_EQ(list[1].LiveMtl(), nullptr);
    // Only the address is compared: a material made later may be given it,
    // and the dead entry must not take that one for its own.
    EXPECT_FALSE(list[1].Holds(b));
    DropDeletedMtls(list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_STREQ(list[0].name.data(), "a");
    EXPECT_STREQ(list[1].name.data(), "c");
    // Copies elsewhere see the deletion as well.
    EXPECT_EQ(saved[1].LiveMtl(), nullptr);
    EXPECT_EQ(saved[2].LiveMtl(), c);
}

}  // namespace
