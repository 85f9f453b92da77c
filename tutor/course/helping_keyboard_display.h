#pragma once

#include <string_view>
#include <vector>

#include "tutor/course/hands_data.h"
#include "tutor/course/highlight_update.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/stroke_keys.h"

/// Which keys and fingers of the helping keyboard and hands blink for the next character. At
/// each redraw of the cursor the highlight is switched on and off in turn; over four phases a
/// composed character shows its first keystroke, nothing, its second keystroke, nothing. The
/// painter only carries out the inversions it is handed.
class HelpingKeyboardDisplay {
  public:
    static constexpr std::string_view kHandsErrorText =
        "ERROR in hands.ddd file. Install program again.";

    HelpingKeyboardDisplay(const Keyboard& keyboard, const HandsData& hands)
        : keyboard_(keyboard), hands_(hands) {}

    /// The keys to highlight in a phase: the second keystroke (key, then its modifier) in
    /// phases 2 and 3 of every four when there is one, else the first (modifier, then key).
    static std::vector<int> KeysFor(const StrokeKeys& keys, int phase);

    /// The inversions that switch the highlight of keys in the current phase: each key, and
    /// the outline of the finger of each key pressed by a finger.
    std::vector<HighlightUpdate::Inversion> ToggleHighlight(const StrokeKeys& keys) const;

    /// Called at each redraw of the cursor with the next character to type; the hands area has
    /// handsHeight pixels, the keyboard area keyboardWidth. A character the keyboard cannot
    /// type keeps the keys shown before. Returns what to invert (or, with the hands shown, the
    /// error text for incomplete hands data); advance the phase with AdvanceBlinkPhase
    /// afterwards. With neither keyboard nor hands shown nothing happens; the keyboard shown
    /// alone still blinks its keys.
    HighlightUpdate ShowNextKey(char character, int keyboardWidth, int handsHeight);

    void AdvanceBlinkPhase() { ++blinkPhase_; }
    /// The keyboard and hands were drawn anew without any highlight (phase 0 again).
    void Repainted();

    const Keyboard& keyboard() const { return keyboard_; }
    const HandsData& hands() const { return hands_; }
    int blinkPhase() const { return blinkPhase_; }
    const StrokeKeys& shownKeys() const { return shownKeys_; }
    /// Whether a highlight is on the screen now.
    bool HighlightVisible() const { return !visible_.empty(); }

  private:
    const Keyboard& keyboard_;
    const HandsData& hands_;
    StrokeKeys shownKeys_;
    int blinkPhase_ = 0;
    // The inversions on the screen now; taking them back restores the plain picture, however
    // the phase has moved since they were drawn.
    std::vector<HighlightUpdate::Inversion> visible_;
};
