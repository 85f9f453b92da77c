#pragma once

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/keyboard.h"
#include "tutor/practice/panel_font_metrics.h"
#include "tutor/practice/tests/practice_test_support.h"
#include "tutor/practice/text_panel_model.h"

/// A font whose "A" is three fifths as wide as it is high, like a typewriter face.
class TypewriterMetrics final : public PanelFontMetrics {
  public:
    Extent MeasureA(int fontHeight) const override { return {fontHeight * 3 / 5, fontHeight}; }
};

/// A keyboard for the practice fixture's texts. Key indices:
///  0 "a" (finger 0)  1 "b" (3)  2 "c" (2)  3 "x" (1)  4 "y" (6)  5 "z" (7)
///  6 "Shift" (0)  7 "Shift" (9)  8 "Bck" (9)  9 the line-end mark (9)  10 " " (5)  11 "," (8)
///  12 "." (8)  13 "_" as Shift of "-" (8)
std::vector<std::string> PanelKeyboardLines();
/// Ten finger outlines, finger f a stroke from (10 + 60 f, 10) to (40 + 60 f, 90).
std::vector<std::string> PanelHandsLines(int groups = 10);

/// The practice fixture with the panel model in place of the fake panel: the session drives
/// the model as it drives the window's panel. The main window's repaint is left to the test
/// (RepaintAll), as the main window does it.
class PanelFixture : public PracticeFixture, public PracticeTextPanel {
  public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;

    explicit PanelFixture(bool statistics = true, bool keyboard = true, bool hands = true,
                          int handsGroups = 10,
                          std::vector<std::string> courseLines = CourseLines());

    // PracticeTextPanel: on to the model.
    void SetText(const PanelState& state) override { model->SetText(state); }
    void Repaint() override { model->Repaint(); }
    void DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                    bool backspaceAwaited) override {
        model->DrawCursor(state, blinkingCursor, cursorShape, backspaceAwaited);
    }
    void ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) override {
        model->ShowProgress(activeSeconds, speedPercent, errorPercent);
    }
    void NextMovieFrame() override { model->NextMovieFrame(); }
    void MetronomeTick() override { model->MetronomeOn(); }

    /// Lays the panel out for the parts shown at 1280 x 800.
    void Layout(bool statistics, bool keyboard, bool hands);
    /// Lesson 0 begins and the window shows it whole; the damage so far is dropped.
    void Begin(int lesson = 0);
    /// The damage since the last call, as a set.
    std::set<std::tuple<int, int, int, int>> Damage();
    static std::tuple<int, int, int, int> Key(const PanelRect& rect) {
        return {rect.x, rect.y, rect.width, rect.height};
    }

    Keyboard keyboard;
    HandsData hands;
    std::unique_ptr<HelpingKeyboardDisplay> display;
    std::unique_ptr<TextPanelModel> model;
    TypewriterMetrics metrics;
    std::unique_ptr<PracticeSession> panelSession;
};
