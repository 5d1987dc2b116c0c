// Float-to-int conversions: percents round halves up, and no float, however
// large or undefined, makes the conversion undefined.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "FloatToInt.h"

namespace {

const float inf = std::numeric_limits<float>::infinity();
const float nan = std::numeric_limits<float>::quiet_NaN();

TEST(FloatToIntTest, TruncatesTowardZeroAndSaturates) {
    struct Row {
        const char* name;
        float v;
        int expected;
    } rows[] = {
        {"zero", 0.0f, 0},
        {"positive fraction", 2.9f, 2},
        {"negative fraction", -2.9f, -2},
        {"largest float below 2^31", 2147483520.0f, 2147483520},
        {"2^31", 2147483648.0f, INT_MAX},
        {"huge", 1e30f, INT_MAX},
        {"infinity", inf, INT_MAX},
        {"-2^31", -2147483648.0f, INT_MIN},
        {"negative huge", -1e30f, INT_MIN},
        {"negative infinity", -inf, INT_MIN},
        {"NaN", nan, 0},
    };
    for (const Row& row : rows) EXPECT_EQ(TruncToInt(row.v), row.expected) << row.name;
}

TEST(FloatToIntTest, PercentRoundsHalvesUpAndSaturates) {
    struct Row {
        const char* name;
        float x;
        int expected;
    } rows[] = {
        {"specular level 0.125", 0.125f, 13},
        {"glossiness 0.3", 0.3f, 30},
        {"zero", 0.0f, 0},
        {"one", 1.0f, 100},
        {"just below a half", 0.00499f, 0},
        {"a half percent", 0.005f, 1},
        {"above one", 2.5f, 250},
        {"small negative rounds toward zero", -0.004f, 0},
        {"negative", -0.3f, -29},
        {"huge", 1e30f, INT_MAX},
        {"negative huge", -1e30f, INT_MIN},
        {"NaN", nan, 0},
    };
    for (const Row& row : rows) EXPECT_EQ(PercentOf(row.x), row.expected) << row.name;
}

}  // namespace
