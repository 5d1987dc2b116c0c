// The Varnel 3 interface calls: lists handed over in order, the caller's list
// left intact, and objects without the interface left alone.
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "OutsideContract.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

class InterfaceCallsTest : public HostTest {
protected:
    ReferenceTarget* NewZone() {
        return static_cast<ReferenceTarget*>(
            ip->CreateInstance(REF_TARGET_CLASS_ID, VRN3_ZONE_CLASS_ID));
    }
    ReferenceTarget* NewStroke() {
        return static_cast<ReferenceTarget*>(
            static_cast<Texmap*>(ip->CreateInstance(TEXMAP_CLASS_ID, VRN3_STROKE_CLASS_ID)));
    }
};

TEST_F(InterfaceCallsTest, MaterialZonesAreReplacedInOrderAndTheListStaysTheCallers) {
    Mtl* m = Scene::Vrn3();
    ASSERT_EQ(GetMtlZoneCount(m), 2);
    ReferenceTarget* oldZone = GetMtlZone(m, 0);

    RefTargetTab zones;
    ReferenceTarget* made[3] = {NewZone(), NewZone(), NewZone()};
    zones.Append(3, made);
    SetMtlZones(m, zones);

    ASSERT_EQ(zones.Count(), 3);  // freed neither by the call nor its parameters
    EXPECT_EQ(GetMtlZoneCount(m), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(GetMtlZone(m, i), made[i]) << i;
    EXPECT_EQ(GetMtlZone(m, 3), nullptr);
    EXPECT_EQ(GetMtlZone(m, -1), nullptr);
    EXPECT_FALSE(StandIn::IsLive(oldZone));  // the default zones went with the old list

    RefTargetTab none;
    SetMtlZones(m, none);
    EXPECT_EQ(GetMtlZoneCount(m), 0);
    m->DeleteThis();
}

TEST_F(InterfaceCallsTest, ZoneStrokesMayHoldEmptyEntries) {
    ReferenceTarget* zone = NewZone();
    EXPECT_EQ(GetZoneStrokeCount(zone), 1);
    ReferenceTarget* s = NewStroke();
    ReferenceTarget* entries[3] = {s, nullptr, s};
    RefTargetTab strokes;
    strokes.Append(3, entries);
    SetZoneStrokes(zone, strokes);
    EXPECT_EQ(GetZoneStrokeCount(zone), 3);
    EXPECT_EQ(GetZoneStroke(zone, 0), s);
    EXPECT_EQ(GetZoneStroke(zone, 1), nullptr);
    EXPECT_EQ(GetZoneStroke(zone, 2), s);
    zone->DeleteThis();
    EXPECT_FALSE(StandIn::IsLive(s));
}

TEST_F(InterfaceCallsTest, ObjectsWithoutTheInterfaceAreLeftAlone) {
    StdMtl* standard = Scene::Standard();
    ReferenceTarget* zone = NewZone();
    RefTargetTab list;
    list.Append(1, &zone);

    SetMtlZones(standard, list);
    SetZoneStrokes(standard, list);
    SetLineSets(standard, list);
    SetMtlZones(nullptr, list);
    EXPECT_EQ(GetMtlZoneCount(standard), 0);
    EXPECT_EQ(GetMtlZone(standard, 0), nullptr);
    EXPECT_EQ(GetZoneStrokeCount(standard), 0);
    EXPECT_EQ(GetZoneStroke(nullptr, 0), nullptr);
    EXPECT_FALSE(zone->HasDependents());
    zone->DeleteThis();
    standard->DeleteThis();
}

}  // namespace
