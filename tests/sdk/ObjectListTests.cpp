// Object lists of the outside plug-ins (a Varnel 3 material's zones, a zone's
// strokes): a change of the list, its length included, undoes and redoes as
// one, with the references in step all the way.
#include <algorithm>
#include <vector>

#include "HostTest.h"
#include "SceneBuilder.h"
#include "Vrn3Mtl.h"
#include "Vrn3Stroke.h"
#include "Vrn3Zone.h"

namespace {

typedef std::vector<ReferenceTarget*> Objects;

// Calls the list interface's set function the way a plug-in does: the table
// is the caller's and is detached before the parameters go.
void SetList(ReferenceTarget* owner, Interface_ID iid, FunctionID setFn, const Objects& l) {
    FPInterface* fi = static_cast<FPInterface*>(owner->GetInterface(iid));
    ASSERT_NE(fi, nullptr);
    Tab<ReferenceTarget*> table;
    for (ReferenceTarget* t : l) table.Append(1, &t);
    FPParams p(1, TYPE_REFTARG_TAB_BR, &table);
    EXPECT_EQ(fi->Invoke(setFn, &p), FPS_OK);
    p.Detach();
}

Objects ListOf(const ObjectList& l) {
    Objects out;
    for (int i = 0; i < l.Count(); ++i) out.push_back(l.Get(i));
    return out;
}

// Which objects of the list before and of the new ones make the list after:
// an index below 0 names new object -1 - index.
struct ListCase {
    const char* what;
    std::vector<int> after;
};

const ListCase listCases[] = {
    {"grow by one at the end", {0, 1, -1}},
    {"grow by two in front", {-1, -2, 0, 1}},
    {"shrink to the first", {0}},
    {"shrink to the second", {1}},
    {"reorder", {1, 0}},
    {"reorder and grow", {1, -1, 0}},
    {"empty", {}},
    {"the same object twice", {0, 0}},
};

Objects Build(const ListCase& c, const Objects& before, const Objects& made) {
    Objects out;
    for (int k : c.after)
        out.push_back(k >= 0 ? before[static_cast<size_t>(k)] : made[static_cast<size_t>(-1 - k)]);
    return out;
}

class ObjectListTest : public HostTest {};

TEST_F(ObjectListTest, ZoneListChangesUndoAndRedoWithTheirLength) {
    for (const ListCase& c : listCases) {
        SCOPED_TRACE(c.what);
        Vrn3Mtl* mtl = static_cast<Vrn3Mtl*>(Scene::Vrn3("m"));
        Scene::Node(mtl);
        Objects before = ListOf(mtl->Zones());
        ASSERT_EQ(before.size(), 2u);
        int refsBefore = mtl->NumRefs();
        Objects made;
        for (int k : c.after)
            while (k < 0 && static_cast<int>(made.size()) < -k) made.push_back(new Vrn3Zone);
        Objects after = Build(c, before, made);

        theHold.Begin();
        SetList(mtl, Vrn3Mtl::ZONE_LIST_INTERFACE_ID, 1, after);
        theHold.Accept("Zones");
        EXPECT_EQ(ListOf(mtl->Zones()), after);
        EXPECT_EQ(mtl->NumRefs(), refsBefore - 2 + static_cast<int>(after.size()));

        // Zones that left the list are kept for undo.
        for (ReferenceTarget* z : before) EXPECT_TRUE(StandIn::IsLive(z));
        ASSERT_TRUE(theHold.Undo());
        EXPECT_EQ(ListOf(mtl->Zones()), before);
        EXPECT_EQ(mtl->NumRefs(), refsBefore);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");

        ASSERT_TRUE(theHold.Redo());
        EXPECT_EQ(ListOf(mtl->Zones()), after);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        for (int i = 0; i < mtl->Zones().Count(); ++i)
            EXPECT_EQ(mtl->GetReference(Vrn3Mtl::FIRST_ZONE_REF + i),
                      after[static_cast<size_t>(i)]);

        // Once the step is gone, what is in no list any more goes too.
        theHold.Reset();
        for (ReferenceTarget* z : before)
            EXPECT_EQ(StandIn::IsLive(z), std::find(after.begin(), after.end(), z) != after.end());
        for (ReferenceTarget* z : made) EXPECT_TRUE(StandIn::IsLive(z));
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        for (const CStr& d : StandIn::TakeDiagnostics()) ADD_FAILURE() << d.data();
    }
}

TEST_F(ObjectListTest, StrokeListChangesUndoWithTheZonesSwitchTable) {
    struct Case {
        const char* what;
        int strokes;
    } cases[] = {{"grow to three", 3}, {"shrink to none", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Vrn3Zone* zone = new Vrn3Zone;
        Vrn3Mtl* mtl = static_cast<Vrn3Mtl*>(Scene::Vrn3("m"));
        SetList(mtl, Vrn3Mtl::ZONE_LIST_INTERFACE_ID, 1, {zone});
        Scene::Node(mtl);
        IParamBlock2* pb = zone->GetParamBlock(0);
        Objects before = ListOf(zone->Strokes());
        ASSERT_EQ(before.size(), 1u);
        ASSERT_EQ(pb->Count(9), 1);
        pb->SetValue(9, 0, 0, 0);
        Objects after;
        for (int i = 0; i < c.strokes; ++i) after.push_back(i == 0 ? before[0] : new Vrn3Stroke);

        theHold.Begin();
        SetList(zone, Vrn3Zone::STROKE_LIST_INTERFACE_ID, 0, after);
        theHold.Accept("Strokes");
        EXPECT_EQ(ListOf(zone->Strokes()), after);
        EXPECT_EQ(pb->Count(9), c.strokes);

        ASSERT_TRUE(theHold.Undo());
        EXPECT_EQ(ListOf(zone->Strokes()), before);
        ASSERT_EQ(pb->Count(9), 1);
        EXPECT_EQ(pb->GetInt(9, 0, 0), 0);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");

        ASSERT_TRUE(theHold.Redo());
        EXPECT_EQ(ListOf(zone->Strokes()), after);
        EXPECT_EQ(pb->Count(9), c.strokes);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        theHold.Reset();
        for (const CStr& d : StandIn::TakeDiagnostics()) ADD_FAILURE() << d.data();
    }
}

}  // namespace
