// The undo hold: records, named steps, undo and redo, suspension, and the
// deferred deletion of objects that a step still needs.
#include <string>
#include <vector>

#include "HostTest.h"
#include "MultiMtl.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

// Appends its mark to a shared journal when restored or redone.
class JournalRestore : public RestoreObj {
public:
    JournalRestore(std::vector<std::string>& j, const char* m) : journal(j), mark(m) {}
    void Restore(int) override {
        journal.push_back(std::string("undo ") + mark +
                          (theHold.RestoreOrRedoing() ? "" : " (not restoring?)"));
    }
    void Redo() override { journal.push_back(std::string("redo ") + mark); }
    CStr Description() override { return CStr(mark); }

private:
    std::vector<std::string>& journal;
    const char* mark;
};

class HoldTest : public HostTest {};

TEST_F(HoldTest, AcceptedRecordsFormOneNamedStepUndoneInReverseAndRedoneInOrder) {
    std::vector<std::string> journal;
    theHold.Begin();
    theHold.Put(new JournalRestore(journal, "a"));
    theHold.Put(new JournalRestore(journal, "b"));
    theHold.Accept("Two Things");

    ASSERT_EQ(theHold.NumUndoSteps(), 1);
    EXPECT_STREQ(theHold.UndoStepName(0).data(), "Two Things");
    EXPECT_EQ(theHold.UndoStepSize(0), 2);

    EXPECT_TRUE(theHold.Undo());
    EXPECT_TRUE(theHold.Redo());
    EXPECT_EQ(journal, (std::vector<std::string>{"undo b", "undo a", "redo a", "redo b"}));
}

TEST_F(HoldTest, NestedHoldJoinsTheOuterOneAndAnEmptyHoldMakesNoStep) {
    std::vector<std::string> journal;
    theHold.Begin();
    theHold.Accept("Nothing");
    EXPECT_EQ(theHold.NumUndoSteps(), 0);

    theHold.Begin();
    theHold.Put(new JournalRestore(journal, "outer"));
    theHold.Begin();
    theHold.Put(new JournalRestore(journal, "inner"));
    theHold.Accept("Inner");
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
    theHold.Accept("Outer");
    ASSERT_EQ(theHold.NumUndoSteps(), 1);
    EXPECT_STREQ(theHold.UndoStepName(0).data(), "Outer");
    EXPECT_EQ(theHold.UndoStepSize(0), 2);
}

TEST_F(HoldTest, CancelRestoresAndDropsTheRecords) {
    std::vector<std::string> journal;
    theHold.Begin();
    theHold.Put(new JournalRestore(journal, "a"));
    theHold.Cancel();
    EXPECT_EQ(journal, (std::vector<std::string>{"undo a"}));
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
}

TEST_F(HoldTest, SuspensionStopsRecordingForItsScope) {
    theHold.Begin();
    EXPECT_TRUE(theHold.Holding());
    {
        SuspendAll suspend(TRUE, TRUE);
        EXPECT_FALSE(theHold.Holding());
        EXPECT_FALSE(macroRecorder->Enabled());
        {
            SuspendAll inner(TRUE, FALSE);
            EXPECT_FALSE(theHold.Holding());
        }
        EXPECT_FALSE(theHold.Holding());
    }
    EXPECT_TRUE(theHold.Holding());
    EXPECT_TRUE(macroRecorder->Enabled());

    SuspendAll early(TRUE, FALSE);
    early.Resume();
    EXPECT_TRUE(theHold.Holding());
    theHold.Accept("x");
}

TEST_F(HoldTest, PutOutsideAHoldIsReportedAndTheRecordDropped) {
    std::vector<std::string> journal;
    theHold.Put(new JournalRestore(journal, "stray"));
    EXPECT_TRUE(TookDiagnostic("not holding"));
    theHold.Begin();
    {
        SuspendAll suspend(TRUE);
        theHold.Put(new JournalRestore(journal, "suspended"));
        EXPECT_TRUE(TookDiagnostic("not holding"));
    }
    theHold.Accept("x");
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
}

TEST_F(HoldTest, ReferenceChangesWhileHoldingAreUndoneAndRedone) {
    Mtl* oldMtl = Scene::Standard("old");
    Mtl* newMtl = Scene::Standard("new");
    INode* node = Scene::Node(oldMtl);

    theHold.Begin();
    node->SetMtl(newMtl);
    theHold.Accept("Swap");

    // The old material lost its last reference, but the step still needs it.
    ASSERT_TRUE(StandIn::IsLive(oldMtl));
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(node->GetMtl(), oldMtl);
    ASSERT_TRUE(StandIn::IsLive(newMtl));
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(node->GetMtl(), newMtl);
    EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
}

TEST_F(HoldTest, AnObjectKeptForUndoIsDeletedWhenTheStepGoes) {
    Mtl* oldMtl = Scene::Standard("old");
    INode* node = Scene::Node(oldMtl);
    theHold.Begin();
    node->SetMtl(Scene::Standard("new"));
    theHold.Accept("Swap");
    ASSERT_TRUE(StandIn::IsLive(oldMtl));

    // A new step after nothing was undone keeps the old one: still alive.
    theHold.Begin();
    node->SetObjectRef(Scene::Standard("object"));
    theHold.Accept("Other");
    EXPECT_TRUE(StandIn::IsLive(oldMtl));

    theHold.Reset();
    EXPECT_FALSE(StandIn::IsLive(oldMtl));
}

TEST_F(HoldTest, UndoneChangeThatIsOverwrittenReleasesTheRedoSide) {
    Mtl* oldMtl = Scene::Standard("old");
    Mtl* newMtl = Scene::Standard("new");
    INode* node = Scene::Node(oldMtl);
    theHold.Begin();
    node->SetMtl(newMtl);
    theHold.Accept("Swap");
    ASSERT_TRUE(theHold.Undo());
    ASSERT_TRUE(StandIn::IsLive(newMtl));

    // A new step throws the redo away, and with it the last need of newMtl.
    theHold.Begin();
    node->SetObjectRef(Scene::Standard("object"));
    theHold.Accept("Other");
    EXPECT_EQ(theHold.NumRedoSteps(), 0);
    EXPECT_FALSE(StandIn::IsLive(newMtl));
    EXPECT_EQ(node->GetMtl(), oldMtl);
}

TEST_F(HoldTest, ChangesMadeWhileSuspendedAreNotRecorded) {
    Mtl* oldMtl = Scene::Standard("old");
    INode* node = Scene::Node(oldMtl);
    theHold.Begin();
    {
        SuspendAll suspend(TRUE);
        node->SetMtl(Scene::Standard("new"));
    }
    theHold.Accept("Nothing recorded");
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
    // Not needed by any record: deleted at once.
    EXPECT_FALSE(StandIn::IsLive(oldMtl));
}

TEST_F(HoldTest, DeletingAReferencedObjectWhileHoldingUndoesAndRedoes) {
    // Last, the step is dropped either undone (the material lives on in the
    // scene) or redone (it goes, with what only it held).
    for (bool undoneAtEnd : {true, false}) {
        SCOPED_TRACE(undoneAtEnd ? "undone at the end" : "redone at the end");
        MultiMtl* m = Scene::Multi(2, "used");
        Mtl* sub = Scene::Standard("sub");
        m->SetSubMtl(1, sub);
        INode* a = Scene::Node(m);
        INode* b = Scene::Node(m);
        Scene::Slot(2, m);

        theHold.Begin();
        m->DeleteThis();
        theHold.Accept("Delete");
        EXPECT_TRUE(m->IsDeleted());
        EXPECT_EQ(a->GetMtl(), nullptr);
        EXPECT_EQ(b->GetMtl(), nullptr);
        EXPECT_EQ(ip->GetMtlSlot(2), nullptr);
        EXPECT_TRUE(StandIn::IsLive(sub));  // kept for undo
        EXPECT_FALSE(sub->HasDependents());

        ASSERT_TRUE(theHold.Undo());
        ASSERT_TRUE(StandIn::IsLive(m));
        EXPECT_FALSE(m->IsDeleted());
        EXPECT_EQ(a->GetMtl(), m);
        EXPECT_EQ(b->GetMtl(), m);
        EXPECT_EQ(ip->GetMtlSlot(2), m);
        EXPECT_EQ(m->GetSubMtl(1), sub);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");

        ASSERT_TRUE(theHold.Redo());
        EXPECT_TRUE(m->IsDeleted());
        EXPECT_EQ(a->GetMtl(), nullptr);
        EXPECT_EQ(ip->GetMtlSlot(2), nullptr);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");

        if (undoneAtEnd) {
            ASSERT_TRUE(theHold.Undo());
        }
        theHold.Reset();
        EXPECT_EQ(StandIn::IsLive(m), undoneAtEnd);
        EXPECT_EQ(StandIn::IsLive(sub), undoneAtEnd);
        if (undoneAtEnd) {
            EXPECT_EQ(a->GetMtl(), m);
        }
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        for (const CStr& d : StandIn::TakeDiagnostics()) ADD_FAILURE() << d.data();
    }
}

TEST_F(HoldTest, ExplicitDeleteOfAnObjectAStepNeedsIsDeferred) {
    Mtl* m = Scene::Standard("m");
    INode* node = Scene::Node(m);
    theHold.Begin();
    node->SetMtl(nullptr);
    theHold.Accept("Clear");
    m->DeleteThis();
    EXPECT_TRUE(m->IsDeleted());
    // Undoing cannot bring a deleted object back; the step reports it.
    EXPECT_TRUE(theHold.Undo());
    EXPECT_TRUE(TookDiagnostic("was deleted"));
    EXPECT_EQ(node->GetMtl(), nullptr);
    theHold.Reset();
    EXPECT_FALSE(StandIn::IsLive(m));
}

}  // namespace
