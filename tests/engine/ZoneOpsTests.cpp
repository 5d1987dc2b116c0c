// The zone setters: each writes its own parameter, the zone number stays
// within 1 to 8, and a missing zone is left alone.
#include <climits>

#include "HostTest.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

class ZoneOpsTest : public HostTest {};

TEST_F(ZoneOpsTest, SettersWriteTheirParametersAtTheGivenTime) {
    ReferenceTarget* zone = CreateZone();
    ASSERT_NE(zone, nullptr);
    IParamBlock2* pb = GetZoneParams(zone);
    ASSERT_NE(pb, nullptr);
    SetZoneStart(zone, 12.5f, 0);
    SetZoneEnd(zone, 80.0f, 0);
    SetZoneColor(zone, Color(0.1f, 0.2f, 0.3f), 0);
    SetZoneBlendMode(zone, 3, 0);
    EXPECT_EQ(pb->GetFloat(VRN3_ZONE_START), 12.5f);
    EXPECT_EQ(pb->GetFloat(VRN3_ZONE_END), 80.0f);
    EXPECT_EQ(pb->GetColor(VRN3_ZONE_COLOR), Color(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(pb->GetInt(VRN3_ZONE_BLEND_MODE), 3);
    zone->DeleteThis();
}

TEST_F(ZoneOpsTest, ZoneNumberIsKPlusOneWithinOneToEight) {
    struct Row {
        int k, expected;
    } rows[] = {{0, 1},  {1, 2},  {6, 7}, {7, 8},       {9, 8},
                {-1, 1}, {-5, 1}, {3, 4}, {INT_MAX, 8}, {INT_MIN, 1}};
    ReferenceTarget* zone = CreateZone();
    ASSERT_NE(zone, nullptr);
    for (const Row& row : rows) {
        SetZoneNumber(zone, row.k, 0);
        EXPECT_EQ(GetZoneParams(zone)->GetInt(VRN3_ZONE_NUMBER), row.expected) << "k = " << row.k;
    }
    zone->DeleteThis();
}

TEST_F(ZoneOpsTest, NullZoneIsLeftAlone) {
    EXPECT_EQ(GetZoneParams(nullptr), nullptr);
    SetZoneStart(nullptr, 1.0f, 0);
    SetZoneEnd(nullptr, 1.0f, 0);
    SetZoneColor(nullptr, Color(), 0);
    SetZoneBlendMode(nullptr, 3, 0);
    SetZoneNumber(nullptr, 2, 0);
}

}  // namespace
