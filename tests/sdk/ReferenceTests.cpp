// The reference system as the plug-in relies on it: slots and dependents in
// step, ownership through references, loop refusal, deletion.
#include <new>
#include <string>
#include <vector>

#include "HostTest.h"
#include "MultiMtl.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

// A plain maker with a fixed number of slots, like a plug-in's own holder.
class Holder : public ReferenceMaker {
public:
    explicit Holder(int n) : slots(static_cast<size_t>(n), nullptr) {}
    int NumRefs() override { return static_cast<int>(slots.size()); }
    RefTargetHandle GetReference(int i) override { return slots[static_cast<size_t>(i)]; }
    void SetReference(int i, RefTargetHandle t) override { slots[static_cast<size_t>(i)] = t; }
    RefResult NotifyRefChanged(Interval, RefTargetHandle, PartID&, RefMessage message) override {
        messages.push_back(message);
        return REF_SUCCEED;
    }
    std::vector<RefTargetHandle> slots;
    std::vector<RefMessage> messages;
};

std::vector<ReferenceMaker*> Dependents(ReferenceTarget* t) {
    std::vector<ReferenceMaker*> out;
    DependentIterator it(t);
    while (ReferenceMaker* m = it.Next()) out.push_back(m);
    return out;
}

class ReferenceTest : public HostTest {};

TEST_F(ReferenceTest, DependentsFollowEveryReferenceChange) {
    Mtl* a = Scene::Standard("a");
    Mtl* b = Scene::Standard("b");
    MultiMtl* multi = Scene::Multi(2);
    INode* node = Scene::Node(a);

    multi->SetSubMtl(0, a);
    multi->SetSubMtl(1, a);
    EXPECT_EQ(Dependents(a), (std::vector<ReferenceMaker*>{node, multi, multi}));

    multi->SetSubMtl(1, b);
    EXPECT_EQ(Dependents(a), (std::vector<ReferenceMaker*>{node, multi}));
    EXPECT_EQ(Dependents(b), (std::vector<ReferenceMaker*>{multi}));

    node->SetMtl(b);
    EXPECT_EQ(Dependents(a), (std::vector<ReferenceMaker*>{multi}));
    EXPECT_EQ(node->GetMtl(), b);
    EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
    multi->DeleteThis();
}

TEST_F(ReferenceTest, UnreferencedOldTargetIsDeletedOnlyWithDelOld) {
    Holder holder(1);
    Mtl* kept = Scene::Standard("kept");
    // A material that owns nothing, so that exactly one target goes.
    Mtl* dropped = Scene::Multi(0, "dropped");
    int before = StandIn::LiveTargetCount();

    holder.ReplaceReference(0, kept);
    holder.ReplaceReference(0, nullptr, FALSE);
    EXPECT_TRUE(StandIn::IsLive(kept));

    holder.ReplaceReference(0, dropped);
    holder.ReplaceReference(0, kept, TRUE);
    EXPECT_FALSE(StandIn::IsLive(dropped));
    EXPECT_EQ(StandIn::LiveTargetCount(), before - 1);

    // A target still referenced elsewhere survives.
    INode* node = Scene::Node(kept);
    holder.ReplaceReference(0, nullptr, TRUE);
    EXPECT_TRUE(StandIn::IsLive(kept));
    EXPECT_EQ(node->GetMtl(), kept);
}

TEST_F(ReferenceTest, SceneNodesOutliveTheirLastReference) {
    // The scene tree owns its nodes: a holder letting go deletes none of them.
    INode* root = ip->GetRootNode();
    INode* node = Scene::Node(nullptr);
    INode* child = Scene::Node(nullptr, node);
    for (INode* n : {node, child, root}) {
        Holder holder(1);
        holder.ReplaceReference(0, n);
        holder.ReplaceReference(0, nullptr, TRUE);
        EXPECT_TRUE(StandIn::IsLive(n)) << n->GetName();
    }
    EXPECT_EQ(child->GetParentNode(), node);
    EXPECT_EQ(node->GetParentNode(), root);
}

TEST_F(ReferenceTest, OwnedObjectsGoWithTheirOwner) {
    MultiMtl* multi = Scene::Multi(2);
    Mtl* sub = Scene::Standard("sub");
    multi->SetSubMtl(0, sub);
    INode* node = Scene::Node(multi);
    node->SetMtl(nullptr);  // the last reference to the multi material
    EXPECT_FALSE(StandIn::IsLive(multi));
    EXPECT_FALSE(StandIn::IsLive(sub));
}

TEST_F(ReferenceTest, LoopsAreRefused) {
    MultiMtl* outer = Scene::Multi(1, "outer");
    MultiMtl* inner = Scene::Multi(1, "inner");
    outer->SetSubMtl(0, inner);

    EXPECT_EQ(inner->ReplaceReference(0, outer), REF_FAIL);
    EXPECT_TRUE(TookDiagnostic("loop"));
    EXPECT_EQ(inner->GetSubMtl(0), nullptr);

    EXPECT_EQ(outer->ReplaceReference(0, outer), REF_FAIL);
    EXPECT_TRUE(TookDiagnostic("loop"));
    EXPECT_EQ(outer->GetSubMtl(0), inner);
    outer->DeleteThis();
}

TEST_F(ReferenceTest, SlotOutOfRangeOrRejectedObjectChangesNothing) {
    INode* node = Scene::Node(nullptr);
    Mtl* refused = Scene::Standard();
    EXPECT_EQ(node->ReplaceReference(7, refused), REF_FAIL);
    EXPECT_TRUE(TookDiagnostic("out of range"));
    EXPECT_FALSE(refused->HasDependents());
    refused->DeleteThis();

    // A node's material slot takes materials only.
    INode* other = Scene::Node(nullptr);
    EXPECT_EQ(node->ReplaceReference(INode::MTL_REF, other), REF_FAIL);
    EXPECT_TRUE(TookDiagnostic("did not take"));
    EXPECT_EQ(node->GetMtl(), nullptr);
}

TEST_F(ReferenceTest, DeletingATargetClearsTheSlotsOfItsDependents) {
    Mtl* m = Scene::Standard("m");
    Holder holder(2);
    holder.ReplaceReference(0, m);
    holder.ReplaceReference(1, m);
    m->DeleteThis();
    EXPECT_EQ(holder.slots[0], nullptr);
    EXPECT_EQ(holder.slots[1], nullptr);
    EXPECT_EQ(holder.messages, (std::vector<RefMessage>{REFMSG_TARGET_DELETED}));
}

TEST_F(ReferenceTest, DeleteThisDropsTheMakersReferencesFirst) {
    Mtl* shared = Scene::Standard("shared");
    Mtl* owned = Scene::Standard("owned");
    MultiMtl* multi = Scene::Multi(2);
    multi->SetSubMtl(0, shared);
    multi->SetSubMtl(1, owned);
    INode* node = Scene::Node(shared);
    multi->DeleteThis();
    EXPECT_FALSE(StandIn::IsLive(owned));
    EXPECT_TRUE(StandIn::IsLive(shared));
    EXPECT_EQ(Dependents(shared), (std::vector<ReferenceMaker*>{node}));
}

TEST_F(ReferenceTest, NotifyDependentsReachesEveryLevelWhenPropagating) {
    Mtl* sub = Scene::Standard("sub");
    MultiMtl* multi = Scene::Multi(1);
    multi->SetSubMtl(0, sub);
    Holder top(1);
    top.ReplaceReference(0, multi);
    Holder direct(1);
    direct.ReplaceReference(0, sub);

    sub->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    EXPECT_EQ(top.messages, (std::vector<RefMessage>{REFMSG_CHANGE}));
    EXPECT_EQ(direct.messages, (std::vector<RefMessage>{REFMSG_CHANGE}));

    top.messages.clear();
    sub->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE, NOTIFY_ALL, FALSE);
    EXPECT_TRUE(top.messages.empty());
    top.ReplaceReference(0, nullptr);
}

TEST_F(ReferenceTest, OldGenerationsWalkOfDependentsEndsAtTheFirstEmptyEntry) {
    Mtl* m = Scene::Standard("m");
    Holder first(1), second(1), third(1);
    first.ReplaceReference(0, m);
    second.ReplaceReference(0, m);
    third.ReplaceReference(0, m);
    second.ReplaceReference(0, nullptr, FALSE);

    std::vector<ReferenceMaker*> walked;
    for (RefListItem* item = m->GetRefList().FirstItem(); item && item->maker; item = item->next)
        walked.push_back(item->maker);
    EXPECT_EQ(walked, (std::vector<ReferenceMaker*>{&first}));
    // The iterator skips the empty entry and goes on.
    EXPECT_EQ(Dependents(m), (std::vector<ReferenceMaker*>{&first, &third}));

    // The next new dependent compacts the list.
    Holder fourth(1);
    fourth.ReplaceReference(0, m);
    walked.clear();
    for (RefListItem* item = m->GetRefList().FirstItem(); item && item->maker; item = item->next)
        walked.push_back(item->maker);
    EXPECT_EQ(walked, (std::vector<ReferenceMaker*>{&first, &third, &fourth}));
    first.ReplaceReference(0, nullptr, FALSE);
    third.ReplaceReference(0, nullptr, FALSE);
    fourth.ReplaceReference(0, nullptr, TRUE);
}

TEST_F(ReferenceTest, IntegrityCheckCatchesAMakerThatBypassesTheHost) {
    // What a careless plug-in (or a host bug) could do; each case is mended
    // afterwards, so the check at teardown sees the scene in step again.
    struct Case {
        const char* what;
        void (*spoil)(Holder&, Mtl*);
        void (*mend)(Holder&, Mtl*);
        const char* problem;
    } cases[] = {
        {"a slot written directly", [](Holder& h, Mtl* m) { h.slots[0] = m; },
         [](Holder& h, Mtl*) { h.slots[0] = nullptr; }, "slots and host record disagree"},
        {"a slot emptied directly",
         [](Holder& h, Mtl* m) {
             h.ReplaceReference(0, m);
             h.slots[0] = nullptr;
         },
         [](Holder& h, Mtl* m) {
             h.slots[0] = m;
             h.ReplaceReference(0, nullptr, FALSE);
         },
         "a reference that no slot shows"},
        {"a dependent missing from the target's list",
         [](Holder& h, Mtl* m) {
             h.ReplaceReference(0, m);
             for (RefListItem* item = m->GetRefList().FirstItem(); item; item = item->next)
                 if (item->maker == &h) item->maker = nullptr;
         },
         [](Holder& h, Mtl* m) {
             for (RefListItem* item = m->GetRefList().FirstItem(); item; item = item->next)
                 if (!item->maker) item->maker = &h;
             h.ReplaceReference(0, nullptr, FALSE);
         },
         "dependents out of step"},
    };
    for (const Case& c : cases) {
        Mtl* m = Scene::Standard("m");
        Scene::Node(m);
        Holder holder(1);
        ASSERT_STREQ(StandIn::CheckReferenceIntegrity().data(), "") << c.what;
        c.spoil(holder, m);
        std::string problem = StandIn::CheckReferenceIntegrity().data();
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.what << ": " << problem;
        c.mend(holder, m);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "") << c.what;
    }
}

TEST_F(ReferenceTest, RecordedChangeOfAGoneMakerSparesANewMakerAtItsAddress) {
    Mtl* recorded = Scene::Standard("recorded");
    Mtl* kept = Scene::Standard("kept");
    Scene::Node(recorded);
    Scene::Node(kept);
    // One place for two makers, one after the other, as a heap may hand out
    // the memory of a deleted maker to the next one.
    alignas(Holder) unsigned char place[sizeof(Holder)];
    Holder* gone = new (place) Holder(1);
    theHold.Begin();
    gone->ReplaceReference(0, recorded);
    theHold.Accept("Reference");
    gone->~Holder();
    Holder* fresh = new (place) Holder(1);
    fresh->ReplaceReference(0, kept);

    EXPECT_TRUE(theHold.Undo());
    EXPECT_EQ(fresh->slots[0], kept);
    EXPECT_TRUE(TookDiagnostic("the maker of a recorded reference change is gone"));
    fresh->~Holder();
}

TEST_F(ReferenceTest, TargetDeletedDuringAWalkOfItsDependentsEndsTheWalk) {
    Mtl* m = Scene::Standard("m");
    Holder first(1), second(1);
    first.ReplaceReference(0, m);
    second.ReplaceReference(0, m);
    DependentIterator it(m);
    EXPECT_EQ(it.Next(), &first);
    m->DeleteThis();
    EXPECT_EQ(it.Next(), nullptr);
    EXPECT_TRUE(TookDiagnostic("target was deleted during the walk"));
    EXPECT_EQ(it.Next(), nullptr);
}

TEST_F(ReferenceTest, MakerDestroyedWithoutDeleteThisStillLetsGo) {
    Mtl* m = Scene::Standard("m");
    INode* node = Scene::Node(m);
    {
        Holder holder(1);
        holder.ReplaceReference(0, m);
    }
    EXPECT_EQ(Dependents(m), (std::vector<ReferenceMaker*>{node}));
}

}  // namespace
