#include "tutor/practice/text_panel_model.h"

#include <gtest/gtest.h>

#include <string>

#include "tutor/practice/tests/panel_test_support.h"

namespace {

using Rects = std::set<std::tuple<int, int, int, int>>;
constexpr int kKeyA = 0, kKeyB = 1, kKeyC = 2, kKeyBackspace = 8;

class TextPanelModelTest : public testing::Test {
  protected:
    // The layout of the test font in 1280 x 800 with everything shown: ch 31, cw 18.
    const PanelLayout& layout() const { return f.model->layout(); }
    std::tuple<int, int, int, int> Cell(int row, int column) const {
        return PanelFixture::Key(layout().Cell(row, column));
    }
    std::tuple<int, int, int, int> KeyRect(int key) const {
        return PanelFixture::Key(f.model->KeyAt(key).rect);
    }
    std::tuple<int, int, int, int> Finger(int finger) const {
        return PanelFixture::Key(f.model->FingerBounds(finger));
    }
    std::tuple<int, int, int, int> Rect(const PanelRect& rect) const {
        return PanelFixture::Key(rect);
    }
    // Begins lesson 0 ("abc", "cab") and lets one tick show the cursor and the first key.
    void BeginAndTick() {
        f.Begin();
        ASSERT_TRUE(f.host.Tick());
        f.Damage();
    }
    bool NoWholeAreas(const Rects& damage) const {
        return !damage.count(Rect(layout().Client())) &&
               !damage.count(Rect(layout().TextBackground()));
    }

    PanelFixture f;
};

}  // namespace

TEST_F(TextPanelModelTest, FirstTickShowsTheCursorAndTheFirstKey) {
    f.settings.cursorShape = 0;
    f.Begin();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_EQ(f.Damage(),
              (Rects{Cell(2, 0), KeyRect(kKeyA), Finger(0), Rect(layout().MovieSquare())}));
    EXPECT_TRUE(f.model->cursorVisible());
    EXPECT_EQ(f.model->blinkCounter(), 1);
    EXPECT_EQ(f.model->InvertedKeys(), std::vector<int>{kKeyA});
    EXPECT_EQ(f.model->InvertedFingers(), std::vector<int>{0});
}

TEST_F(TextPanelModelTest, CorrectStrokeRepaintsTheTwoCursorCellsTheKeysAndTheSpeed) {
    f.settings.cursorShape = 0;
    BeginAndTick();
    f.host.Type("a", 300);
    // The cursor leaves "a" (now grey) for "b"; the highlight moves from a to b, finger 0 to 3.
    EXPECT_EQ(f.Damage(), (Rects{Cell(2, 0), Cell(2, 1), KeyRect(kKeyA), Finger(0), KeyRect(kKeyB),
                                 Finger(3), Rect(StatisticsStrip::SpeedBarFrame(layout()))}));
    EXPECT_EQ(f.model->cursorColumn(), 1);
    EXPECT_EQ(f.model->InvertedKeys(), std::vector<int>{kKeyB});
}

TEST_F(TextPanelModelTest, WrongStrokeAlsoRepaintsItsMarkAndTheErrorBar) {
    f.settings.cursorShape = 0;
    BeginAndTick();
    f.host.Type("a", 200);
    f.Damage();
    // Still within the first second: the time stays as it is.
    f.host.Type("x", 200);
    EXPECT_EQ(f.Damage(),
              (Rects{Cell(2, 1), Cell(3, 1), Cell(2, 2), KeyRect(kKeyB), Finger(3), KeyRect(kKeyC),
                     Finger(2), Rect(StatisticsStrip::SpeedBarFrame(layout())),
                     Rect(StatisticsStrip::ErrorBarFrame(layout()))}));
}

TEST_F(TextPanelModelTest, PointerCursorRepaintsTheMarkRowCells) {
    f.settings.cursorShape = 2;
    BeginAndTick();
    f.host.Type("a", 300);
    const Rects damage = f.Damage();
    EXPECT_TRUE(damage.count(Cell(2, 0)));
    EXPECT_TRUE(damage.count(Cell(3, 0)));
    EXPECT_TRUE(damage.count(Cell(3, 1)));
    EXPECT_FALSE(damage.count(Cell(2, 1)));
}

TEST_F(TextPanelModelTest, BlinkingCursorTurnsAtEveryTick) {
    f.settings.blinkingCursor = 1;
    f.settings.cursorShape = 1;
    BeginAndTick();
    for (int tick = 2; tick <= 5; ++tick) {
        ASSERT_TRUE(f.host.Tick());
        EXPECT_EQ(f.model->cursorVisible(), tick % 2 == 1) << tick;
        EXPECT_EQ(f.model->blinkCounter(), tick);
        // A tick repaints the cursor, the keys and the animation (and the time when it
        // moves on); no text.
        Rects damage = f.Damage();
        damage.erase(Rect(StatisticsStrip::TimeArea(layout())));
        EXPECT_EQ(damage,
                  (Rects{Cell(2, 0), KeyRect(kKeyA), Finger(0), Rect(layout().MovieSquare())}))
            << tick;
    }
}

TEST_F(TextPanelModelTest, SteadyCursorStaysBetweenStrokes) {
    f.settings.blinkingCursor = 0;
    BeginAndTick();
    for (int tick = 0; tick < 3; ++tick) {
        ASSERT_TRUE(f.host.Tick());
        EXPECT_TRUE(f.model->cursorVisible());
        EXPECT_FALSE(f.Damage().count(Cell(3, 0)));
    }
    f.host.Type("a", 100);
    EXPECT_TRUE(f.model->cursorVisible());
    EXPECT_EQ(f.model->cursorColumn(), 1);
}

TEST_F(TextPanelModelTest, NewLineRepaintsTheTextAreaNotTheWindow) {
    BeginAndTick();
    f.host.Type("ab", 300);
    f.Damage();
    f.host.Type("c", 300);
    const Rects damage = f.Damage();
    EXPECT_TRUE(damage.count(Rect(layout().TextBackground())));
    EXPECT_FALSE(damage.count(Rect(layout().Client())));
    EXPECT_EQ(f.model->state().lineIndex, 1);
    // The repaint took the cursor away; the stroke's update showed it at the new line.
    EXPECT_TRUE(f.model->cursorVisible());
    EXPECT_EQ(f.model->cursorColumn(), 0);
}

TEST_F(TextPanelModelTest, CorrectionRepaintsTheTextAreaAndShowsBackspaceBefore) {
    f.settings.errorMode = 3;
    f.panelSession->SettingsChanged();
    BeginAndTick();
    f.host.Type("x", 300);
    // Backspace is awaited: its key blinks.
    EXPECT_EQ(f.model->InvertedKeys(), std::vector<int>{kKeyBackspace});
    EXPECT_EQ(f.model->state().errorMarks[0], 'x');
    f.Damage();
    f.host.Type("\b", 300);
    const Rects damage = f.Damage();
    EXPECT_EQ(damage, (Rects{Rect(layout().TextBackground())}));
    EXPECT_EQ(f.model->state().errorMarks[0], ' ');
    EXPECT_FALSE(f.model->cursorVisible());
    EXPECT_EQ(f.model->blinkCounter(), 0);
}

TEST_F(TextPanelModelTest, StrokesNeverRepaintTheWholeTextOrWindow) {
    f.settings.blinkingCursor = 1;
    BeginAndTick();
    for (char c : std::string("axb")) {
        f.host.Type(std::string(1, c), 200);
        EXPECT_TRUE(NoWholeAreas(f.Damage())) << c;
        ASSERT_TRUE(f.host.Tick());
        EXPECT_TRUE(NoWholeAreas(f.Damage())) << c;
    }
}

TEST_F(TextPanelModelTest, RepaintRestartsBlinkAndAnimationButKeepsTheKeys) {
    BeginAndTick();
    f.model->NextMovieFrame();
    ASSERT_GT(f.model->movieCounter(), 0);
    f.Damage();
    f.model->Repaint();
    EXPECT_EQ(f.Damage(), (Rects{Rect(layout().TextBackground())}));
    EXPECT_EQ(f.model->blinkCounter(), 0);
    EXPECT_FALSE(f.model->cursorVisible());
    EXPECT_EQ(f.model->movieCounter(), 0);
    // The keyboard and the animation square were not painted again: they keep what they show.
    EXPECT_FALSE(f.model->InvertedKeys().empty());
    EXPECT_TRUE(f.model->shownMovieFrame().has_value());
}

TEST_F(TextPanelModelTest, RepaintAllStartsEveryPartPlain) {
    BeginAndTick();
    f.model->MetronomeOn();
    f.model->RepaintAll();
    EXPECT_EQ(f.Damage(), (Rects{Rect(layout().Client())}));
    EXPECT_EQ(f.model->blinkCounter(), 0);
    EXPECT_TRUE(f.model->InvertedKeys().empty());
    EXPECT_EQ(f.display->blinkPhase(), 0);
    EXPECT_FALSE(f.model->shownMovieFrame().has_value());
    // A beat in progress is not painted away: its end still takes it back.
    EXPECT_TRUE(f.model->metronomeOn());
}

TEST_F(TextPanelModelTest, MetronomeBeatInvertsTheTopLineOfTheText) {
    BeginAndTick();
    f.model->MetronomeOn();
    EXPECT_EQ(f.Damage(), (Rects{Rect(layout().MetronomeLine())}));
    const std::vector<PanelRect> inverted = f.model->InvertedPixels();
    EXPECT_EQ(std::count(inverted.begin(), inverted.end(), layout().MetronomeLine()), 1);
    f.model->MetronomeOn();
    EXPECT_TRUE(f.Damage().empty());
    f.model->MetronomeOff();
    EXPECT_EQ(f.Damage(), (Rects{Rect(layout().MetronomeLine())}));
    const std::vector<PanelRect> after = f.model->InvertedPixels();
    EXPECT_EQ(std::count(after.begin(), after.end(), layout().MetronomeLine()), 0);
}

TEST_F(TextPanelModelTest, AnimationRunsTwelveFramesAndRestartsWithAnotherPicture) {
    f.Begin();
    f.model->ShowProgress(30, 50, 10);  // minute 0: error rate 10 per cent, "Movie5.jpg"
    for (int frame = 0; frame < 12; ++frame) {
        f.model->NextMovieFrame();
        EXPECT_EQ(f.model->shownMovieFrame(), (TextPanelModel::MovieFrame{4, frame}));
    }
    f.model->NextMovieFrame();
    EXPECT_EQ(f.model->shownMovieFrame(), (TextPanelModel::MovieFrame{4, 0}));
    f.model->NextMovieFrame();
    f.model->ShowProgress(60, 50, 10);  // minute 1: speed 50 per cent, "Movie1.jpg"
    f.model->NextMovieFrame();
    EXPECT_EQ(f.model->shownMovieFrame(), (TextPanelModel::MovieFrame{0, 0}));
    f.Damage();
    f.model->NextMovieFrame();
    EXPECT_EQ(f.Damage(), (Rects{Rect(layout().MovieSquare())}));
}

TEST_F(TextPanelModelTest, ProgressRepaintsOnlyTheFiguresThatChanged) {
    f.Begin();
    f.model->ShowProgress(1, 50, 20);
    EXPECT_EQ(f.Damage(), (Rects{Rect(StatisticsStrip::TimeArea(layout())),
                                 Rect(StatisticsStrip::SpeedBarFrame(layout())),
                                 Rect(StatisticsStrip::ErrorBarFrame(layout()))}));
    f.model->ShowProgress(1, 50, 20);
    EXPECT_TRUE(f.Damage().empty());
    // 51 per cent fills the bar as far as 50 does.
    f.model->ShowProgress(1, 51, 20);
    EXPECT_TRUE(f.Damage().empty());
    f.model->ShowProgress(1, 60, 20);
    EXPECT_EQ(f.Damage(), (Rects{Rect(StatisticsStrip::SpeedBarFrame(layout()))}));
    f.model->ShowProgress(2, 60, 20);
    EXPECT_EQ(f.Damage(), (Rects{Rect(StatisticsStrip::TimeArea(layout()))}));
}

TEST(TextPanelModelLayout, HiddenStripStoresTheFiguresOnly) {
    PanelFixture f(false, false, false);
    f.Begin();
    f.model->ShowProgress(61, 120, 150);
    f.model->NextMovieFrame();
    EXPECT_TRUE(f.Damage().empty());
    EXPECT_EQ(f.model->activeSeconds(), 61);
    EXPECT_EQ(f.model->speedPercent(), 120);
    EXPECT_EQ(f.model->errorPercent(), 150);
}

TEST(TextPanelModelLayout, KeyboardWithoutHandsStillHighlightsKeys) {
    PanelFixture f(true, true, false);
    f.Begin();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_EQ(f.model->InvertedKeys(), std::vector<int>{kKeyA});
    EXPECT_TRUE(f.model->InvertedFingers().empty());
    EXPECT_TRUE(f.model->handsError().empty());
}

TEST(TextPanelModelLayout, HandsWithoutKeyboardHighlightFingers) {
    PanelFixture f(true, false, true);
    f.Begin();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_TRUE(f.model->InvertedKeys().empty());
    EXPECT_EQ(f.model->InvertedFingers(), std::vector<int>{0});
}

TEST(TextPanelModelLayout, IncompleteOutlinesShowTheErrorTextInTheHandsArea) {
    PanelFixture f(true, true, true, 9);
    f.Begin();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_EQ(f.model->handsError(), "ERROR in hands.ddd file. Install program again.");
    const PanelRect area = f.model->HandsErrorArea();
    EXPECT_EQ(area.x, f.model->layout().hands.x);
    EXPECT_EQ(area.y, f.model->layout().hands.y + 10);
    EXPECT_TRUE(f.Damage().count(PanelFixture::Key(area)));
    EXPECT_TRUE(f.model->InvertedKeys().empty());
}

TEST(TextPanelModelLayout, IncompleteOutlinesDoNotMatterWithoutHands) {
    PanelFixture f(true, true, false, 9);
    f.Begin();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_TRUE(f.model->handsError().empty());
    EXPECT_EQ(f.model->InvertedKeys(), std::vector<int>{kKeyA});
}

TEST(TextPanelModelLayout, KeysAreCentredInTheKeyboardArea) {
    PanelFixture f;
    // u = 310 / 100; the 300-unit keyboard is centred in the 1270-pixel area from x 5.
    const PanelRect a = f.model->KeyAt(kKeyA).rect;
    EXPECT_EQ(a.x, 5 + static_cast<int>(20 * 3.1 + (1270 - 300 * 3.1) / 2));
    EXPECT_EQ(a.y, 366 + static_cast<int>(60 * 3.1));
    EXPECT_TRUE(f.model->KeyAt(99).rect.Empty());
    EXPECT_TRUE(f.model->KeyAt(-1).rect.Empty());
    // Every outline point lies within its finger's bounds.
    for (int finger = 0; finger < 10; ++finger) {
        const PanelRect bounds = f.model->FingerBounds(finger);
        for (const auto& step : f.model->FingerOutline(finger)) {
            EXPECT_TRUE(bounds.Contains(step.x, step.y)) << finger;
        }
    }
}

TEST(TextPanelModelRows, RowsShowLinesMarksAndColours) {
    const std::vector<std::string> lines = {"00000409_a", "Rows", "abc:1:100:2.0:",
                                            "abc",        "cab",  "xyz",
                                            "zyx",        "aaa",  "bbb",
                                            "ccc",        "xxx",  "yyy",
                                            "zzz"};
    PanelFixture f(true, true, true, 10, lines);
    PanelState state;
    state.lessonIndex = 0;
    state.lineCount = 10;
    state.lineIndex = 1;
    state.column = 2;
    state.previousMarks[1] = 'x';
    state.errorMarks[0] = '_';
    f.model->SetText(state);
    std::map<std::pair<int, int>, std::pair<char, PanelColor>> shown;
    const PanelLayout& layout = f.model->layout();
    for (const TextPanelModel::TextCell& cell : f.model->CellsIn(layout.Client())) {
        const int row = (cell.cell.y - layout.text.y) / layout.charHeight;
        const int column = (cell.cell.x - layout.text.x) / layout.charWidth;
        EXPECT_EQ(cell.cell, layout.Cell(row, column));
        shown[{row, column}] = {cell.character, cell.color};
    }
    const PanelColor grey = PanelColor::Grey(), red = PanelColor::Red(),
                     black = PanelColor::Black();
    std::map<std::pair<int, int>, std::pair<char, PanelColor>> expected = {
        {{0, 0}, {'a', grey}}, {{0, 1}, {'b', grey}}, {{0, 2}, {'c', grey}},  {{1, 1}, {'x', red}},
        {{2, 0}, {'c', grey}}, {{2, 1}, {'a', grey}}, {{2, 2}, {'b', black}}, {{3, 0}, {'_', red}},
    };
    // Five following rows fit: lines 2 to 6.
    for (int k = 0; k < 5; ++k) {
        for (int c = 0; c < 3; ++c) {
            expected[{4 + k, c}] = {lines[5 + k][static_cast<std::size_t>(c)], black};
        }
    }
    EXPECT_EQ(shown, expected);

    // Only the cells of an area, and no line past the text's end.
    state.lineIndex = 8;
    f.model->SetText(state);
    int following = 0;
    for (const auto& cell : f.model->CellsIn(layout.Client())) {
        following += cell.cell.y >= layout.Row(4).y ? 1 : 0;
    }
    EXPECT_EQ(following, 3);
    EXPECT_EQ(f.model->CellsIn(layout.Cell(2, 1)).size(), 3u);
}

TEST(TextPanelModelRows, FirstLineShowsNoMarksOfAnEarlierLine) {
    PanelFixture f;
    PanelState state;
    state.lessonIndex = 0;
    state.lineCount = 2;
    state.previousMarks[0] = 'x';
    f.model->SetText(state);
    for (const auto& cell : f.model->CellsIn(f.model->layout().Client())) {
        EXPECT_GE(cell.cell.y, f.model->layout().Row(2).y);
    }
}

TEST(TextPanelModelIdle, IdlePanelIsOnePictureAndGreetsOnce) {
    PanelFixture f;
    EXPECT_TRUE(f.model->Idle());
    EXPECT_TRUE(f.model->CellsIn(f.model->layout().Client()).empty());
    f.model->Repaint();
    EXPECT_EQ(f.Damage(), (Rects{PanelFixture::Key(f.model->layout().Client())}));
    EXPECT_TRUE(f.model->TakeWelcomeSound());
    EXPECT_FALSE(f.model->TakeWelcomeSound());
    // Leaving the idle picture shows every part again, and so does coming back to it.
    f.panelSession->BeginLesson(0);
    f.Damage();
    f.model->Repaint();
    EXPECT_EQ(f.Damage(), (Rects{PanelFixture::Key(f.model->layout().Client())}));
    f.model->Repaint();
    EXPECT_EQ(f.Damage(), (Rects{PanelFixture::Key(f.model->layout().TextBackground())}));
    f.panelSession->ResetRun();
    f.model->Repaint();
    EXPECT_EQ(f.Damage(), (Rects{PanelFixture::Key(f.model->layout().Client())}));
    EXPECT_FALSE(f.model->TakeWelcomeSound());
}

TEST(TextPanelModelIdle, FirstUpdateOfARunPaintsOverTheIdlePicture) {
    PanelFixture f;
    f.panelSession->BeginLesson(0);
    f.Damage();
    ASSERT_TRUE(f.host.Tick());
    EXPECT_TRUE(f.Damage().count(PanelFixture::Key(f.model->layout().Client())));
    ASSERT_TRUE(f.host.Tick());
    EXPECT_FALSE(f.Damage().count(PanelFixture::Key(f.model->layout().Client())));
}
