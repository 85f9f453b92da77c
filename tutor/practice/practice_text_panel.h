#pragma once

#include <cstdint>

#include "tutor/practice/practice_state.h"

/// The cursor state the text panel draws from.
struct PanelState {
    int column = 0;
    int lineCount = 0;
    int lineIndex = 0;
    int lessonIndex = PracticeState::kNoLesson;
    MarkLine errorMarks = PracticeState::BlankMarks();
    MarkLine previousMarks = PracticeState::BlankMarks();

    bool operator==(const PanelState&) const = default;
};

/// The practice panel as the practice engine drives it: it is handed the cursor state and told
/// when to draw. All calls come from the window's thread except MetronomeTick, which the
/// metronome worker makes.
class PracticeTextPanel {
  public:
    virtual ~PracticeTextPanel() = default;
    /// Stores the state; draws nothing.
    virtual void SetText(const PanelState& state) = 0;
    /// Redraws the copy text.
    virtual void Repaint() = 0;
    /// Redraws the cursor, the character left behind and its mark, and stores the state.
    virtual void DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                            bool backspaceAwaited) = 0;
    /// Speed and error rate in per cent of their limits.
    virtual void ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) = 0;
    virtual void NextMovieFrame() = 0;
    /// Flashes the metronome line; called on the metronome worker's thread. It must not wait
    /// for the window's thread, which may be waiting for the metronome to end.
    virtual void MetronomeTick() = 0;
};
