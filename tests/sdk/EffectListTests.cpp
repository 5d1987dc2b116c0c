// The scene's render effects: an ordered list that references its effects,
// with additions and deletions undoable as one step.
#include "HostTest.h"

namespace {

class TestEffect : public Effect {
public:
    Class_ID ClassID() override { return Class_ID(0x7e57, 0xeffe); }
};

class EffectListTest : public HostTest {
protected:
    std::vector<Effect*> Effects() {
        std::vector<Effect*> out;
        for (int i = 0; i < ip->NumEffects(); ++i) out.push_back(ip->GetEffect(i));
        return out;
    }
};

TEST_F(EffectListTest, AddAndDeleteKeepOrderAndOwnership) {
    Effect* a = new TestEffect;
    Effect* b = new TestEffect;
    ip->AddEffect(a);
    ip->AddEffect(b);
    EXPECT_EQ(Effects(), (std::vector<Effect*>{a, b}));
    EXPECT_TRUE(a->HasDependents());
    ip->DeleteEffect(0);
    EXPECT_EQ(Effects(), (std::vector<Effect*>{b}));
    EXPECT_FALSE(StandIn::IsLive(a));  // referenced by nothing else: deleted

    ip->DeleteEffect(5);
    EXPECT_TRUE(TookDiagnostic("no such effect"));
    EXPECT_EQ(ip->GetEffect(1), nullptr);
    EXPECT_TRUE(TookDiagnostic("no such effect"));
}

TEST_F(EffectListTest, ChangesInOneHoldUndoTogether) {
    Effect* old = new TestEffect;
    ip->AddEffect(old);
    Effect* added = new TestEffect;

    theHold.Begin();
    ip->AddEffect(added);
    ip->DeleteEffect(0);
    theHold.Accept("Effects");
    EXPECT_EQ(Effects(), (std::vector<Effect*>{added}));
    ASSERT_TRUE(StandIn::IsLive(old));  // the step still needs it

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(Effects(), (std::vector<Effect*>{old}));
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(Effects(), (std::vector<Effect*>{added}));
    theHold.Reset();
    EXPECT_FALSE(StandIn::IsLive(old));
}

TEST_F(EffectListTest, ActiveFollowsTheDisabledFlag) {
    TestEffect e;
    EXPECT_TRUE(e.Active(0));
    e.SetAFlag(A_DISABLED);
    EXPECT_FALSE(e.Active(0));
    e.SetName("Line");
    EXPECT_STREQ(e.GetName().data(), "Line");
}

}  // namespace
