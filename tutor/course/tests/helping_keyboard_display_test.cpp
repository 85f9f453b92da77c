#include "tutor/course/helping_keyboard_display.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tutor/course/tests/course_files_support.h"

namespace {

using Lines = std::vector<std::string>;
using Inversion = HighlightUpdate::Inversion;
using Target = HighlightUpdate::Target;
namespace k = small_layout;

constexpr int kWidth = 600;
constexpr int kHandsHeight = 80;

HandsData Hands(int groups) {
    Lines lines;
    for (int g = 0; g < groups; ++g) {
        lines.push_back("1:1:0:1:0:0:0:");
        lines.push_back("END");
    }
    HandsData hands;
    EXPECT_TRUE(hands.ParseLines(lines));
    return hands;
}

Inversion KeyInv(int key) {
    return {Target::Key, key};
}
Inversion FingerInv(int finger) {
    return {Target::Finger, finger};
}

// The picture: what is inverted now. Inverting twice restores.
class Screen {
  public:
    void Apply(const HighlightUpdate& update) {
        for (const Inversion& inversion : update.inversions) {
            auto key = std::make_pair(inversion.target == Target::Key, inversion.index);
            if (!inverted_.erase(key)) {
                inverted_.insert(key);
            }
        }
    }
    std::set<std::pair<bool, int>> inverted() const { return inverted_; }
    bool Plain() const { return inverted_.empty(); }
    bool KeyInverted(int key) const { return inverted_.count({true, key}) != 0; }

  private:
    std::set<std::pair<bool, int>> inverted_;
};

class HelpingKeyboardDisplayTest : public testing::Test {
  protected:
    void SetUp() override {
        KeyLayout layout;
        ASSERT_TRUE(layout.ParseLines(SmallLayoutLines(""), "/p/config/00000409.kdd"));
        keyboard.SetLayout(std::move(layout));
        ASSERT_TRUE(keyboard.AddComposedLines({"", "\xE2:^:a:", "\xCA:^:E:"}, "/p/0409.odd"));
    }

    // One redraw of the cursor: show the next key, draw, advance the phase.
    HighlightUpdate Redraw(HelpingKeyboardDisplay& display, char character, int width = kWidth) {
        HighlightUpdate update = display.ShowNextKey(character, width, kHandsHeight);
        screen.Apply(update);
        display.AdvanceBlinkPhase();
        return update;
    }

    Keyboard keyboard;
    HandsData hands = Hands(10);
    Screen screen;
};

}  // namespace

struct KeysForCase {
    StrokeKeys keys;
    int phase;
    std::vector<int> expected;
};

class HelpingKeyboardKeysFor : public testing::TestWithParam<KeysForCase> {};

TEST_P(HelpingKeyboardKeysFor, PicksTheKeystrokeOfThePhase) {
    EXPECT_EQ(HelpingKeyboardDisplay::KeysFor(GetParam().keys, GetParam().phase),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, HelpingKeyboardKeysFor,
    testing::Values(KeysForCase{{-1, 5, -1, -1}, 0, {5}}, KeysForCase{{-1, 5, -1, -1}, 2, {5}},
                    KeysForCase{{8, 5, -1, -1}, 3, {8, 5}}, KeysForCase{{8, 5, 3, 4}, 0, {8, 5}},
                    KeysForCase{{8, 5, 3, 4}, 1, {8, 5}}, KeysForCase{{8, 5, 3, 4}, 2, {4, 3}},
                    KeysForCase{{8, 5, 3, 4}, 3, {4, 3}}, KeysForCase{{8, 5, 3, 4}, 6, {4, 3}},
                    KeysForCase{{8, 5, 3, 4}, 8, {8, 5}}, KeysForCase{{-1, 16, -1, 0}, 2, {0}},
                    KeysForCase{{-1, -1, -1, 0}, 1, {}}, KeysForCase{{-1, -1, -1, -1}, 0, {}},
                    // A second keystroke with its modifier but no key is never shown.
                    KeysForCase{{8, 5, 3, -1}, 2, {8, 5}}));

TEST_F(HelpingKeyboardDisplayTest, ShiftedCharacterHighlightsKeyShiftAndBothFingers) {
    HelpingKeyboardDisplay display(keyboard, hands);
    HighlightUpdate update = Redraw(display, ':');
    EXPECT_TRUE(update.errorText.empty());
    EXPECT_EQ(update.inversions, (std::vector<Inversion>{KeyInv(k::kLeftShift), FingerInv(0),
                                                         KeyInv(k::kSemicolon), FingerInv(9)}));
    EXPECT_EQ(display.shownKeys(), (StrokeKeys{k::kLeftShift, k::kSemicolon, -1, -1}));
}

TEST_F(HelpingKeyboardDisplayTest, SameCharacterTwiceLeavesThePictureAsBefore) {
    HelpingKeyboardDisplay display(keyboard, hands);
    Redraw(display, 'A');
    EXPECT_FALSE(screen.Plain());
    Redraw(display, 'A');
    EXPECT_TRUE(screen.Plain());
    Redraw(display, 'A');
    EXPECT_TRUE(screen.KeyInverted(k::kA));
    EXPECT_TRUE(screen.KeyInverted(k::kRightShift));
}

TEST_F(HelpingKeyboardDisplayTest, ComposedCharacterAlternatesBetweenItsKeystrokes) {
    HelpingKeyboardDisplay display(keyboard, hands);
    std::vector<std::set<std::pair<bool, int>>> pictures;
    for (int i = 0; i < 8; ++i) {
        Redraw(display, '\xCA');
        pictures.push_back(screen.inverted());
    }
    std::set<std::pair<bool, int>> deadKey{{true, k::kCircumflex}, {false, 8}};
    std::set<std::pair<bool, int>> letter{
        {true, k::kE}, {false, 2}, {true, k::kRightShift}, {false, 9}};
    std::set<std::pair<bool, int>> none;
    EXPECT_EQ(pictures, (std::vector<std::set<std::pair<bool, int>>>{deadKey, none, letter, none,
                                                                     deadKey, none, letter, none}));
}

TEST_F(HelpingKeyboardDisplayTest, NewCharacterTakesTheOldHighlightAway) {
    HelpingKeyboardDisplay display(keyboard, hands);
    Redraw(display, 'a');
    Redraw(display, 's');
    EXPECT_EQ(screen.inverted(), (std::set<std::pair<bool, int>>{{true, k::kS}, {false, 1}}));
    // Also at a phase in which the highlight is normally dark.
    Redraw(display, 'j');
    EXPECT_EQ(screen.inverted(), (std::set<std::pair<bool, int>>{{true, k::kJ}, {false, 6}}));
}

TEST_F(HelpingKeyboardDisplayTest, UntypableCharacterKeepsThePreviousKeys) {
    HelpingKeyboardDisplay display(keyboard, hands);
    Redraw(display, 'a');
    Redraw(display, 'Z');
    EXPECT_EQ(display.shownKeys(), (StrokeKeys{-1, k::kA, -1, -1}));
    EXPECT_TRUE(screen.Plain());
}

TEST_F(HelpingKeyboardDisplayTest, BackspaceShowsTheBackspaceKeyAndItsFinger) {
    HelpingKeyboardDisplay display(keyboard, hands);
    HighlightUpdate update = Redraw(display, '\b');
    EXPECT_EQ(update.inversions, (std::vector<Inversion>{KeyInv(k::kBackspace), FingerInv(9)}));
}

TEST_F(HelpingKeyboardDisplayTest, KeysWithoutAFingerLightNoOutline) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"", "0:0:1:q:::-1:", "0:0:1:w:::10:"}, "/p"));
    Keyboard plain;
    plain.SetLayout(std::move(layout));
    HelpingKeyboardDisplay display(plain, hands);
    EXPECT_EQ(display.ShowNextKey('q', kWidth, kHandsHeight).inversions,
              (std::vector<Inversion>{KeyInv(0)}));
    display.AdvanceBlinkPhase();
    display.ShowNextKey('q', kWidth, kHandsHeight);
    display.AdvanceBlinkPhase();
    EXPECT_EQ(display.ShowNextKey('w', kWidth, kHandsHeight).inversions,
              (std::vector<Inversion>{KeyInv(1)}));
}

TEST_F(HelpingKeyboardDisplayTest, IncompleteHandsDataShowsTheErrorText) {
    HandsData nine = Hands(9);
    HelpingKeyboardDisplay display(keyboard, nine);
    HighlightUpdate update = display.ShowNextKey('a', kWidth, kHandsHeight);
    EXPECT_EQ(update.errorText, "ERROR in hands.ddd file. Install program again.");
    EXPECT_TRUE(update.inversions.empty());
    EXPECT_EQ(display.shownKeys(), StrokeKeys{});
}

TEST_F(HelpingKeyboardDisplayTest, NeitherKeyboardNorHandsShownDoesNothing) {
    HelpingKeyboardDisplay display(keyboard, hands);
    HighlightUpdate update = display.ShowNextKey('a', 0, 0);
    EXPECT_TRUE(update.inversions.empty());
    EXPECT_TRUE(update.errorText.empty());
    EXPECT_EQ(display.shownKeys(), StrokeKeys{});
}

TEST_F(HelpingKeyboardDisplayTest, KeyboardWithoutHandsStillBlinksItsKeys) {
    // Complete or not, the outlines do not matter while the hands are hidden.
    for (int groups : {10, 9}) {
        SCOPED_TRACE(groups);
        HandsData outlines = Hands(groups);
        HelpingKeyboardDisplay display(keyboard, outlines);
        screen = Screen();
        HighlightUpdate on = display.ShowNextKey('a', kWidth, 0);
        screen.Apply(on);
        display.AdvanceBlinkPhase();
        EXPECT_TRUE(on.errorText.empty());
        EXPECT_TRUE(screen.KeyInverted(k::kA));
        screen.Apply(display.ShowNextKey('a', kWidth, 0));
        EXPECT_TRUE(screen.Plain());
    }
}

TEST_F(HelpingKeyboardDisplayTest, NewKeysWithoutKeyboardAreaStartAtPhaseZero) {
    HelpingKeyboardDisplay display(keyboard, hands);
    Redraw(display, 'a', 0);
    Redraw(display, 'a', 0);
    Redraw(display, 'a', 0);
    EXPECT_EQ(display.blinkPhase(), 3);
    display.ShowNextKey('s', 0, kHandsHeight);
    EXPECT_EQ(display.blinkPhase(), 0);
    display.AdvanceBlinkPhase();
    display.ShowNextKey('j', kWidth, kHandsHeight);
    EXPECT_EQ(display.blinkPhase(), 1);
}

TEST_F(HelpingKeyboardDisplayTest, RepaintStartsAgainFromAPlainPicture) {
    HelpingKeyboardDisplay display(keyboard, hands);
    Redraw(display, 'a');
    EXPECT_TRUE(display.HighlightVisible());
    display.Repainted();
    screen = Screen();
    EXPECT_EQ(display.blinkPhase(), 0);
    Redraw(display, 'a');
    EXPECT_TRUE(screen.KeyInverted(k::kA));
}

TEST_F(HelpingKeyboardDisplayTest, OnlyTheShownKeysAreEverInvertedWhateverThePhase) {
    // Characters change at every phase, composed ones included; no highlight of an earlier
    // character may be left behind on the picture.
    HelpingKeyboardDisplay display(keyboard, hands);
    std::mt19937 random(7);
    const std::string characters = "aAsjJ:\xE2\xCA\x80Z\b";
    for (int i = 0; i < 500; ++i) {
        char c = characters[random() % characters.size()];
        int repeats = 1 + static_cast<int>(random() % 3);
        for (int r = 0; r < repeats; ++r) {
            Redraw(display, c);
            std::set<std::pair<bool, int>> allowed;
            const StrokeKeys& shown = display.shownKeys();
            for (int key : {shown.modifier1, shown.key1, shown.modifier2, shown.key2}) {
                if (key >= 0) {
                    allowed.insert({true, key});
                    allowed.insert({false, keyboard.KeyFinger(key)});
                }
            }
            for (const auto& inverted : screen.inverted()) {
                ASSERT_TRUE(allowed.count(inverted)) << "step " << i;
            }
            ASSERT_EQ(screen.Plain(), !display.HighlightVisible());
        }
    }
}
