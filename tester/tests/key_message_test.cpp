#include "tester/key_message.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "common/code_page.h"

namespace {

using K = KeystrokeRecord;

struct KeyCase {
    const char* name;
    KeyEvent event;
    std::vector<KeystrokeRecord> expected;
    bool unmappable = false;
};

KeyEvent Press(int key, std::u32string text, std::uint32_t keycode, int modifiers = 0) {
    KeyEvent event;
    event.key = key;
    event.text = std::move(text);
    event.nativeScanCode = keycode;
    event.modifiers = modifiers;
    return event;
}

KeyEvent Release(KeyEvent event) {
    event.release = true;
    return event;
}

KeyEvent Repeat(KeyEvent event) {
    event.autoRepeat = true;
    return event;
}

class KeyMessagesTranslate : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMessagesTranslate, GivesTheLoggedMessages) {
    const KeyCase& c = GetParam();
    KeyTranslation translation = KeyMessages::Translate(c.event, CodePage(1250));
    EXPECT_EQ(translation.messages, c.expected);
    EXPECT_EQ(translation.unmappable, c.unmappable);
}

constexpr int kShift = KeyCode::kShiftModifier;
constexpr int kCtrl = KeyCode::kControlModifier;
constexpr int kAlt = KeyCode::kAltModifier;
constexpr int kKeypad = KeyCode::kKeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMessagesTranslate,
    testing::Values(
        // The examples: 'a' on keycode 38 (scan code 0x1E), Left on keycode 113.
        KeyCase{"LetterA", Press('A', U"a", 38), {{0, 256, 'A', 1966081}, {0, 258, 97, 1966081}}},
        KeyCase{"LetterAReleased", Release(Press('A', U"a", 38)), {{0, 257, 'A', -1071775743}}},
        KeyCase{"Left", Press(KeyCode::kLeft, U"", 113), {{0, 256, 37, 21692417}}},
        KeyCase{
            "LeftReleased", Release(Press(KeyCode::kLeft, U"", 113)), {{0, 257, 37, -1052049407}}},
        // Tests and some servers give no keycode: the grey keys keep their own scan codes.
        KeyCase{"LeftWithoutKeycode", Press(KeyCode::kLeft, U"", 0), {{0, 256, 37, 21692417}}},
        KeyCase{"Delete", Press(KeyCode::kDelete, U"\x7f", 119), {{0, 256, 0x2E, 0x01530001}}},
        KeyCase{"Home", Press(KeyCode::kHome, U"", 110), {{0, 256, 0x24, 0x01470001}}},
        KeyCase{"End", Press(KeyCode::kEnd, U"", 115), {{0, 256, 0x23, 0x014F0001}}},
        KeyCase{"Up", Press(KeyCode::kUp, U"", 111), {{0, 256, 0x26, 0x01480001}}},
        KeyCase{"Down", Press(KeyCode::kDown, U"", 116), {{0, 256, 0x28, 0x01500001}}},
        KeyCase{"Right", Press(KeyCode::kRight, U"", 114), {{0, 256, 0x27, 0x014D0001}}},
        KeyCase{"PageUp", Press(KeyCode::kPageUp, U"", 112), {{0, 256, 0x21, 0x01490001}}},
        KeyCase{"PageDown", Press(KeyCode::kPageDown, U"", 117), {{0, 256, 0x22, 0x01510001}}},
        // The keypad with Num Lock off: its own scan code, not extended.
        KeyCase{
            "KeypadHome", Press(KeyCode::kHome, U"", 79, kKeypad), {{0, 256, 0x24, 0x00470001}}},
        KeyCase{"KeypadEnter",
                Press(KeyCode::kEnter, U"\r", 104, kKeypad),
                {{0, 256, 0x0D, 0x011C0001}, {0, 258, 13, 0x011C0001}}},
        KeyCase{"Enter",
                Press(KeyCode::kReturn, U"\r", 36),
                {{0, 256, 0x0D, 0x001C0001}, {0, 258, 13, 0x001C0001}}},
        KeyCase{"Backspace",
                Press(KeyCode::kBackspace, U"\b", 22),
                {{0, 256, 0x08, 0x000E0001}, {0, 258, 8, 0x000E0001}}},
        KeyCase{"Tab",
                Press(KeyCode::kTab, U"\t", 23),
                {{0, 256, 0x09, 0x000F0001}, {0, 258, 9, 0x000F0001}}},
        KeyCase{"ShiftTab",
                Press(KeyCode::kBacktab, U"", 23, kShift),
                {{0, 256, 0x09, 0x000F0001}, {0, 258, 9, 0x000F0001}}},
        KeyCase{"CapitalA",
                Press('A', U"A", 38, kShift),
                {{0, 256, 'A', 1966081}, {0, 258, 'A', 1966081}}},
        KeyCase{
            "Digit", Press('5', U"5", 14), {{0, 256, '5', 0x00060001}, {0, 258, '5', 0x00060001}}},
        KeyCase{"ShiftedDigit",
                Press('%', U"%", 14, kShift),
                {{0, 256, '5', 0x00060001}, {0, 258, '%', 0x00060001}}},
        KeyCase{
            "Comma", Press(',', U",", 59), {{0, 256, 0xBC, 0x00330001}, {0, 258, ',', 0x00330001}}},
        KeyCase{
            "Space", Press(' ', U" ", 65), {{0, 256, 0x20, 0x00390001}, {0, 258, ' ', 0x00390001}}},
        KeyCase{"F5", Press(KeyCode::kF1 + 4, U"", 71), {{0, 256, 0x74, 0x003F0001}}},
        // Characters of the code page: z caron is 0x9E in Windows-1250.
        KeyCase{"ZCaron",
                Press(0x17E, U"\u017E", 21),
                {{0, 256, 0, 0x000D0001}, {0, 258, 0x9E, 0x000D0001}}},
        // A character Windows-1250 lacks: no character message.
        KeyCase{"Greek alpha", Press(0x3B1, U"\u03B1", 38), {{0, 256, 0, 1966081}}, true},
        // Held down: the repeated press has bit 30, its release brings nothing.
        KeyCase{"AutoRepeat",
                Repeat(Press('A', U"a", 38)),
                {{0, 256, 'A', 0x401E0001}, {0, 258, 'a', 0x401E0001}}},
        KeyCase{"AutoRepeatRelease", Release(Repeat(Press('A', U"a", 38))), {}},
        // Commands, not typing.
        KeyCase{"CtrlLetter", Press('Z', U"\x1a", 52, kCtrl), {{0, 256, 'Z', 0x002C0001}}},
        KeyCase{"CtrlBackspace",
                Press(KeyCode::kBackspace, U"\b", 22, kCtrl),
                {{0, 256, 0x08, 0x000E0001}}},
        KeyCase{"AltLetter", Press('F', U"f", 41, kAlt), {{0, 256, 'F', 0x00210001}}},
        // AltGr types: Qt marks it with the group switch.
        KeyCase{"AltGrLetter",
                Press('Q', U"\\", 24, kAlt | kCtrl | KeyCode::kGroupSwitchModifier),
                {{0, 256, 'Q', 0x00100001}, {0, 258, '\\', 0x00100001}}},
        KeyCase{"Escape", Press(KeyCode::kEscape, U"\x1b", 9), {{0, 256, 0x1B, 0x00010001}}},
        // A dead key followed by a letter it cannot combine with: both characters.
        KeyCase{
            "TwoCharacters",
            Press('E', U"\u00B4e", 26),
            {{0, 256, 'E', 0x00120001}, {0, 258, 0xB4, 0x00120001}, {0, 258, 'e', 0x00120001}}}),
    [](const testing::TestParamInfo<KeyCase>& info) {
        std::string name;
        for (char c : std::string(info.param.name)) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            }
        }
        return name;
    });

TEST(KeyMessagesTest, InputMethodCommitsAreCharacters) {
    KeyTranslation commit = KeyMessages::TranslateCommit(U"\u010D\u00E1", CodePage(1250));
    EXPECT_EQ(commit.messages,
              (std::vector<KeystrokeRecord>{{0, 258, 0xE8, 1}, {0, 258, 0xE1, 1}}));
    EXPECT_FALSE(commit.unmappable);
    KeyTranslation foreign = KeyMessages::TranslateCommit(U"\u4E2D", CodePage(1250));
    EXPECT_TRUE(foreign.messages.empty());
    EXPECT_TRUE(foreign.unmappable);
}

TEST(KeyMessagesTest, AnotherCodePageGivesItsOwnBytes) {
    // c caron is 0xE8 in Windows-1250 and missing from Windows-1252.
    KeyTranslation western = KeyMessages::Translate(Press(0x10D, U"\u010D", 47), CodePage(1252));
    EXPECT_TRUE(western.unmappable);
    EXPECT_EQ(western.messages.size(), 1u);
}

}  // namespace
