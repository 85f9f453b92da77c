#include "tester/calculation_rules_page_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/memory_settings_store.h"
#include "tester/test_data.h"

namespace {

struct PointsCase {
    const char* typed;
    bool accepted;
    int stored;
};

class CalculationRulesLeave : public testing::TestWithParam<PointsCase> {};

TEST_P(CalculationRulesLeave, OnlyAPositiveNumberLeavesThePageAndIsStored) {
    const PointsCase& c = GetParam();
    TestData data;
    MemorySettingsStore settings;
    CalculationRulesPageModel page(data, settings, true);
    page.pointsPerError = c.typed;
    std::optional<PageProblem> problem = page.CheckLeave();
    if (!c.accepted) {
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->message, "Insert or select a positive integer.");
        EXPECT_EQ(problem->field, 1030);
        return;
    }
    ASSERT_FALSE(problem.has_value());
    page.Apply();
    EXPECT_EQ(data.pointsPerError, c.stored);
    EXPECT_EQ(settings.ReadInt("", "ErrorMinusHits", -1), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CalculationRulesLeave,
    testing::Values(PointsCase{"10", true, 10}, PointsCase{"200", true, 200},
                    PointsCase{"1", true, 1}, PointsCase{"9999", true, 9999},
                    // C's conversion: the leading digits count.
                    PointsCase{"25x", true, 25}, PointsCase{" 7", true, 7},
                    PointsCase{"0", false, 0}, PointsCase{"", false, 0},
                    PointsCase{"abc", false, 0},
                    // A negative cost would raise the net speed with every error.
                    PointsCase{"-10", false, 0}, PointsCase{"-1", false, 0}));

TEST(CalculationRulesPage, EditableFormStartsFromTheSettingWithTheTestValueAsDefault) {
    TestData data;
    data.pointsPerError = 33;
    MemorySettingsStore settings;
    EXPECT_EQ(CalculationRulesPageModel(data, settings, true).pointsPerError, "33");
    settings.WriteInt("", "ErrorMinusHits", 50);
    EXPECT_EQ(CalculationRulesPageModel(data, settings, true).pointsPerError, "50");
}

TEST(CalculationRulesPage, ReadOnlyFormShowsTheTestValueAndChecksNothing) {
    TestData data;
    data.pointsPerError = 100;
    MemorySettingsStore settings;
    settings.WriteInt("", "ErrorMinusHits", 50);
    CalculationRulesPageModel page(data, settings, false);
    EXPECT_EQ(page.pointsPerError, "100");
    EXPECT_EQ(page.Caption(), "Calculation Rules");
    page.pointsPerError = "-10";
    EXPECT_FALSE(page.CheckLeave().has_value());
}

}  // namespace
