#pragma once

#include <string>

#include "tester/keystroke_record.h"

class TestData;

/// What the typing view does with a key message.
enum class KeyAction {
    /// Nothing at all.
    Drop,
    /// Passed on as an empty message: nothing happens, the key is swallowed.
    Neutralise,
    /// Carried out on the text (a character typed, the caret moved, a character deleted).
    Pass,
};

/// The original view scrolls on behalf of the typing view.
enum class ScrollRequest { None, Up, Down };

/// The state of the keyboard and the typing view around a key message.
struct KeyContext {
    bool shift = false;
    bool ctrl = false;
    /// The typed text's length so far, a line break counting 2.
    int typedLength = 0;
    /// The key produced a character the code page lacks (no character message was made).
    bool unmappable = false;
};

/// The decision about one key message.
struct KeyVerdict {
    KeyAction action = KeyAction::Pass;
    /// The message goes into the keystroke log.
    bool log = false;
    ScrollRequest scroll = ScrollRequest::None;
    /// A refused character: the typist hears it.
    bool beep = false;
    /// A message to show the typist, or empty.
    std::string message;

    bool operator==(const KeyVerdict&) const = default;
};

/// The rules of the typing view for each key message during and outside a run: which keys the
/// test allows, what is logged, the page keys that scroll the original, and the characters
/// refused with a message outside a run or during a pause.
class KeyFilter {
  public:
    /// The typing view holds at most this many characters, a line break counting 2.
    static constexpr int kMaxTypedLength = 10240;

    static constexpr const char* kPausedMessage =
        "The program has stopped the timer. To resume, you have to activate typing by pressing "
        "F5.";
    static constexpr const char* kStartDialogOpenMessage =
        "You have to close the Start dialogue window, before you can start  typing!";
    static constexpr const char* kNotRunningMessage =
        "Open the \"Practice\" menu and click on \"Start (F2)\".";

    /// message: a key-down, key-up or character message (for an unmappable character, the
    /// context says so and the message is a character message without a code).
    static KeyVerdict Filter(const TestData& data, const KeystrokeRecord& message,
                             const KeyContext& context);
};
