#include "tutor/course/data_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"
#include "tutor/course/tests/course_files_support.h"

namespace {

using Lines = std::vector<std::string>;

// A small data folder that passes the check; each case spoils one thing.
struct DataFolder {
    std::map<std::string, Lines> lineFiles;
    std::map<std::string, std::string> plainFiles;

    DataFolder() {
        plainFiles["config/keyboards.txt"] =
            "; keyboard types\r\n00000409:English (US):1:\r\nNUM:Numeric keypad:0:\r\n";
        plainFiles["config/lessons.txt"] =
            "; courses\r\n00000409_a:00000409:Beginner:Home row:1:\r\nNUM_a:NUM:Keypad:Digits:1:"
            "\r\n";
        lineFiles["config/00000409.kdd"] = SmallLayoutLines("00000409");
        lineFiles["config/0409.odd"] = {"0409", "\xE2:^:a:"};
        lineFiles["config/NUM.kdd"] = {
            "NUM", "0:0:1:7:::6:", "0:16:1:8:::7:", "20:0:1:4:::6:", "80:0:2: :::5:"};
        Lines hands;
        for (int g = 0; g < 10; ++g) {
            hands.push_back("10:10:0:1:0:0:0:");
            hands.push_back("20:20:1:1:0:0:0:");
            hands.push_back("END");
        }
        lineFiles["config/hands.ddd"] = hands;
        lineFiles["lessons/00000409_a.ddd"] = {
            "00000409_a", "Home row",        "as:1:70:1:", "as sa as", "",           "More keys",
            "jk:0:80:1:", "jk kj as \xE2:A", "",           "Signs",    "1!:1::0.5:", "1! 1! ;"};
        lineFiles["lessons/NUM_a.ddd"] = {"NUM", "Keypad", "78:1:50:2:", "78 87 4"};
    }

    void WriteTo(const TempDir& dir) const {
        for (const auto& [path, lines] : lineFiles) {
            WriteLineFile(dir, path, lines);
        }
        for (const auto& [path, text] : plainFiles) {
            dir.Write(path, text);
        }
    }
};

struct CheckResult {
    int code;
    std::string output;
};

CheckResult Check(const DataFolder& data) {
    TempDir dir;
    data.WriteTo(dir);
    std::ostringstream out;
    int code = RunCheckData(dir.path(), out);
    return {code, out.str()};
}

}  // namespace

TEST(DataCheck, SoundFolderPassesWithASummary) {
    CheckResult result = Check(DataFolder());
    EXPECT_EQ(result.code, 0) << result.output;
    EXPECT_EQ(result.output,
              "Data check passed: 2 lesson files, 2 keyboard layouts, 1 composed-character files, "
              "hands.ddd with 10 finger groups.\n");
}

TEST(DataCheck, FolderWithoutDataFails) {
    TempDir dir;
    std::ostringstream out;
    EXPECT_EQ(RunCheckData(dir.path(), out), 1);
    EXPECT_NE(out.str().find("holds neither"), std::string::npos);
}

struct SpoilCase {
    const char* name;
    std::function<void(DataFolder&)> spoil;
    const char* expected;
};

class DataCheckProblems : public testing::TestWithParam<SpoilCase> {};

TEST_P(DataCheckProblems, AreReportedWithFileAndLine) {
    DataFolder data;
    GetParam().spoil(data);
    CheckResult result = Check(data);
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.output.find(GetParam().expected), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("found in"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Spoiled, DataCheckProblems,
    testing::Values(
        SpoilCase{
            "LineLongerThan70",
            [](DataFolder& d) { d.lineFiles["lessons/00000409_a.ddd"][4] = std::string(71, 'a'); },
            "lessons/00000409_a.ddd:5: line is 71 characters long; at most 70 fit"},
        SpoilCase{"UntypableCharacter",
                  [](DataFolder& d) { d.lineFiles["lessons/00000409_a.ddd"][3] = "as Qa"; },
                  "lessons/00000409_a.ddd:4: character 'Q' (0x51) cannot be typed on keyboard "
                  "00000409"},
        SpoilCase{"LineEndMarkWithoutKey",
                  [](DataFolder& d) { d.lineFiles["lessons/00000409_a.ddd"][3] = "as\xA4"; },
                  "lessons/00000409_a.ddd:4: character '\xC2\xA4' (0xA4) cannot be typed"},
        SpoilCase{"IncompleteParameterLine",
                  [](DataFolder& d) { d.lineFiles["lessons/00000409_a.ddd"][2] = "as:1:70:"; },
                  "lessons/00000409_a.ddd:3: parameter line has 3 of its four"},
        SpoilCase{"LessonWithoutParameterLine",
                  [](DataFolder& d) {
                      auto& lines = d.lineFiles["lessons/00000409_a.ddd"];
                      lines.insert(lines.begin() + 1, {"Title only", ""});
                  },
                  "lessons/00000409_a.ddd:2: lesson \"Title only\" has no parameter line"},
        SpoilCase{"NoTestableLesson",
                  [](DataFolder& d) { d.lineFiles["lessons/NUM_a.ddd"][2] = "78:0:50:2:"; },
                  "lessons/NUM_a.ddd: no lesson is testable"},
        SpoilCase{"TrailingBlankLine",
                  [](DataFolder& d) { d.lineFiles["lessons/NUM_a.ddd"].push_back(""); },
                  "lessons/NUM_a.ddd:5: blank line at the end adds an empty lesson"},
        SpoilCase{"ForeignLessonFile",
                  [](DataFolder& d) { d.lineFiles["lessons/NUM_a.ddd"][0] = "00000409_a"; },
                  "lessons/NUM_a.ddd:1: identification line does not occur"},
        SpoilCase{"UnlistedLessonFileUsesKeyboardOfItsName",
                  [](DataFolder& d) {
                      d.lineFiles["lessons/NUM_b.ddd"] = {"", "T", "7a:1:1:1:", "7a"};
                  },
                  "lessons/NUM_b.ddd:4: character 'a' (0x61) cannot be typed on keyboard NUM"},
        SpoilCase{"UnlistedLessonFileWithoutLayout",
                  [](DataFolder& d) {
                      d.lineFiles["lessons/0000040E_a.ddd"] = {"", "T", "a:1:1:1:", "a"};
                  },
                  "lessons/0000040E_a.ddd: keyboard 0000040E has no layout"},
        SpoilCase{"BrokenKeyLine",
                  [](DataFolder& d) { d.lineFiles["config/00000409.kdd"][3] = "60:116:1:j:J:"; },
                  "config/00000409.kdd:4: key line without all seven fields"},
        SpoilCase{"ForeignLayout",
                  [](DataFolder& d) { d.lineFiles["config/NUM.kdd"][0] = "00000409"; },
                  "config/NUM.kdd:1: identification line does not occur"},
        SpoilCase{"BrokenComposedLine",
                  [](DataFolder& d) { d.lineFiles["config/0409.odd"].push_back("\xE4:^"); },
                  "config/0409.odd:3: composed-character line without all three fields"},
        SpoilCase{"NineFingerGroups",
                  [](DataFolder& d) {
                      auto& lines = d.lineFiles["config/hands.ddd"];
                      lines.resize(lines.size() - 3);
                  },
                  "config/hands.ddd: has 9 finger groups closed by END; 10 are needed"},
        SpoilCase{"BrokenStrokeLine",
                  [](DataFolder& d) { d.lineFiles["config/hands.ddd"][4] = "1:2:3:4:5:6"; },
                  "config/hands.ddd:5: stroke line without all seven fields"},
        SpoilCase{"MissingHands", [](DataFolder& d) { d.lineFiles.erase("config/hands.ddd"); },
                  "config/hands.ddd: cannot be opened"},
        SpoilCase{"KeyboardListNamesMissingLayout",
                  [](DataFolder& d) { d.plainFiles["config/keyboards.txt"] += "0000040E:HU:0:"; },
                  "config/keyboards.txt:4: keyboard 0000040E: config/0000040E.kdd does not "
                  "exist"},
        SpoilCase{"MissingComposedFile",
                  [](DataFolder& d) { d.lineFiles.erase("config/0409.odd"); },
                  "config/keyboards.txt:2: keyboard 00000409: config/0409.odd does not exist"},
        SpoilCase{"CourseListNamesMissingLessonFile",
                  [](DataFolder& d) {
                      d.plainFiles["config/lessons.txt"] += "00000409_c:00000409:Expert:x:0:";
                  },
                  "config/lessons.txt:4: lessons/00000409_c.ddd does not exist"},
        SpoilCase{"MissingCourseList",
                  [](DataFolder& d) { d.plainFiles.erase("config/lessons.txt"); },
                  "config/lessons.txt: cannot be opened"},
        SpoilCase{"MissingKeyboardList",
                  [](DataFolder& d) { d.plainFiles.erase("config/keyboards.txt"); },
                  "config/keyboards.txt: cannot be opened"}),
    [](const testing::TestParamInfo<SpoilCase>& info) { return info.param.name; });

TEST(DataCheck, DamagedContainerIsReported) {
    TempDir dir;
    DataFolder().WriteTo(dir);
    dir.Write("lessons/NUM_a.ddd", "this is no line container at all");
    std::ostringstream out;
    EXPECT_EQ(RunCheckData(dir.path(), out), 1);
    EXPECT_NE(out.str().find("lessons/NUM_a.ddd:1: damaged"), std::string::npos) << out.str();
}

TEST(DataCheck, EveryProblemGetsItsOwnLine) {
    DataFolder data;
    data.lineFiles["lessons/00000409_a.ddd"][3] = "QQ XY " + std::string(70, 'a');
    CheckResult result = Check(data);
    // Too long, Q, X, Y (each untypable character once), then the count.
    EXPECT_NE(result.output.find("4 problems found in"), std::string::npos) << result.output;
}
