// Checks the delivered data: courses, key layouts, finger outlines, evaluation texts,
// character-worth sets, practice texts and help. Plain files are read where the build put them;
// containers are read from their text sources until the line container can be decoded here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/colon_field_reader.h"
#include "common/compressed_line_file.h"
#include "common/testing/temp_dir.h"
#include "common/text_number.h"
#include "tester/keyboard_type.h"
#include "tester/keyboard_type_file.h"
#include "tutor/course/course_record.h"
#include "tutor/course/data_check.h"
#include "tutor/course/first_time_wizard_model.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/key_layout.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_record.h"
#include "tutor/course/lesson_course.h"

namespace fs = std::filesystem;

namespace {

constexpr char kLineEndMark = static_cast<char>(0xA4);
constexpr char kColonStandIn = static_cast<char>(0xB6);
constexpr std::size_t kMaxLineLength = 70;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Lines as a line file holds them: split at LF, a CR before it dropped, no line after the
// last line end.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

fs::path BinPath(const std::string& relative) {
    return fs::path(KELVANE_BIN_DIR) / relative;
}
fs::path SourcePath(const std::string& relative) {
    return fs::path(KELVANE_SOURCE_DIR) / "data" / relative;
}

// Generated container (relative to build/bin) of each source (relative to data/).
const std::map<std::string, std::string>& ContainerOfSource() {
    static const std::map<std::string, std::string> manifest = [] {
        std::map<std::string, std::string> m;
        for (const std::string& line : SplitLines(ReadFile(KV_DATA_MANIFEST))) {
            const std::size_t bar = line.find('|');
            if (bar != std::string::npos)
                m[line.substr(0, bar)] = line.substr(bar + 1);
        }
        return m;
    }();
    return manifest;
}

std::vector<std::string> SourceLines(const std::string& sourceRelative) {
    const fs::path source = SourcePath(sourceRelative);
    EXPECT_TRUE(fs::exists(source)) << source;
    return SplitLines(ReadFile(source));
}

// The data folder the programs read: build/bin once the build packs the containers itself;
// until then a temporary folder with every container packed here from its source and the
// plain files the build copied.
const std::string& DataFolder() {
#ifdef KV_DATA_READ_CONTAINERS
    static const std::string folder = std::string(KELVANE_BIN_DIR) + "/";
#else
    static TempDir temp;
    static const std::string folder = [] {
        for (const auto& [source, container] : ContainerOfSource()) {
            CompressedLineFile file;
            for (const std::string& line : SourceLines(source))
                file.AddLine(line);
            fs::create_directories(fs::path(temp.File(container)).parent_path());
            EXPECT_TRUE(file.Write(temp.File(container))) << container;
        }
        for (const char* plain : {"config/keyboards.txt", "config/lessons.txt"})
            temp.Write(plain, ReadFile(BinPath(plain)));
        return temp.path() + "/";
    }();
#endif
    return folder;
}

// The lines of the container built from a source, read back through the container.
std::vector<std::string> ContainerLines(const std::string& sourceRelative) {
    const auto it = ContainerOfSource().find(sourceRelative);
    EXPECT_NE(it, ContainerOfSource().end()) << sourceRelative << " is not built";
    if (it == ContainerOfSource().end())
        return {};
    CompressedLineFile file;
    EXPECT_TRUE(file.Read(DataFolder() + it->second)) << it->second << " was not generated";
    return file.lines();
}

std::vector<std::string> PlainLines(const std::string& binRelative) {
    const fs::path path = BinPath(binRelative);
    EXPECT_TRUE(fs::exists(path)) << path << " was not generated";
    return SplitLines(ReadFile(path));
}

// Splits a record into its colon-terminated fields; the text after the last colon is returned
// as the last element (empty for a well-formed record).
std::vector<std::string> ColonFields(const std::string& record) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t colon = record.find(':'); colon != std::string::npos;
         colon = record.find(':', start)) {
        fields.push_back(record.substr(start, colon - start));
        start = colon + 1;
    }
    fields.push_back(record.substr(start));
    return fields;
}

bool IsInteger(const std::string& text) {
    return std::regex_match(text, std::regex("-?[0-9]+"));
}
bool IsDecimal(const std::string& text) {
    return std::regex_match(text, std::regex("[0-9]+(\\.[0-9]+)?"));
}

TEST(Containers, EverySourceIsBuiltAndEveryContainerHoldsItsSourceLines) {
    std::set<std::string> sources;
    for (const char* folder : {"config", "lessons", "charconfig"})
        for (const auto& entry : fs::directory_iterator(SourcePath(folder))) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 4 && name.substr(name.size() - 4) == ".txt" &&
                name.find('.') != name.size() - 4)
                sources.insert(std::string(folder) + "/" + name);
        }
    std::set<std::string> built;
    for (const auto& [source, container] : ContainerOfSource())
        built.insert(source);
    EXPECT_EQ(sources, built);
    for (const std::string& source : built)
        EXPECT_EQ(ContainerLines(source), SourceLines(source)) << source;
}

TEST(Containers, TheTutorsDataCheckFindsNoProblem) {
    std::ostringstream report;
    EXPECT_EQ(RunCheckData(DataFolder(), report), 0) << report.str();
}

// ---------------------------------------------------------------------------------------------
// Key layouts

struct Key {
    int row = 0;
    int column = 0;
    int size = 0;
    std::string label;
    char shifted = 0;
    char altGr = 0;
    int finger = -1;

    int Width() const { return size >= 0 && size <= 9 ? size * 16 : size >= 10 ? size : 16; }
    int Height() const {
        if (size >= 0)
            return 16;
        if (size >= -9)
            return 19 * -size - 3;
        return -size;
    }
};

struct Layout {
    std::string identification;
    std::vector<Key> keys;
    std::vector<std::string> errors;

    // Every character that the layout types, as the program derives it.
    std::set<char> Typeable() const {
        std::set<char> result;
        for (const Key& key : keys) {
            if (key.label.size() == 1)
                result.insert(key.label[0]);
            if (key.shifted)
                result.insert(key.shifted);
            if (key.altGr)
                result.insert(key.altGr);
        }
        return result;
    }
    const Key* FindLabel(const std::string& label) const {
        for (const Key& key : keys)
            if (key.label == label)
                return &key;
        return nullptr;
    }
    const Key* KeyTyping(char c) const {
        for (const Key& key : keys)
            if ((key.label.size() == 1 && key.label[0] == c) || key.shifted == c || key.altGr == c)
                return &key;
        return nullptr;
    }
};

char CharacterField(const std::string& field) {
    if (field.empty())
        return 0;
    return field[0] == kColonStandIn ? ':' : field[0];
}

Layout ReadLayout(const std::string& sourceRelative) {
    Layout layout;
    std::vector<std::string> lines = ContainerLines(sourceRelative);
    if (lines.empty()) {
        layout.errors.push_back("empty file");
        return layout;
    }
    layout.identification = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find(':') == std::string::npos)
            continue;
        std::vector<std::string> f = ColonFields(line);
        if (f.size() != 8 || !f[7].empty() || !IsInteger(f[0]) || !IsInteger(f[1]) ||
            !IsInteger(f[2]) || !IsInteger(f[6]) || f[4].size() > 1 || f[5].size() > 1) {
            layout.errors.push_back("bad key line " + std::to_string(i + 1) + ": " + line);
            continue;
        }
        Key key;
        key.row = ParseLeadingInt32(f[0]);
        key.column = ParseLeadingInt32(f[1]);
        key.size = ParseLeadingInt32(f[2]);
        key.label = f[3];
        key.shifted = CharacterField(f[4]);
        key.altGr = CharacterField(f[5]);
        key.finger = ParseLeadingInt32(f[6]);
        layout.keys.push_back(key);
    }
    return layout;
}

// Composed characters: composed <- first, second.
struct Composition {
    char composed, first, second;
};

std::vector<Composition> ReadCompositions(const std::string& sourceRelative,
                                          std::string& identification,
                                          std::vector<std::string>& errors) {
    std::vector<Composition> result;
    std::vector<std::string> lines = ContainerLines(sourceRelative);
    identification = lines.empty() ? std::string() : lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].find(':') == std::string::npos)
            continue;
        std::vector<std::string> f = ColonFields(lines[i]);
        if (f.size() != 4 || !f[3].empty() || f[0].size() != 1 || f[1].size() != 1 ||
            f[2].size() != 1) {
            errors.push_back("bad line " + lines[i]);
            continue;
        }
        result.push_back({f[0][0], f[1][0], f[2][0]});
    }
    return result;
}

struct LayoutCase {
    const char* id;
    bool fullKeyboard;
    // Characters and the finger that types them in touch typing.
    std::vector<std::pair<char, int>> fingers;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.id;
}

class KeyLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(KeyLayoutTest, EveryKeyLineHasSevenFieldsAndTheIdentificationMatchesTheName) {
    const Layout layout = ReadLayout(std::string("config/") + GetParam().id + ".kdd.txt");
    EXPECT_TRUE(layout.errors.empty()) << layout.errors.front();
    EXPECT_EQ(layout.identification, GetParam().id);
    EXPECT_GE(layout.keys.size(), GetParam().fullKeyboard ? 60u : 17u);
}

TEST_P(KeyLayoutTest, KeysLieInTheGridWithoutOverlapAndRowsLineUp) {
    const Layout layout = ReadLayout(std::string("config/") + GetParam().id + ".kdd.txt");
    std::set<int> rowTops;
    for (const Key& key : layout.keys) {
        EXPECT_GE(key.column, 0) << key.label;
        EXPECT_LE(key.column + key.Width(), 300) << key.label;
        EXPECT_GE(key.row, 0) << key.label;
        EXPECT_LE(key.row + key.Height(), 100) << key.label;
        EXPECT_EQ((key.row - layout.keys.front().row) % 19, 0)
            << "key " << key.label << " is off the row pitch";
        rowTops.insert(key.row);
    }
    for (std::size_t a = 0; a < layout.keys.size(); ++a)
        for (std::size_t b = a + 1; b < layout.keys.size(); ++b) {
            const Key& p = layout.keys[a];
            const Key& q = layout.keys[b];
            const bool apart = p.column + p.Width() <= q.column ||
                               q.column + q.Width() <= p.column || p.row + p.Height() <= q.row ||
                               q.row + q.Height() <= p.row;
            EXPECT_TRUE(apart) << "keys " << a << " (" << p.label << ") and " << b << " ("
                               << q.label << ") overlap";
        }
    // Every row, counting keys that reach down into it, starts and ends at the same place.
    std::optional<int> left, right;
    for (int top : rowTops) {
        int rowLeft = 300, rowRight = 0;
        for (const Key& key : layout.keys)
            if (key.row <= top && top < key.row + key.Height()) {
                rowLeft = std::min(rowLeft, key.column);
                rowRight = std::max(rowRight, key.column + key.Width());
            }
        if (!left) {
            left = rowLeft;
            right = rowRight;
        }
        EXPECT_EQ(rowLeft, *left) << "row at " << top;
        EXPECT_EQ(rowRight, *right) << "row at " << top;
    }
    EXPECT_EQ(rowTops.size(), 5u);
    // The drawing is centred in the 300-unit width.
    EXPECT_LE(std::abs(*left - (300 - *right)), 1);
}

TEST_P(KeyLayoutTest, SpecialKeysAndEnterArePresent) {
    const Layout layout = ReadLayout(std::string("config/") + GetParam().id + ".kdd.txt");
    const Key* enter = layout.FindLabel(std::string(1, kLineEndMark));
    ASSERT_NE(enter, nullptr) << "Enter must carry the line-end mark";
    EXPECT_EQ(enter->finger, 9);
    if (!GetParam().fullKeyboard)
        return;
    std::map<std::string, std::vector<int>> fingersByLabel;
    for (const Key& key : layout.keys)
        fingersByLabel[key.label].push_back(key.finger);
    for (const char* label : {"Tab", "Cabs", "Bck", " "})
        EXPECT_EQ(fingersByLabel[label].size(), 1u) << label;
    for (const char* label : {"Shift", "Alt"}) {
        const std::vector<int>& f = fingersByLabel[label];
        ASSERT_EQ(f.size(), 2u) << label;
        EXPECT_TRUE(f[0] >= 0 && f[0] <= 4) << label << " of the left hand";
        EXPECT_TRUE(f[1] >= 5 && f[1] <= 9) << label << " of the right hand";
    }
}

TEST_P(KeyLayoutTest, FingersFollowTouchTyping) {
    const Layout layout = ReadLayout(std::string("config/") + GetParam().id + ".kdd.txt");
    for (const auto& [c, finger] : GetParam().fingers) {
        const Key* key = layout.KeyTyping(c);
        ASSERT_NE(key, nullptr) << "no key types " << c;
        EXPECT_EQ(key->finger, finger) << "character " << c;
    }
    for (const Key& key : layout.keys) {
        if (key.label.size() == 1 || key.shifted || key.altGr) {
            EXPECT_TRUE(key.finger >= 0 && key.finger <= 9) << "key " << key.label;
        }
        // Letters give their capital with Shift.
        const unsigned char c = key.label.size() == 1 ? key.label[0] : 0;
        if (c >= 'a' && c <= 'z') {
            EXPECT_EQ(key.shifted, static_cast<char>(c - 'a' + 'A'));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyLayoutTest,
                         testing::Values(LayoutCase{"00000409",
                                                    true,
                                                    {{'a', 0},
                                                     {'s', 1},
                                                     {'d', 2},
                                                     {'f', 3},
                                                     {'g', 3},
                                                     {'h', 6},
                                                     {'j', 6},
                                                     {'k', 7},
                                                     {'l', 8},
                                                     {';', 9},
                                                     {'q', 0},
                                                     {'p', 9},
                                                     {'z', 0},
                                                     {'/', 9},
                                                     {'5', 3},
                                                     {'6', 6},
                                                     {' ', 5},
                                                     {'A', 0},
                                                     {':', 9}}},
                                         LayoutCase{"00000407",
                                                    true,
                                                    {{'a', 0},
                                                     {'s', 1},
                                                     {'d', 2},
                                                     {'f', 3},
                                                     {'j', 6},
                                                     {'k', 7},
                                                     {'l', 8},
                                                     {static_cast<char>(0xF6), 9},
                                                     {'z', 6},
                                                     {'y', 0},
                                                     {'@', 0},
                                                     {static_cast<char>(0x80), 2},
                                                     {static_cast<char>(0xDF), 9},
                                                     {':', 8}}},
                                         LayoutCase{"NUM",
                                                    false,
                                                    {{'4', 6},
                                                     {'5', 7},
                                                     {'6', 8},
                                                     {'7', 6},
                                                     {'1', 6},
                                                     {'0', 5},
                                                     {'.', 8},
                                                     {'+', 9},
                                                     {'-', 9},
                                                     {'*', 8},
                                                     {'/', 7}}}),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return std::string("kb") + info.param.id;
                         });

TEST(ComposedCharacters, DeadKeyCompositionsUseTypeableKeysAndNewCharacters) {
    struct Case {
        const char* file;
        const char* layout;
        std::size_t count;
    };
    for (const Case& c : {Case{"0409", "00000409", 0}, Case{"0407", "00000407", 18}}) {
        std::string identification;
        std::vector<std::string> errors;
        const std::vector<Composition> compositions =
            ReadCompositions(std::string("config/") + c.file + ".odd.txt", identification, errors);
        EXPECT_EQ(identification, c.file);
        EXPECT_TRUE(errors.empty()) << c.file;
        EXPECT_EQ(compositions.size(), c.count) << c.file;
        const Layout layout = ReadLayout(std::string("config/") + c.layout + ".kdd.txt");
        const std::set<char> typeable = layout.Typeable();
        std::set<char> seen;
        for (const Composition& comp : compositions) {
            EXPECT_TRUE(typeable.count(comp.first)) << "dead key " << comp.first;
            EXPECT_TRUE(typeable.count(comp.second)) << "letter " << comp.second;
            EXPECT_FALSE(typeable.count(comp.composed)) << "already on a key: " << comp.composed;
            EXPECT_TRUE(seen.insert(comp.composed).second) << "twice: " << comp.composed;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Courses

struct Lesson {
    std::string title;
    std::string characters;
    int testable = 0;
    double speedLimit = 0;
    double errorLimit = 0;
    std::vector<std::string> lines;
};

struct Course {
    std::string identification;
    std::vector<Lesson> lessons;
    std::vector<std::string> errors;
};

// Stricter than the program's reader: exactly one blank line between lessons, none at the end,
// and every parameter line complete.
Course ReadCourse(const std::string& sourceRelative) {
    Course course;
    const std::vector<std::string> lines = ContainerLines(sourceRelative);
    if (lines.empty()) {
        course.errors.push_back("empty file");
        return course;
    }
    course.identification = lines[0];
    std::vector<std::vector<std::string>> blocks(1);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            if (blocks.back().empty())
                course.errors.push_back("extra blank line " + std::to_string(i + 1));
            else
                blocks.emplace_back();
        } else {
            blocks.back().push_back(lines[i]);
        }
    }
    if (blocks.back().empty())
        course.errors.push_back("blank line at the end of the file");
    for (const std::vector<std::string>& block : blocks) {
        if (block.empty())
            continue;
        Lesson lesson;
        lesson.title = block[0];
        if (block.size() < 2) {
            course.errors.push_back("no parameter line in " + lesson.title);
            continue;
        }
        const std::vector<std::string> f = ColonFields(block[1]);
        if (f.size() != 5 || !f[4].empty() || !IsInteger(f[1]) || !IsDecimal(f[2]) ||
            !IsDecimal(f[3])) {
            course.errors.push_back("bad parameter line in " + lesson.title + ": " + block[1]);
            continue;
        }
        ColonFieldReader reader(block[1]);
        reader.NextText(lesson.characters);
        reader.NextInt(lesson.testable);
        reader.NextReal(lesson.speedLimit);
        reader.NextReal(lesson.errorLimit);
        lesson.lines.assign(block.begin() + 2, block.end());
        course.lessons.push_back(lesson);
    }
    return course;
}

struct CourseCase {
    const char* name;
    const char* layout;
    const char* composed;  // composed-character file, or nullptr
    std::size_t minLessons;
    std::size_t maxLessons;
    bool beginner;  // every character of a text is introduced by this or an earlier lesson
};

void PrintTo(const CourseCase& c, std::ostream* os) {
    *os << c.name;
}

class CourseTest : public testing::TestWithParam<CourseCase> {
  protected:
    Course course_ = ReadCourse(std::string("lessons/") + GetParam().name + ".ddd.txt");
};

TEST_P(CourseTest, FileIsWellFormedAndIdentifiesItself) {
    for (const std::string& e : course_.errors)
        ADD_FAILURE() << e;
    EXPECT_EQ(course_.identification, GetParam().name);
    const std::string path = BinPath(std::string("lessons/") + GetParam().name + ".ddd").string();
    EXPECT_NE(path.find(course_.identification), std::string::npos);
    EXPECT_EQ(course_.identification.find("NUM") != std::string::npos,
              std::string(GetParam().layout) == "NUM");
    EXPECT_GE(course_.lessons.size(), GetParam().minLessons);
    EXPECT_LE(course_.lessons.size(), GetParam().maxLessons);
}

TEST_P(CourseTest, LessonsHaveTitlesTextsAndSensibleLimits) {
    double highestSpeed = 0;
    double previousError = 100;
    for (const Lesson& lesson : course_.lessons) {
        EXPECT_GE(lesson.title.size(), 8u) << lesson.title;
        EXPECT_GE(lesson.lines.size(), 5u) << lesson.title;
        EXPECT_GE(lesson.speedLimit, 50) << lesson.title;
        EXPECT_LE(lesson.speedLimit, 250) << lesson.title;
        // A harder kind of key may ask for a little less speed, never much less.
        EXPECT_GE(lesson.speedLimit, 0.85 * highestSpeed) << lesson.title;
        highestSpeed = std::max(highestSpeed, lesson.speedLimit);
        EXPECT_GT(lesson.errorLimit, 0.4) << lesson.title;
        EXPECT_LE(lesson.errorLimit, previousError)
            << "error limits only get stricter: " << lesson.title;
        previousError = lesson.errorLimit;
    }
    ASSERT_FALSE(course_.lessons.empty());
    EXPECT_GT(course_.lessons.back().speedLimit, course_.lessons.front().speedLimit);
}

TEST_P(CourseTest, LinesFitAndUseOnlyCharactersTheKeyboardTypes) {
    const Layout layout = ReadLayout(std::string("config/") + GetParam().layout + ".kdd.txt");
    std::set<char> typeable = layout.Typeable();
    if (GetParam().composed) {
        std::string identification;
        std::vector<std::string> errors;
        for (const Composition& c : ReadCompositions(
                 std::string("config/") + GetParam().composed + ".odd.txt", identification, errors))
            typeable.insert(c.composed);
    }
    for (const Lesson& lesson : course_.lessons) {
        for (char c : lesson.characters)
            EXPECT_TRUE(typeable.count(c)) << lesson.title << ": listed character " << c;
        for (const std::string& line : lesson.lines) {
            EXPECT_LE(line.size(), kMaxLineLength) << line;
            EXPECT_NE(line.front(), ' ') << line;
            EXPECT_NE(line.back(), ' ') << line;
            for (char c : line)
                EXPECT_TRUE(typeable.count(c))
                    << lesson.title << ": cannot type byte " << int(static_cast<unsigned char>(c))
                    << " in " << line;
        }
    }
}

TEST_P(CourseTest, TestableLessonsAreSpreadThroughTheCourse) {
    const std::size_t n = course_.lessons.size();
    ASSERT_GE(n, 3u);
    std::size_t count = 0;
    bool inThird[3] = {false, false, false};
    for (std::size_t i = 0; i < n; ++i)
        if (course_.lessons[i].testable) {
            ++count;
            inThird[std::min<std::size_t>(2, i * 3 / n)] = true;
        }
    EXPECT_GE(count, 3u);
    EXPECT_TRUE(inThird[0] && inThird[1] && inThird[2]);
    EXPECT_TRUE(course_.lessons.back().testable) << "the final lesson tests everything";
}

TEST_P(CourseTest, EnterIsPractised) {
    std::size_t lessonsWithEnter = 0;
    for (const Lesson& lesson : course_.lessons) {
        bool has = false;
        for (const std::string& line : lesson.lines)
            has = has || line.find(kLineEndMark) != std::string::npos;
        lessonsWithEnter += has;
    }
    EXPECT_GE(lessonsWithEnter, 1u);
}

// Only the beginner courses introduce every character before its use.
class BeginnerCourseTest : public CourseTest {};

TEST_P(BeginnerCourseTest, BeginnerLessonsUseOnlyCharactersAlreadyIntroduced) {
    std::set<char> taught = {' '};
    std::set<char> listedBefore;
    for (const Lesson& lesson : course_.lessons) {
        for (char c : lesson.characters) {
            EXPECT_TRUE(listedBefore.insert(c).second)
                << lesson.title << " lists " << c << " again";
            taught.insert(c);
        }
        // A colon cannot stand in the characters field; the lesson that teaches it says so.
        std::string title = lesson.title;
        std::transform(title.begin(), title.end(), title.begin(), ::tolower);
        if (title.find("colon") != std::string::npos ||
            title.find("doppelpunkt") != std::string::npos)
            taught.insert(':');
        for (const std::string& line : lesson.lines)
            for (char c : line)
                EXPECT_TRUE(taught.count(c)) << lesson.title << ": " << c << " not yet introduced";
    }
}

namespace {

const std::vector<CourseCase> kCourses = {
    CourseCase{"00000409_a", "00000409", "0409", 36, 45, true},
    CourseCase{"00000409_b", "00000409", "0409", 18, 25, false},
    CourseCase{"00000407_a", "00000407", "0407", 28, 35, true},
    CourseCase{"NUM_a", "NUM", nullptr, 10, 15, true},
};

std::vector<CourseCase> BeginnerCourses() {
    std::vector<CourseCase> beginners;
    std::copy_if(kCourses.begin(), kCourses.end(), std::back_inserter(beginners),
                 [](const CourseCase& c) { return c.beginner; });
    return beginners;
}

std::string CourseTestName(const testing::TestParamInfo<CourseCase>& info) {
    return std::string("c") + info.param.name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Courses, CourseTest, testing::ValuesIn(kCourses), CourseTestName);
INSTANTIATE_TEST_SUITE_P(Courses, BeginnerCourseTest, testing::ValuesIn(BeginnerCourses()),
                         CourseTestName);

TEST(GermanCourse, DeadKeysAreExercised) {
    const Course course = ReadCourse("lessons/00000407_a.ddd.txt");
    std::string identification;
    std::vector<std::string> errors;
    std::set<char> composedUsed;
    std::set<char> composed;
    for (const Composition& c : ReadCompositions("config/0407.odd.txt", identification, errors))
        composed.insert(c.composed);
    for (const Lesson& lesson : course.lessons)
        for (const std::string& line : lesson.lines)
            for (char c : line)
                if (composed.count(c))
                    composedUsed.insert(c);
    // Circumflex and acute, small and capital.
    for (unsigned char c : {0xE2, 0xF4, 0xE1, 0xE9, 0xF3, 0xC9})
        EXPECT_TRUE(composedUsed.count(static_cast<char>(c))) << int(c);
}

// ---------------------------------------------------------------------------------------------
// The program's own readers

// The keyboard as the tutor loads it.
Keyboard ProgramKeyboard(const std::string& id) {
    Keyboard keyboard;
    KeyLayout layout;
    const std::string kdd = "config/" + id + ".kdd";
    EXPECT_TRUE(layout.ParseLines(ContainerLines(kdd + ".txt"), BinPath(kdd).string())) << id;
    EXPECT_EQ(layout.failedLine(), 0) << id;
    keyboard.SetLayout(std::move(layout));
    const std::string odd = Keyboard::ComposedFileName(id);
    if (!odd.empty()) {
        EXPECT_TRUE(keyboard.AddComposedLines(ContainerLines("config/" + odd + ".txt"),
                                              BinPath("config/" + odd).string()))
            << odd;
    }
    return keyboard;
}

TEST_P(CourseTest, TheTutorReadsTheCourseAsWrittenAndCanTypeEveryLine) {
    LessonCourse catalogue;
    const std::string file = std::string("lessons/") + GetParam().name + ".ddd";
    ASSERT_TRUE(catalogue.LoadLines(ContainerLines(file + ".txt"), BinPath(file).string()));
    EXPECT_EQ(catalogue.IsNumericKeypad(), std::string(GetParam().layout) == "NUM");
    ASSERT_EQ(catalogue.LessonCount(), static_cast<int>(course_.lessons.size()))
        << "no empty lesson at the end";
    const Keyboard keyboard = ProgramKeyboard(GetParam().layout);
    const std::string& accepted = keyboard.AcceptedCharacters();
    for (int i = 0; i < catalogue.LessonCount(); ++i) {
        const Lesson& mine = course_.lessons[i];
        EXPECT_EQ(catalogue.Title(i), mine.title);
        EXPECT_EQ(catalogue.Characters(i), mine.characters);
        EXPECT_EQ(catalogue.IsTestable(i), mine.testable != 0);
        EXPECT_DOUBLE_EQ(catalogue.SpeedLimit(i), mine.speedLimit);
        EXPECT_DOUBLE_EQ(catalogue.ErrorLimit(i), mine.errorLimit);
        ASSERT_EQ(catalogue.LineCount(i), static_cast<int>(mine.lines.size()));
        for (int n = 0; n < catalogue.LineCount(i); ++n)
            for (char c : catalogue.Line(i, n)) {
                StrokeKeys keys;
                EXPECT_NE(accepted.find(c), std::string::npos) << mine.title << ": " << c;
                EXPECT_TRUE(keyboard.FindKeyStroke(c, keys)) << mine.title << ": " << c;
                EXPECT_NE(keys.key1, -1) << mine.title << ": no key for " << c;
            }
    }
    // The wizard offers the testable lessons as starting points.
    const std::vector<WizardTestRow> rows = FirstTimeWizardModel::BuildTestRows(catalogue);
    std::size_t testable = 0;
    for (const Lesson& lesson : course_.lessons)
        testable += lesson.testable != 0;
    EXPECT_EQ(rows.size(), testable);
}

struct StrokeCase {
    const char* layout;
    unsigned char character;
    const char* modifier1;  // "", "leftShift", "rightShift", "rightAlt"
    const char* key1;       // label of the key
    const char* key2;       // label of the second key, "" for none
};

void PrintTo(const StrokeCase& c, std::ostream* os) {
    *os << c.layout << " " << int(c.character);
}

class KeyStrokeTest : public testing::TestWithParam<StrokeCase> {};

TEST_P(KeyStrokeTest, CharacterIsTypedWithTheRightKeys) {
    const StrokeCase& c = GetParam();
    const Keyboard keyboard = ProgramKeyboard(c.layout);
    StrokeKeys keys;
    ASSERT_TRUE(keyboard.FindKeyStroke(static_cast<char>(c.character), keys));
    const std::map<std::string, int> modifiers = {{"", -1},
                                                  {"leftShift", keyboard.LeftShift()},
                                                  {"rightShift", keyboard.RightShift()},
                                                  {"rightAlt", keyboard.RightAlt()}};
    EXPECT_EQ(keys.modifier1, modifiers.at(c.modifier1));
    const auto& k = keyboard.layout().keys();
    ASSERT_GE(keys.key1, 0);
    EXPECT_EQ(k[keys.key1].label, c.key1);
    if (*c.key2 == 0) {
        EXPECT_EQ(keys.key2, -1);
    } else {
        ASSERT_GE(keys.key2, 0);
        EXPECT_EQ(k[keys.key2].label, c.key2);
    }
}

INSTANTIATE_TEST_SUITE_P(Strokes, KeyStrokeTest,
                         testing::Values(StrokeCase{"00000409", 'a', "", "a", ""},
                                         StrokeCase{"00000409", 'A', "rightShift", "a", ""},
                                         StrokeCase{"00000409", 'J', "leftShift", "j", ""},
                                         StrokeCase{"00000409", ':', "leftShift", ";", ""},
                                         StrokeCase{"00000409", ' ', "", " ", ""},
                                         StrokeCase{"00000409", 0xA4, "", "\xA4", ""},
                                         StrokeCase{"00000407", 'z', "", "z", ""},
                                         StrokeCase{"00000407", '@', "rightAlt", "q", ""},
                                         StrokeCase{"00000407", 0x80, "rightAlt", "e", ""},
                                         StrokeCase{"00000407", ':', "leftShift", ".", ""},
                                         StrokeCase{"00000407", 0xE9, "", "\xB4", "e"},
                                         StrokeCase{"00000407", 0xC9, "", "\xB4", "e"},
                                         StrokeCase{"00000407", 0xF4, "", "^", "o"},
                                         StrokeCase{"NUM", '5', "", "5", ""},
                                         StrokeCase{"NUM", 0xA4, "", "\xA4", ""}),
                         [](const testing::TestParamInfo<StrokeCase>& info) {
                             return std::string("kb") + info.param.layout + "_" +
                                    std::to_string(info.param.character);
                         });

TEST(ProgramKeyboards, FullKeyboardsNameEverySpecialKey) {
    for (const char* id : {"00000409", "00000407"}) {
        const Keyboard keyboard = ProgramKeyboard(id);
        for (int special :
             {keyboard.LeftShift(), keyboard.RightShift(), keyboard.LeftAlt(), keyboard.RightAlt(),
              keyboard.TabKey(), keyboard.BackspaceKey(), keyboard.CapsLockKey()})
            EXPECT_NE(special, -1) << id;
        EXPECT_EQ(keyboard.composedFailedLine(), 0) << id;
    }
}

TEST(ProgramHands, TheTutorFindsAllTenFingers) {
    HandsData hands;
    EXPECT_TRUE(hands.ParseLines(ContainerLines("config/hands.ddd.txt")));
    EXPECT_EQ(hands.failedLine(), 0);
    EXPECT_EQ(hands.GroupCount(), 10);
    EXPECT_TRUE(hands.IsComplete());
}

TEST(ProgramLists, TheWizardReadsEveryKeyboardAndCourse) {
    std::vector<KeyboardRecord> keyboards;
    ASSERT_TRUE(KeyboardRecord::ReadFile(BinPath("config/keyboards.txt").string(), keyboards));
    std::vector<CourseRecord> courses;
    ASSERT_TRUE(CourseRecord::ReadFile(BinPath("config/lessons.txt").string(), courses));
    ASSERT_EQ(keyboards.size(), 3u);
    EXPECT_EQ(keyboards[0].id, "00000409");
    EXPECT_EQ(keyboards[0].isDefault, 1);
    std::set<std::string> ids;
    for (const KeyboardRecord& k : keyboards)
        ids.insert(k.id);
    ASSERT_EQ(courses.size(), 4u);
    for (const CourseRecord& c : courses) {
        EXPECT_TRUE(ids.count(c.keyboardId)) << c.courseCode;
        EXPECT_TRUE(ContainerOfSource().count("lessons/" + c.LessonFileName() + ".txt"))
            << c.LessonFileName();
        EXPECT_EQ(c.description.find(':'), std::string::npos);
    }
}

// ---------------------------------------------------------------------------------------------
// Lists of keyboards and courses

std::vector<std::vector<std::string>> Records(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> records;
    for (const std::string& line : lines)
        if (line.empty() || line[0] != ';')
            records.push_back(ColonFields(line));
    return records;
}

TEST(KeyboardList, NamesEveryLayoutOnceWithUsEnglishAsDefault) {
    const auto records = Records(PlainLines("config/keyboards.txt"));
    std::set<std::string> ids;
    std::vector<std::string> defaults;
    for (const auto& f : records) {
        ASSERT_EQ(f.size(), 4u);
        EXPECT_TRUE(f[3].empty());
        EXPECT_TRUE(ids.insert(f[0]).second) << f[0];
        EXPECT_GE(f[1].size(), 5u);
        EXPECT_TRUE(fs::exists(SourcePath("config/" + f[0] + ".kdd.txt"))) << f[0];
        if (ParseLeadingInt32(f[2]) != 0)
            defaults.push_back(f[0]);
    }
    EXPECT_EQ(ids, (std::set<std::string>{"00000409", "00000407", "NUM"}));
    EXPECT_EQ(defaults, std::vector<std::string>{"00000409"});
}

TEST(CourseList, EveryCourseHasItsLessonFileAndEachKeyboardOneDefault) {
    const auto records = Records(PlainLines("config/lessons.txt"));
    std::map<std::string, std::vector<std::string>> defaults;
    std::set<std::string> keyboards;
    for (const auto& f : records) {
        ASSERT_EQ(f.size(), 6u) << "a description must not contain a colon";
        EXPECT_TRUE(f[5].empty());
        const std::string& code = f[0];
        const std::string courseName = code.size() < 2 ? code : code.substr(code.size() - 2);
        EXPECT_TRUE(fs::exists(SourcePath("lessons/" + f[1] + courseName + ".ddd.txt"))) << code;
        EXPECT_GE(f[2].size(), 5u);
        EXPECT_GE(f[3].size(), 60u) << "the description should tell a newcomer what to expect";
        keyboards.insert(f[1]);
        if (ParseLeadingInt32(f[4]) != 0)
            defaults[f[1]].push_back(courseName);
    }
    EXPECT_EQ(keyboards, (std::set<std::string>{"00000409", "00000407", "NUM"}));
    for (const std::string& k : keyboards)
        EXPECT_EQ(defaults[k].size(), 1u) << k;
    EXPECT_EQ(defaults["00000409"], std::vector<std::string>{"_a"});
}

// ---------------------------------------------------------------------------------------------
// Finger outlines

TEST(Hands, TenClosedFingerOutlinesInsideTheStrip) {
    const std::vector<std::string> lines = ContainerLines("config/hands.ddd.txt");
    std::vector<std::vector<std::vector<int>>> groups(1);
    for (const std::string& line : lines) {
        if (line == "END") {
            groups.emplace_back();
            continue;
        }
        if (line.find(':') == std::string::npos)
            continue;
        const std::vector<std::string> f = ColonFields(line);
        ASSERT_EQ(f.size(), 8u) << line;
        std::vector<int> point;
        for (int i = 0; i < 7; ++i) {
            ASSERT_TRUE(IsInteger(f[i])) << line;
            point.push_back(ParseLeadingInt32(f[i]));
        }
        groups.back().push_back(point);
    }
    EXPECT_TRUE(groups.back().empty()) << "points after the last END";
    groups.pop_back();
    ASSERT_EQ(groups.size(), 10u);
    int previousCentre = -1;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& points = groups[g];
        ASSERT_GE(points.size(), 4u);
        EXPECT_EQ(points.front()[2], 0) << "group " << g << " starts with a move";
        EXPECT_EQ(points.front()[0], points.back()[0]) << "group " << g << " is closed";
        EXPECT_EQ(points.front()[1], points.back()[1]) << "group " << g << " is closed";
        int minX = 700, maxX = 0;
        for (const auto& p : points) {
            EXPECT_TRUE(p[0] >= 0 && p[0] <= 700 && p[1] >= 0 && p[1] <= 100);
            EXPECT_GE(p[3], 1);
            minX = std::min(minX, p[0]);
            maxX = std::max(maxX, p[0]);
        }
        // Fingers run from the left little finger to the right little finger.
        const int centre = (minX + maxX) / 2;
        EXPECT_GT(centre, previousCentre) << "group " << g;
        EXPECT_EQ(centre < 350, g < 5) << "group " << g << " belongs to the other hand";
        previousCentre = centre;
    }
}

// ---------------------------------------------------------------------------------------------
// Evaluation texts

struct TextGroup {
    std::string label;
    int kind = 0;
    std::vector<std::string> texts;
};

TEST(EvaluationTexts, EveryPathFromTheLastGroupLeadsToExistingGroupsAndEnds) {
    const std::vector<std::string> lines = ContainerLines("config/textinfo.ddd.txt");
    std::vector<TextGroup> groups;
    bool inTexts = false;
    for (const std::string& line : lines) {
        if (line.empty()) {
            inTexts = false;
            continue;
        }
        if (!inTexts && line[0] == ':') {
            groups.push_back({line.substr(1), 0, {}});
            continue;
        }
        ASSERT_FALSE(groups.empty()) << "text before the first label: " << line;
        if (!inTexts && line[0] == '#') {
            ASSERT_TRUE(IsInteger(line.substr(1))) << line;
            groups.back().kind = ParseLeadingInt32(line.substr(1));
            inTexts = true;
            continue;
        }
        ASSERT_TRUE(inTexts) << "text without a kind line: " << line;
        EXPECT_NE(line[0], ':') << "a text must not look like a label: " << line;
        groups.back().texts.push_back(line);
    }
    ASSERT_FALSE(groups.empty());

    // Labels in file order; the groups of one label stand together.
    std::vector<std::string> labels;
    std::vector<std::vector<std::size_t>> groupsOfLabel;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (labels.empty() || labels.back() != groups[i].label) {
            EXPECT_EQ(std::count(labels.begin(), labels.end(), groups[i].label), 0)
                << "label " << groups[i].label << " is split";
            labels.push_back(groups[i].label);
            groupsOfLabel.emplace_back();
        }
        groupsOfLabel.back().push_back(i);
    }

    std::set<int> kinds;
    std::set<std::size_t> reached;
    // Walk every possible choice: each step goes to the label before, so the walk ends.
    std::vector<std::pair<std::size_t, std::size_t>> pending = {
        {labels.size() - 1, groupsOfLabel.back().size() - 1}};
    ASSERT_EQ(groupsOfLabel.back().size(), 1u) << "composition starts at one group";
    while (!pending.empty()) {
        const auto [label, indexInLabel] = pending.back();
        pending.pop_back();
        const std::size_t g = groupsOfLabel[label][indexInLabel];
        reached.insert(g);
        const TextGroup& group = groups[g];
        kinds.insert(group.kind);
        EXPECT_FALSE(group.texts.empty()) << group.label;
        EXPECT_TRUE(group.kind >= 0 && group.kind <= 9) << group.label;
        if (label == 0)
            continue;  // the texts of the first label lead nowhere
        const std::size_t targets = group.kind <= 0 ? 1 : group.texts.size();
        for (std::size_t t = 0; t < targets; ++t) {
            ASSERT_LT(t, groupsOfLabel[label - 1].size())
                << "text " << t << " of " << group.label << " has no group to lead to";
            pending.push_back({label - 1, t});
        }
    }
    EXPECT_EQ(reached.size(), groups.size()) << "every group is used by some run";
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Graded groups split the range of grades evenly, so a limit falls on a band border.
    for (const TextGroup& group : groups)
        if (group.kind == 1 || group.kind == 3 || group.kind == 5 || group.kind == 7) {
            EXPECT_EQ(100 % group.texts.size(), 0u) << group.label;
        }
}

// ---------------------------------------------------------------------------------------------
// Character-worth sets

struct WorthSet {
    std::map<int, std::string> records;
};

WorthSet ReadWorthSet(const std::string& sourceRelative) {
    WorthSet set;
    for (const std::string& line : ContainerLines(sourceRelative)) {
        const std::size_t colon = line.find(':');
        EXPECT_NE(colon, std::string::npos) << line;
        if (colon == std::string::npos)
            continue;
        const int number = ParseLeadingInt32(line.substr(0, colon));
        EXPECT_TRUE(number >= 1 && number <= 8) << line;
        EXPECT_FALSE(set.records.count(number) && number != 3) << "record twice: " << line;
        set.records[number] = line.substr(colon + 1);
    }
    return set;
}

TEST(CharacterWorth, SetsAreNamedAsTheirFilesAndGiveEveryCharacterOneWorth) {
    const std::map<std::string, std::string> files = {
        {"charconfig/english_us.nchrs.txt", "English keyboard (United States)"},
        {"charconfig/german.nchrs.txt", "German keyboard"},
        {"charconfig/czech.nchrs.txt", "Czech keyboard"}};
    for (const auto& [source, name] : files) {
        const WorthSet set = ReadWorthSet(source);
        for (int record : {1, 2, 4, 5, 6, 7, 8})
            EXPECT_TRUE(set.records.count(record)) << source << " record " << record;
        EXPECT_EQ(set.records.at(2), name);
        EXPECT_EQ(set.records.at(1), "0") << "delivered sets are read-only";
        std::map<char, int> worth;
        for (int points = 1; points <= 4; ++points)
            for (char c : set.records.at(points + 3))
                EXPECT_TRUE(worth.emplace(c, points).second)
                    << source << ": " << c << " has two worths";
        for (char c = 'a'; c <= 'z'; ++c)
            EXPECT_EQ(worth[c], 1) << source << " " << c;
        for (char c = 'A'; c <= 'Z'; ++c)
            EXPECT_EQ(worth[c], 2) << source << " " << c;
        for (char c = '0'; c <= '9'; ++c)
            EXPECT_GE(worth[c], 1) << source << " " << c;
    }
}

TEST(CharacterWorth, TheTesterListsTheThreeDeliveredTables) {
    const std::vector<KeyboardType> types =
        KeyboardTypeFile::ListFolder(DataFolder() + "charconfig");
    std::set<std::string> names;
    for (const KeyboardType& type : types) {
        names.insert(type.name);
        EXPECT_FALSE(type.editable) << type.name;
        EXPECT_EQ(fs::path(type.path).filename().string(), KeyboardType::FileNameFor(type.name));
        EXPECT_FALSE(type.chars1.empty()) << type.name;
        EXPECT_FALSE(type.chars2.empty()) << type.name;
    }
    EXPECT_EQ(names, (std::set<std::string>{"English keyboard (United States)", "German keyboard",
                                            "Czech keyboard"}));
    // The tester's default setting names a delivered table.
    EXPECT_TRUE(names.count("English keyboard (United States)"));
}

// ---------------------------------------------------------------------------------------------
// Practice texts and help

TEST(PracticeTexts, SixOrMoreTextsOfDifferentLengthInTheProgramCodePage) {
    std::vector<std::size_t> sizes;
    for (const auto& entry : fs::directory_iterator(BinPath("text"))) {
        if (entry.path().extension() != ".txt")
            continue;
        const std::string text = ReadFile(entry.path());
        sizes.push_back(text.size());
        EXPECT_FALSE(CodePage::IsValidUtf8(text) && !CodePage::IsAscii(text))
            << entry.path() << " must be ASCII or Windows-1250, not UTF-8";
        const CodePage& page = CodePage::Program();
        for (unsigned char c : text)
            EXPECT_TRUE(c == '\n' || c >= 0x20) << entry.path() << " control byte " << int(c);
        for (unsigned char c : text) {
            const char32_t u = page.CodePoint(c);
            EXPECT_FALSE(u >= 0xF000 && u <= 0xF0FF) << entry.path() << " byte " << int(c);
        }
        for (const std::string& line : SplitLines(text))
            EXPECT_LE(line.size(), kMaxLineLength) << entry.path() << ": " << line;
    }
    ASSERT_GE(sizes.size(), 6u);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_GE(sizes.back(), 4 * sizes.front()) << "short and long texts";
}

TEST(Help, BothBooksAreUtf8PagesWhoseLinksResolve) {
    for (const char* program : {"kelvane", "morvik"}) {
        const fs::path folder = BinPath(std::string("help/") + program);
        ASSERT_TRUE(fs::exists(folder / "index.html")) << folder;
        std::size_t pages = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".html")
                continue;
            ++pages;
            const std::string html = ReadFile(entry.path());
            EXPECT_TRUE(CodePage::IsValidUtf8(html)) << entry.path();
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << entry.path();
            EXPECT_NE(html.find("<title>"), std::string::npos) << entry.path();
            const std::regex link("href=\"([^\"#:]+)\"");
            for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
                 it != std::sregex_iterator(); ++it)
                EXPECT_TRUE(fs::exists(folder / (*it)[1].str()))
                    << entry.path() << " links to missing " << (*it)[1].str();
        }
        EXPECT_GE(pages, 3u) << program;
    }
}

}  // namespace
