#include <gtest/gtest.h>

#include "ConversionRegistry.h"

namespace {

// The registry only compares addresses; it never touches the objects.
ReferenceTarget* Fake(int i) {
    static char storage[16];
    return reinterpret_cast<ReferenceTarget*>(storage + i);
}

TEST(ConversionRegistryTest, UnknownSourceGivesNull) {
    ConversionRegistry r;
    EXPECT_EQ(r.FindConverted(Fake(0)), nullptr);
    r.AddConverted(Fake(1), Fake(2));
    EXPECT_EQ(r.FindConverted(Fake(0)), nullptr);
    EXPECT_EQ(r.FindConverted(Fake(2)), nullptr);  // converted objects are not sources
}

TEST(ConversionRegistryTest, FirstRegistrationWinsAndPairsOnlyAppend) {
    ConversionRegistry r;
    r.AddConverted(Fake(1), Fake(2));
    r.AddConverted(Fake(3), Fake(4));
    r.AddConverted(Fake(1), Fake(5));
    EXPECT_EQ(r.FindConverted(Fake(1)), Fake(2));
    EXPECT_EQ(r.FindConverted(Fake(3)), Fake(4));
    ASSERT_EQ(r.Count(), 3);
    EXPECT_EQ(r.Pair(2).first, Fake(1));
    EXPECT_EQ(r.Pair(2).second, Fake(5));
}

TEST(ConversionRegistryTest, WithdrawnObjectIsNeverAnsweredAgain) {
    ConversionRegistry r;
    r.AddConverted(Fake(1), Fake(2));
    r.AddConverted(Fake(3), Fake(2));
    r.AddConverted(Fake(4), Fake(5));
    r.Withdraw(Fake(2));
    EXPECT_EQ(r.FindConverted(Fake(1)), nullptr);
    EXPECT_EQ(r.FindConverted(Fake(3)), nullptr);
    EXPECT_EQ(r.FindConverted(Fake(4)), Fake(5));
    // The pairs stay; a later conversion of the same source answers from now on.
    EXPECT_EQ(r.Count(), 3);
    r.AddConverted(Fake(1), Fake(6));
    r.AddConverted(Fake(1), Fake(7));
    EXPECT_EQ(r.FindConverted(Fake(1)), Fake(6));
    EXPECT_EQ(r.Count(), 5);
}

TEST(ConversionRegistryTest, WithdrawingAnUnknownObjectChangesNothing) {
    ConversionRegistry r;
    r.AddConverted(Fake(1), Fake(2));
    r.Withdraw(Fake(1));  // a source, not a converted object
    r.Withdraw(Fake(9));
    EXPECT_EQ(r.FindConverted(Fake(1)), Fake(2));
}

}  // namespace
