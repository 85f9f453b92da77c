#include "tester/key_filter.h"

#include "tester/key_message.h"
#include "tester/test_data.h"

namespace {

KeyVerdict Verdict(KeyAction action, bool log = false) {
    KeyVerdict verdict;
    verdict.action = action;
    verdict.log = log;
    return verdict;
}

bool IsCursorKey(int virtualKey) {
    switch (virtualKey) {
        case VirtualKey::kEnd:
        case VirtualKey::kHome:
        case VirtualKey::kLeft:
        case VirtualKey::kUp:
        case VirtualKey::kRight:
        case VirtualKey::kDown:
            return true;
        default:
            return false;
    }
}

KeyVerdict FilterKeyMessage(const TestData& data, const KeystrokeRecord& message,
                            const KeyContext& context) {
    const int key = message.wParam;
    const bool down = message.message == KeystrokeRecord::kKeyDown;
    if (key == VirtualKey::kPrior || key == VirtualKey::kNext) {
        KeyVerdict verdict = Verdict(KeyAction::Drop);
        if (down) {
            verdict.scroll = key == VirtualKey::kPrior ? ScrollRequest::Up : ScrollRequest::Down;
        }
        return verdict;
    }
    const bool cursor = IsCursorKey(key);
    if (!cursor && key != VirtualKey::kDelete) {
        return Verdict(KeyAction::Pass);
    }
    // Shift would select and Ctrl would jump by words or delete a word: neither is typing.
    if (context.shift) {
        return Verdict(KeyAction::Drop);
    }
    if (context.ctrl) {
        return Verdict(KeyAction::Neutralise);
    }
    if (data.running == 0) {
        return Verdict(KeyAction::Pass);
    }
    if (cursor) {
        return data.allowArrows != 0 ? Verdict(KeyAction::Pass, true)
                                     : Verdict(KeyAction::Neutralise);
    }
    return data.allowBackspace != 0 ? Verdict(KeyAction::Pass, true) : Verdict(KeyAction::Drop);
}

KeyVerdict Refused(const char* message) {
    KeyVerdict verdict = Verdict(KeyAction::Drop);
    verdict.message = message;
    return verdict;
}

KeyVerdict FilterCharacter(const TestData& data, const KeystrokeRecord& message,
                           const KeyContext& context) {
    if (data.running == 0) {
        return Refused(data.startDialogOpen != 0 ? KeyFilter::kStartDialogOpenMessage
                                                 : KeyFilter::kNotRunningMessage);
    }
    if (data.paused != 0) {
        return Refused(KeyFilter::kPausedMessage);
    }
    KeyVerdict beep = Verdict(KeyAction::Drop);
    beep.beep = true;
    if (context.unmappable) {
        return beep;
    }
    switch (message.wParam) {
        case 8:
            return data.allowBackspace != 0 ? Verdict(KeyAction::Pass, true)
                                            : Verdict(KeyAction::Drop);
        case 9: {
            KeyVerdict tab = Verdict(KeyAction::Drop);
            if (data.scrollingType == 2) {
                tab.scroll = ScrollRequest::Down;
            }
            return tab;
        }
        case 13:
            if (data.allowEnter == 0) {
                return Verdict(KeyAction::Drop);
            }
            // A line break becomes CR LF in the typed text.
            return context.typedLength + 2 <= KeyFilter::kMaxTypedLength
                       ? Verdict(KeyAction::Pass, true)
                       : beep;
        default:
            return context.typedLength + 1 <= KeyFilter::kMaxTypedLength
                       ? Verdict(KeyAction::Pass, true)
                       : beep;
    }
}

}  // namespace

KeyVerdict KeyFilter::Filter(const TestData& data, const KeystrokeRecord& message,
                             const KeyContext& context) {
    if (data.replayRunning != 0) {
        // The re-play types into the view itself; the keyboard has no say meanwhile.
        return Verdict(KeyAction::Drop);
    }
    if (message.message == KeystrokeRecord::kChar) {
        return FilterCharacter(data, message, context);
    }
    return FilterKeyMessage(data, message, context);
}
