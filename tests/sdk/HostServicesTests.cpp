// Host services the panels rely on: notifications, material collections, the
// progress bar, viewport display of maps and the redraw request.
#include <vector>

#include "HostTest.h"
#include "MtlLib.h"
#include "Notify.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

class HostServicesTest : public HostTest {};

std::vector<int>* heard = nullptr;

void Listen(void* param, NotifyInfo* info) {
    if (heard) heard->push_back(info->intcode * 100 + (param ? 1 : 0));
}

TEST_F(HostServicesTest, NotificationsReachTheirRegistrationsOnce) {
    std::vector<int> calls;
    heard = &calls;
    int tag = 0;
    EXPECT_EQ(RegisterNotification(Listen, nullptr, NOTIFY_FILE_PRE_OPEN), 1);
    EXPECT_EQ(RegisterNotification(Listen, nullptr, NOTIFY_FILE_PRE_OPEN), 0);
    EXPECT_EQ(RegisterNotification(Listen, &tag, NOTIFY_SYSTEM_PRE_NEW), 1);

    BroadcastNotification(NOTIFY_FILE_PRE_OPEN);
    BroadcastNotification(NOTIFY_SYSTEM_PRE_NEW);
    BroadcastNotification(NOTIFY_SYSTEM_PRE_RESET);
    EXPECT_EQ(calls, (std::vector<int>{900, 701}));

    EXPECT_EQ(UnRegisterNotification(Listen, nullptr, NOTIFY_FILE_PRE_OPEN), 1);
    EXPECT_EQ(UnRegisterNotification(Listen, &tag, NOTIFY_SYSTEM_PRE_NEW), 1);
    EXPECT_EQ(UnRegisterNotification(Listen, &tag, NOTIFY_SYSTEM_PRE_NEW), 0);
    BroadcastNotification(NOTIFY_FILE_PRE_OPEN);
    EXPECT_EQ(calls.size(), 2u);
    heard = nullptr;
}

TEST_F(HostServicesTest, CollectionHoldsEachMaterialOnceAndKeepsItAlive) {
    StdMtl* a = Scene::Standard("a");
    StdMtl* b = Scene::Standard("b");
    INode* node = Scene::Node(a);
    {
        MtlBaseLib lib;
        EXPECT_EQ(lib.AddMtl(a), 0);
        EXPECT_EQ(lib.AddMtl(b), 1);
        EXPECT_EQ(lib.AddMtl(a), 0);
        EXPECT_EQ(lib.AddMtl(nullptr), -1);
        EXPECT_EQ(lib.Count(), 2);
        EXPECT_EQ(lib.FindMtl(b), 1);
        EXPECT_EQ(lib.FindMtl(nullptr), -1);
        node->SetMtl(nullptr);
        EXPECT_TRUE(StandIn::IsLive(a));
        EXPECT_EQ(theHold.NumUndoSteps(), 0);
    }
    // Nothing else referenced them.
    EXPECT_FALSE(StandIn::IsLive(a));
    EXPECT_FALSE(StandIn::IsLive(b));
}

TEST_F(HostServicesTest, CollectionEntryOfADeletedMaterialEmpties) {
    StdMtl* a = Scene::Standard("a");
    MtlBaseLib lib;
    lib.AddMtl(a);
    a->DeleteThis();
    EXPECT_EQ(lib[0], nullptr);
    EXPECT_EQ(lib.FindMtl(a), -1);
}

TEST_F(HostServicesTest, ProgressRecordsUpdatesAndCancelsWhenTold) {
    struct Row {
        int cancelAfter;
        std::vector<bool> cancelSeen;
    } rows[] = {{0, {false, false, false}}, {1, {true, true, true}}, {2, {false, true, true}}};
    for (const Row& row : rows) {
        StandIn::CancelProgressAfterUpdates(row.cancelAfter);
        ASSERT_TRUE(ip->ProgressStart("work", TRUE, nullptr, nullptr));
        EXPECT_TRUE(StandIn::ProgressRunning());
        std::vector<bool> seen;
        for (int pct : {10, 20, 30}) {
            ip->ProgressUpdate(pct);
            seen.push_back(ip->GetCancel() != FALSE);
        }
        ip->ProgressEnd();
        EXPECT_EQ(seen, row.cancelSeen) << "cancel after " << row.cancelAfter;
        EXPECT_EQ(StandIn::ProgressUpdates(), (std::vector<int>{10, 20, 30}));
        EXPECT_FALSE(StandIn::ProgressRunning());
        StandIn::CancelProgressAfterUpdates(0);
    }
}

TEST_F(HostServicesTest, ProgressMisuseIsReported) {
    ip->ProgressUpdate(5);
    EXPECT_TRUE(TookDiagnostic("ProgressUpdate(5) without ProgressStart"));
    ip->ProgressEnd();
    EXPECT_TRUE(TookDiagnostic("ProgressEnd without ProgressStart"));
    ip->ProgressStart("a", TRUE, nullptr, nullptr);
    ip->ProgressStart("b", TRUE, nullptr, nullptr);
    EXPECT_TRUE(TookDiagnostic("while a progress bar runs"));
    ip->ProgressEnd();
}

TEST_F(HostServicesTest, TextureDisplayIsShownAndTakenAway) {
    StdMtl* parent = Scene::Standard("parent");
    StdMtl* shown = Scene::Standard("shown");
    ip->ActivateTexture(shown, parent, 2);
    EXPECT_TRUE(StandIn::IsTextureActive(shown, parent, 2));
    EXPECT_FALSE(StandIn::IsTextureActive(shown, parent, 1));
    EXPECT_TRUE(shown->TestMtlFlag(MTL_TEX_DISPLAY_ENABLED));
    ip->DeActivateTexture(shown, parent, 2);
    EXPECT_FALSE(StandIn::IsTextureActive(shown, parent, 2));
    EXPECT_FALSE(shown->TestMtlFlag(MTL_TEX_DISPLAY_ENABLED));
    ip->ActivateTexture(nullptr, parent, 0);
    EXPECT_TRUE(TookDiagnostic("ActivateTexture: no map"));
    parent->DeleteThis();
    shown->DeleteThis();
}

TEST_F(HostServicesTest, CompleteRedrawsAreCounted) {
    int before = StandIn::CompleteRedrawCount();
    ip->ForceCompleteRedraw(TRUE);
    ip->ForceCompleteRedraw(FALSE);
    EXPECT_EQ(StandIn::CompleteRedrawCount(), before + 2);
}

TEST_F(HostServicesTest, CoreInterface7IsTheCoreInterface) {
    EXPECT_EQ(static_cast<Interface*>(GetCOREInterface7()), GetCOREInterface());
}

}  // namespace
