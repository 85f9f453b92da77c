#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tutor/course/helping_keyboard_geometry.h"
#include "tutor/course/highlight_update.h"
#include "tutor/practice/cursor_shape.h"
#include "tutor/practice/panel_color.h"
#include "tutor/practice/panel_layout.h"
#include "tutor/practice/panel_rect.h"
#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/statistics_strip.h"

class HelpingKeyboardDisplay;
class LessonCourse;

/// What the practice panel shows and what must be painted again. The panel draws the copy
/// text, marks and cursor, the statistics strip with its animation, the metronome line and
/// the helping keyboard and hands. What the panel shows inverted (the cursor, the highlighted
/// keys and fingers, the metronome line) is kept here as state; every change of state names
/// the rectangles it changed (TakeDamage), and the window repaints exactly those from the
/// state. Painting never changes anything here: the blink counter, the animation frame and the
/// highlight start again only when the engine asks for a repaint.
class TextPanelModel {
  public:
    static constexpr int kMoviePictures = 8;
    static constexpr int kMovieFrames = 12;

    /// One character to draw: its cell, the byte (the line-end mark draws as a return arrow)
    /// and its colour.
    struct TextCell {
        PanelRect cell;
        char character = ' ';
        PanelColor color;

        bool operator==(const TextCell&) const = default;
    };

    /// A frame of the progress animation on the screen.
    struct MovieFrame {
        int picture = 0;
        int frame = 0;

        bool operator==(const MovieFrame&) const = default;
    };

    /// A key of the helping keyboard in the panel: a rounded rectangle.
    struct KeyArea {
        PanelRect rect;
        int corner = 0;
    };

    /// The course gives the copy text; the display decides which keys blink. Both must
    /// outlive the model.
    TextPanelModel(const LessonCourse& course, HelpingKeyboardDisplay& display);

    /// A new layout (size, font or parts shown): everything is painted again, with the
    /// state as it is.
    void SetLayout(const PanelLayout& layout);
    const PanelLayout& layout() const { return layout_; }

    // The engine's calls (PracticeTextPanel).
    /// Stores the cursor state; paints nothing.
    void SetText(const PanelState& state);
    /// The copy text is painted again: the text area (the whole panel when the panel goes idle
    /// or leaves the idle picture). The cursor is gone with it; the blink counter and the
    /// animation frame start again.
    void Repaint();
    /// The whole panel is painted again (the main window's repaint): as Repaint, and the
    /// keyboard and hands lose their highlight and the animation square its frame.
    void RepaintAll();
    /// The update after a stroke or a tick: the cursor moves or blinks, the cells that
    /// changed are painted again, and the keyboard and hands show the next key.
    void DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                    bool backspaceAwaited);
    void ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent);
    void NextMovieFrame();
    /// The metronome line is inverted, and back.
    void MetronomeOn();
    void MetronomeOff();

    /// The rectangles changed since the last call, in the order they changed.
    std::vector<PanelRect> TakeDamage();

    /// Once in the panel's life, when the idle picture shows: true, and false ever after.
    bool TakeWelcomeSound();

    // What there is to paint.
    /// No lesson: the idle picture fills the panel.
    bool Idle() const { return state_.lessonIndex == PracticeState::kNoLesson; }
    /// The characters and marks whose cells meet area, blanks left out. Row 0 the previous
    /// line (grey) with its marks in row 1 (red), row 2 the current line (grey before the
    /// cursor, black from it), row 3 its marks, then the following lines as they fit.
    std::vector<TextCell> CellsIn(const PanelRect& area) const;
    /// The pixels shown inverted in the text area: the cursor and the metronome line.
    std::vector<PanelRect> InvertedPixels() const;
    /// The keys and fingers shown inverted (nothing when their area is hidden).
    std::vector<int> InvertedKeys() const;
    std::vector<int> InvertedFingers() const;
    StatisticsStrip::Figures Figures() const;
    std::optional<MovieFrame> shownMovieFrame() const { return shownMovie_; }
    /// The error text of incomplete finger outlines, empty when there is none to show.
    const std::string& handsError() const { return handsError_; }
    /// Where the error text stands: the left of the hands area, 10 pixels below its top.
    PanelRect HandsErrorArea() const;

    // Keyboard and hands in the panel.
    /// An empty area for an index outside the layout or a hidden keyboard.
    KeyArea KeyAt(int key) const;
    int KeyCount() const;
    /// The outline of finger 0 to 9 in panel pixels; empty when the hands are hidden.
    std::vector<HelpingKeyboardGeometry::OutlineStep> FingerOutline(int finger) const;
    /// Every pixel an inverted outline can touch, within the hands area.
    PanelRect FingerBounds(int finger) const;

    // State, for the window and the tests.
    const PanelState& state() const { return state_; }
    int blinkCounter() const { return blinkCounter_; }
    bool cursorVisible() const { return cursorVisible_; }
    /// The column and shape the visible cursor was drawn with.
    int cursorColumn() const { return cursorColumn_; }
    CursorShape cursorShape() const { return cursorShape_; }
    int lastCursorColumn() const { return lastCursorColumn_; }
    int moviePicture() const { return moviePicture_; }
    /// The frame the next NextMovieFrame draws unless the picture changes.
    int movieCounter() const { return movieCounter_; }
    bool metronomeOn() const { return metronomeOn_; }
    std::int64_t activeSeconds() const { return activeSeconds_; }
    int speedPercent() const { return speedPercent_; }
    int errorPercent() const { return errorPercent_; }

    /// The cell the cursor stands in: the character cell (row 2), below it for the pointer.
    PanelRect CursorCell(int column, CursorShape shape) const;

  private:
    using Highlight = std::pair<HighlightUpdate::Target, int>;

    void Damage(const PanelRect& rect);
    void DamageAll();
    void DamageChangedCells(const PanelState& before, const PanelState& after);
    void HideCursor();
    void ToggleCursor(int column, CursorShape shape);
    void ShowNextKey(char character);
    void ClearHighlight();
    void LeaveIdlePicture();
    PanelRect HighlightArea(const Highlight& highlight) const;
    static bool SameLines(const PanelState& a, const PanelState& b);
    const std::string& Line(int lineIndex) const;

    const LessonCourse& course_;
    HelpingKeyboardDisplay& display_;
    PanelLayout layout_;
    PanelState state_;

    int blinkCounter_ = 0;
    int lastCursorColumn_ = -1;
    bool cursorVisible_ = false;
    int cursorColumn_ = 0;
    CursorShape cursorShape_ = CursorShape::Rectangle;

    std::int64_t activeSeconds_ = 0;
    int speedPercent_ = 0;
    int errorPercent_ = 0;

    int moviePicture_ = 0;
    int movieCounter_ = 0;
    std::optional<MovieFrame> shownMovie_;

    bool metronomeOn_ = false;
    /// Keys and fingers inverted now; inverting one twice restores it.
    std::set<Highlight> highlighted_;
    std::string handsError_;

    /// Whether the idle picture was last painted over the whole panel.
    bool idlePainted_ = true;
    bool welcomePlayed_ = false;
    std::vector<PanelRect> damage_;
};
