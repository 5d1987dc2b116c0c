// Function-publishing parameters own the tables they are handed.
#include "HostTest.h"

namespace {

class FunctionPublishingTest : public HostTest {};

TEST_F(FunctionPublishingTest, ParametersAreReadAsTheyWereGiven) {
    Tab<ReferenceTarget*>* table = new Tab<ReferenceTarget*>;
    FPParams p(3, TYPE_INT, 7, TYPE_FLOAT, 0.5, TYPE_REFTARG_TAB_BR, table);
    ASSERT_EQ(p.params.Count(), 3);
    EXPECT_EQ(p.params[0].type, TYPE_INT);
    EXPECT_EQ(p.params[0].i, 7);
    EXPECT_FLOAT_EQ(p.params[1].f, 0.5f);
    EXPECT_EQ(p.params[2].type, TYPE_REFTARG_TAB_BR);
    EXPECT_EQ(p.params[2].r_tab, table);
    // Not detached: the parameter object frees the table (the sanitizers of the
    // native build would report a leak otherwise).
}

TEST_F(FunctionPublishingTest, DetachLeavesTheTableToTheCaller) {
    Tab<ReferenceTarget*> table;
    ReferenceTarget* none = nullptr;
    table.Append(1, &none);
    {
        FPParams p(1, TYPE_REFTARG_TAB_BR, &table);
        p.Detach();
        EXPECT_EQ(p.params[0].r_tab, nullptr);
    }
    // Still the caller's, intact.
    EXPECT_EQ(table.Count(), 1);
}

TEST_F(FunctionPublishingTest, UnsupportedParameterTypeIsReported) {
    FPParams p(1, TYPE_POINT3, nullptr);
    EXPECT_TRUE(TookDiagnostic("not supported"));
    EXPECT_EQ(p.params[0].type, -1);
}

}  // namespace
