#include "tutor/course/keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/course_files_support.h"

namespace {

using Lines = std::vector<std::string>;
namespace k = small_layout;

Keyboard SmallKeyboard() {
    KeyLayout layout;
    EXPECT_TRUE(layout.ParseLines(SmallLayoutLines(""), "/p/config/00000409.kdd"));
    Keyboard keyboard;
    keyboard.SetLayout(std::move(layout));
    return keyboard;
}

StrokeKeys Find(const Keyboard& keyboard, char character) {
    StrokeKeys keys{99, 99, 99, 99};
    keyboard.FindKeyStroke(character, keys);
    return keys;
}

}  // namespace

TEST(Keyboard, AcceptedCharactersFollowKeyOrderPlainShiftAltGr) {
    Keyboard keyboard = SmallKeyboard();
    EXPECT_EQ(keyboard.AcceptedCharacters(), "aAsSjJkK;:1!eE\x80 ^");
}

struct StrokeCase {
    char character;
    StrokeKeys keys;
};

class KeyboardStrokes : public testing::TestWithParam<StrokeCase> {};

TEST_P(KeyboardStrokes, CharacterIsTypedWithItsKeyAndModifier) {
    Keyboard keyboard = SmallKeyboard();
    StrokeKeys keys;
    EXPECT_TRUE(keyboard.FindKeyStroke(GetParam().character, keys));
    EXPECT_EQ(keys, GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(Characters, KeyboardStrokes,
                         testing::Values(StrokeCase{'a', {-1, k::kA, -1, -1}},
                                         // Shift is pressed by the other hand: left-hand finger 0
                                         // takes the right Shift ...
                                         StrokeCase{'A', {k::kRightShift, k::kA, -1, -1}},
                                         StrokeCase{'E', {k::kRightShift, k::kE, -1, -1}},
                                         // ... and right-hand fingers 6 and 9 take the left one.
                                         StrokeCase{'J', {k::kLeftShift, k::kJ, -1, -1}},
                                         StrokeCase{':', {k::kLeftShift, k::kSemicolon, -1, -1}},
                                         StrokeCase{'\x80', {k::kRightAlt, k::kE, -1, -1}},
                                         StrokeCase{' ', {-1, k::kSpace, -1, -1}}));

TEST(Keyboard, EnterAddsNoCharacterButALineEndMarkKeyDoes) {
    Keyboard keyboard = SmallKeyboard();
    EXPECT_EQ(keyboard.AcceptedCharacters().find('\xA4'), std::string::npos);

    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"", "40:250:-2:\xA4:::9:"}, "/p"));
    keyboard.SetLayout(std::move(layout));
    EXPECT_EQ(keyboard.AcceptedCharacters(), "\xA4");
    StrokeKeys keys;
    EXPECT_TRUE(keyboard.FindKeyStroke('\xA4', keys));
    EXPECT_EQ(keys.key1, 0);
}

TEST(Keyboard, FirstKeyInKeyOrderWins) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"", "0:0:1:x:::0:", "0:0:1:y:x::5:", "0:0:1:x:::9:"}, "/p"));
    Keyboard keyboard;
    keyboard.SetLayout(std::move(layout));
    EXPECT_EQ(Find(keyboard, 'x'), (StrokeKeys{-1, 0, -1, -1}));
    EXPECT_EQ(keyboard.AcceptedCharacters(), "xyxx");
}

TEST(Keyboard, UntypableCharacterLeavesTheKeysAsTheyWere) {
    Keyboard keyboard = SmallKeyboard();
    StrokeKeys keys{1, 2, 3, 4};
    EXPECT_FALSE(keyboard.FindKeyStroke('Z', keys));
    EXPECT_EQ(keys, (StrokeKeys{1, 2, 3, 4}));
}

TEST(Keyboard, BackspaceShowsTheBackspaceKeyUnlessTheMapIsEmpty) {
    Keyboard keyboard = SmallKeyboard();
    StrokeKeys keys{1, 2, 3, 4};
    EXPECT_FALSE(keyboard.FindKeyStroke('\b', keys));
    EXPECT_EQ(keys, (StrokeKeys{k::kBackspace, -1, -1, -1}));

    Keyboard empty;
    keys = StrokeKeys{1, 2, 3, 4};
    EXPECT_FALSE(empty.FindKeyStroke('\b', keys));
    EXPECT_EQ(keys, (StrokeKeys{1, 2, 3, 4}));
}

TEST(Keyboard, KeyFingerIsMinusOneOutsideTheLayout) {
    Keyboard keyboard = SmallKeyboard();
    EXPECT_EQ(keyboard.KeyFinger(k::kJ), 6);
    EXPECT_EQ(keyboard.KeyFinger(k::kCircumflex), 8);
    EXPECT_EQ(keyboard.KeyFinger(-1), -1);
    EXPECT_EQ(keyboard.KeyFinger(17), -1);
}

TEST(Keyboard, ComposedCharactersTakeBothKeystrokesAndComeLast) {
    Keyboard keyboard = SmallKeyboard();
    ASSERT_TRUE(keyboard.AddComposedLines(
        {"0409", "\xE2:^:a:", "\xCA:^:E:", "\x9E:?:a:", "comment", "x:^:^:"}, "/p/0409.odd"));
    EXPECT_EQ(Find(keyboard, '\xE2'), (StrokeKeys{-1, k::kCircumflex, -1, k::kA}));
    EXPECT_EQ(Find(keyboard, '\xCA'), (StrokeKeys{-1, k::kCircumflex, k::kRightShift, k::kE}));
    // A first character the map lacks leaves the first keystroke empty.
    EXPECT_EQ(Find(keyboard, '\x9E'), (StrokeKeys{-1, -1, -1, k::kA}));
    // Both keystrokes may be the same key.
    EXPECT_EQ(Find(keyboard, 'x'), (StrokeKeys{-1, k::kCircumflex, -1, k::kCircumflex}));
    EXPECT_EQ(keyboard.AcceptedCharacters(), "aAsSjJkK;:1!eE\x80 ^\xE2\xCA\x9Ex");
}

TEST(Keyboard, BrokenComposedLineFailsButKeepsEntriesBefore) {
    Keyboard keyboard = SmallKeyboard();
    EXPECT_FALSE(keyboard.AddComposedLines({"", "\xE2:^:a:", "\xCA:^:E", "\xE4:^:a:"}, "/p"));
    EXPECT_EQ(keyboard.composedFailedLine(), 3);
    StrokeKeys keys;
    EXPECT_TRUE(keyboard.FindKeyStroke('\xE2', keys));
    EXPECT_FALSE(keyboard.FindKeyStroke('\xE4', keys));
}

TEST(Keyboard, ForeignComposedFileFails) {
    Keyboard keyboard = SmallKeyboard();
    EXPECT_FALSE(keyboard.AddComposedLines({"0407", "\xE2:^:a:"}, "/p/config/0409.odd"));
    EXPECT_EQ(keyboard.composedFailedLine(), 1);
}

TEST(Keyboard, ComposedFileIsNamedByTheLastFourCharacters) {
    EXPECT_EQ(Keyboard::ComposedFileName("00000409"), "0409.odd");
    EXPECT_EQ(Keyboard::ComposedFileName("0001040E"), "040E.odd");
    EXPECT_EQ(Keyboard::ComposedFileName("ABCD"), "ABCD.odd");
    EXPECT_EQ(Keyboard::ComposedFileName("NUM"), "");
}

class KeyboardFiles : public testing::Test {
  protected:
    void SetUp() override { DataPaths::SetProgramFolder(dir.path()); }
    TempDir dir;
};

TEST_F(KeyboardFiles, LoadKeyboardReadsLayoutAndComposedCharacters) {
    WriteLineFile(dir, "config/00000409.kdd", SmallLayoutLines("00000409"));
    WriteLineFile(dir, "config/0409.odd", {"0409", "\xE2:^:a:"});
    Keyboard keyboard;
    EXPECT_TRUE(keyboard.LoadKeyboard("00000409"));
    EXPECT_EQ(keyboard.layout().name(), "00000409");
    EXPECT_EQ(keyboard.AcceptedCharacters(), "aAsSjJkK;:1!eE\x80 ^\xE2");
    EXPECT_EQ(keyboard.BackspaceKey(), k::kBackspace);
}

TEST_F(KeyboardFiles, MissingComposedFileFailsForLongIdentifiersOnly) {
    WriteLineFile(dir, "config/00000409.kdd", SmallLayoutLines("00000409"));
    WriteLineFile(dir, "config/NUM.kdd", {"NUM", "0:0:1:7:::6:", "0:16:1:8:::7:"});
    Keyboard keyboard;
    EXPECT_FALSE(keyboard.LoadKeyboard("00000409"));
    // The keys are there all the same.
    EXPECT_EQ(keyboard.layout().keys().size(), 17u);
    EXPECT_TRUE(keyboard.LoadKeyboard("NUM"));
    EXPECT_EQ(keyboard.AcceptedCharacters(), "78");
}

TEST_F(KeyboardFiles, MissingLayoutGivesAnEmptyKeyboard) {
    WriteLineFile(dir, "config/0409.odd", {"0409", "\xE2:^:a:"});
    WriteLineFile(dir, "config/NUM.kdd", {"NUM", "0:0:1:Shift:::0:", "0:16:1:7:::6:"});
    Keyboard keyboard;
    ASSERT_TRUE(keyboard.LoadKeyboard("NUM"));
    ASSERT_EQ(keyboard.LeftShift(), 0);
    EXPECT_TRUE(keyboard.LoadKeyboard("00000409"));
    EXPECT_TRUE(keyboard.layout().keys().empty());
    EXPECT_EQ(keyboard.LeftShift(), -1);
    // Only the composed character remains, typed with no key at all.
    EXPECT_EQ(keyboard.AcceptedCharacters(), "\xE2");
    EXPECT_EQ(Find(keyboard, '\xE2'), (StrokeKeys{-1, -1, -1, -1}));
}
