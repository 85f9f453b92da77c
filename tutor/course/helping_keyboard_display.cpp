#include "tutor/course/helping_keyboard_display.h"

std::vector<int> HelpingKeyboardDisplay::KeysFor(const StrokeKeys& keys, int phase) {
    std::vector<int> result;
    int step = ((phase % 4) + 4) % 4;
    if (keys.key2 != -1 && (step == 2 || step == 3)) {
        result.push_back(keys.key2);
        if (keys.modifier2 != -1) {
            result.push_back(keys.modifier2);
        }
    } else {
        if (keys.modifier1 != -1) {
            result.push_back(keys.modifier1);
        }
        if (keys.key1 != -1) {
            result.push_back(keys.key1);
        }
    }
    return result;
}

std::vector<HighlightUpdate::Inversion> HelpingKeyboardDisplay::ToggleHighlight(
    const StrokeKeys& keys) const {
    using Target = HighlightUpdate::Target;
    std::vector<HighlightUpdate::Inversion> inversions;
    for (int key : KeysFor(keys, blinkPhase_)) {
        inversions.push_back({Target::Key, key});
        int finger = keyboard_.KeyFinger(key);
        if (finger >= 0 && finger <= 9 && finger < hands_.GroupCount()) {
            inversions.push_back({Target::Finger, finger});
        }
    }
    return inversions;
}

HighlightUpdate HelpingKeyboardDisplay::ShowNextKey(char character, int keyboardWidth,
                                                    int handsHeight) {
    HighlightUpdate update;
    if (handsHeight <= 0 && keyboardWidth <= 0) {
        return update;
    }
    if (handsHeight > 0 && !hands_.IsComplete()) {
        update.errorText = std::string(kHandsErrorText);
        return update;
    }
    StrokeKeys keys = shownKeys_;
    keyboard_.FindKeyStroke(character, keys);
    if (keys != shownKeys_) {
        update.inversions = std::move(visible_);
        visible_.clear();
        shownKeys_ = keys;
        if (keyboardWidth <= 0) {
            blinkPhase_ = 0;
        }
    }
    if (!visible_.empty()) {
        update.inversions.insert(update.inversions.end(), visible_.begin(), visible_.end());
        visible_.clear();
    } else {
        visible_ = ToggleHighlight(shownKeys_);
        update.inversions.insert(update.inversions.end(), visible_.begin(), visible_.end());
    }
    return update;
}

void HelpingKeyboardDisplay::Repainted() {
    visible_.clear();
    blinkPhase_ = 0;
}
