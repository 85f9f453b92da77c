#include "common/window_placement_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/memory_settings_store.h"

namespace {

using Rect = WindowPlacementStore::Rect;
using Placement = WindowPlacementStore::Placement;

WindowPlacementStore MainFrame(SettingsStore& settings) {
    return WindowPlacementStore(settings, "mainframe", 50, 600, 50, 350);
}

}  // namespace

TEST(WindowPlacementStore, FirstStartGivesTheDefaults) {
    MemorySettingsStore settings;
    WindowPlacementStore placement = MainFrame(settings);
    EXPECT_EQ(placement.Read(), (Placement{50, 600, 50, 350, false}));
    EXPECT_EQ(placement.NormalRect(), (Rect{50, 50, 650, 400}));
}

TEST(WindowPlacementStore, NormalWindowWritesAllFiveKeys) {
    MemorySettingsStore settings;
    WindowPlacementStore placement = MainFrame(settings);
    placement.Write(Rect{10, 20, 710, 520}, false);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_x", -9), 10);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_cx", -9), 700);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_y", -9), 20);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_cy", -9), 500);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_max", -9), 0);
    EXPECT_EQ(placement.Read(), (Placement{10, 700, 20, 500, false}));
    EXPECT_EQ(placement.NormalRect(), (Rect{10, 20, 710, 520}));
}

TEST(WindowPlacementStore, MaximisedWindowKeepsItsNormalKeysAndRestoresToTheDefault) {
    MemorySettingsStore settings;
    WindowPlacementStore placement = MainFrame(settings);
    placement.Write(Rect{10, 20, 710, 520}, false);
    placement.Write(Rect{0, 0, 1920, 1080}, true);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_x", -9), 10);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_cx", -9), 700);
    EXPECT_EQ(settings.ReadInt("Window", "mainframe_max", -9), 1);
    EXPECT_TRUE(placement.Read().maximised);
    EXPECT_EQ(placement.NormalRect(), placement.DefaultRect());
    EXPECT_EQ(placement.DefaultRect(), (Rect{50, 50, 650, 400}));
}

TEST(WindowPlacementStore, AnyNonZeroMaxCountsAsMaximised) {
    MemorySettingsStore settings;
    settings.WriteInt("Window", "mainframe_max", 7);
    EXPECT_TRUE(MainFrame(settings).Read().maximised);
}

TEST(WindowPlacementStore, WindowsWithDifferentNamesDoNotShareKeys) {
    MemorySettingsStore settings;
    WindowPlacementStore lessons(settings, "lessondlg", 30, 600, 30, 300);
    WindowPlacementStore results(settings, "statisticdlg", 30, 610, 30, 450);
    lessons.Write(Rect{1, 2, 301, 202}, false);
    EXPECT_EQ(results.Read(), (Placement{30, 610, 30, 450, false}));
    EXPECT_EQ(lessons.Read(), (Placement{1, 300, 2, 200, false}));
}

struct ColumnCase {
    const char* name;
    std::map<std::string, int> stored;
    const char* list;
    std::vector<int> expected;
};

class WindowPlacementColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(WindowPlacementColumns, LoadsUpToTheFirstGap) {
    const ColumnCase& c = GetParam();
    MemorySettingsStore settings;
    for (const auto& [key, value] : c.stored) {
        settings.WriteInt("Window", key, value);
    }
    WindowPlacementStore placement(settings, "statisticdlg", 30, 610, 30, 450);
    EXPECT_EQ(placement.LoadColumns(c.list), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacementColumns,
    testing::Values(
        ColumnCase{"NothingStored", {}, "Faults", {}},
        ColumnCase{"ThreeColumns",
                   {{"statisticdlg_ColumnFaults0", 80},
                    {"statisticdlg_ColumnFaults1", 90},
                    {"statisticdlg_ColumnFaults2", 100}},
                   "Faults",
                   {80, 90, 100}},
        ColumnCase{"MissingColumnTwoHidesColumnThree",
                   {{"statisticdlg_ColumnFaults0", 80},
                    {"statisticdlg_ColumnFaults1", 90},
                    {"statisticdlg_ColumnFaults3", 100}},
                   "Faults",
                   {80, 90}},
        ColumnCase{"MinusOneEndsTheList",
                   {{"statisticdlg_ColumnSpeed0", 70},
                    {"statisticdlg_ColumnSpeed1", -1},
                    {"statisticdlg_ColumnSpeed2", 60}},
                   "Speed",
                   {70}},
        ColumnCase{"OtherListIsNotRead", {{"statisticdlg_ColumnSpeed0", 70}}, "Faults", {}},
        ColumnCase{"ZeroWidthIsAWidth", {{"statisticdlg_ColumnFaults0", 0}}, "Faults", {0}}),
    [](const testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

TEST(WindowPlacementStore, SavedColumnsComeBackAndAnEmptyListNameIsAllowed) {
    MemorySettingsStore settings;
    WindowPlacementStore placement(settings, "lessondlg", 30, 600, 30, 300);
    placement.SaveColumns("", {120, 45, 60});
    EXPECT_EQ(settings.ReadInt("Window", "lessondlg_Column0", -9), 120);
    EXPECT_EQ(settings.ReadInt("Window", "lessondlg_Column2", -9), 60);
    EXPECT_EQ(placement.LoadColumns(""), (std::vector<int>{120, 45, 60}));
}
