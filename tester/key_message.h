#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tester/keystroke_record.h"

class CodePage;

/// The numbers the windows hand over for a key: Qt's key codes and modifier flags, taken as
/// the plain numbers they are (the typing view checks that they match Qt's).
namespace KeyCode {
inline constexpr int kSpace = 0x20;
inline constexpr int kEscape = 0x01000000;
inline constexpr int kTab = 0x01000001;
inline constexpr int kBacktab = 0x01000002;
inline constexpr int kBackspace = 0x01000003;
inline constexpr int kReturn = 0x01000004;
inline constexpr int kEnter = 0x01000005;
inline constexpr int kInsert = 0x01000006;
inline constexpr int kDelete = 0x01000007;
inline constexpr int kPause = 0x01000008;
inline constexpr int kHome = 0x01000010;
inline constexpr int kEnd = 0x01000011;
inline constexpr int kLeft = 0x01000012;
inline constexpr int kUp = 0x01000013;
inline constexpr int kRight = 0x01000014;
inline constexpr int kDown = 0x01000015;
inline constexpr int kPageUp = 0x01000016;
inline constexpr int kPageDown = 0x01000017;
inline constexpr int kShift = 0x01000020;
inline constexpr int kControl = 0x01000021;
inline constexpr int kMeta = 0x01000022;
inline constexpr int kAlt = 0x01000023;
inline constexpr int kCapsLock = 0x01000024;
inline constexpr int kNumLock = 0x01000025;
inline constexpr int kScrollLock = 0x01000026;
inline constexpr int kF1 = 0x01000030;
inline constexpr int kF12 = 0x0100003b;
inline constexpr int kAltGr = 0x01001103;

inline constexpr int kShiftModifier = 0x02000000;
inline constexpr int kControlModifier = 0x04000000;
inline constexpr int kAltModifier = 0x08000000;
inline constexpr int kMetaModifier = 0x10000000;
inline constexpr int kKeypadModifier = 0x20000000;
inline constexpr int kGroupSwitchModifier = 0x40000000;
}  // namespace KeyCode

/// The virtual-key codes of the key messages in the log.
namespace VirtualKey {
inline constexpr int kBack = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPrior = 0x21;
inline constexpr int kNext = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kF1 = 0x70;
}  // namespace VirtualKey

/// One key event as the window received it.
struct KeyEvent {
    /// Qt's key code (KeyCode), or the character code for character keys.
    int key = 0;
    /// Qt's modifier flags.
    int modifiers = 0;
    bool release = false;
    bool autoRepeat = false;
    /// The characters the key produces.
    std::u32string text;
    /// The X keycode, or 0 when the window system gave none.
    std::uint32_t nativeScanCode = 0;
};

/// What a key event puts into the log, before the run decides what it keeps.
struct KeyTranslation {
    /// Key-down (256) or key-up (257), and after a key-down a character message (258) for each
    /// character it produces. The delays are 0.
    std::vector<KeystrokeRecord> messages;
    /// The key produced a character the code page lacks; it has no character message.
    bool unmappable = false;
};

/// Turns key events into the key messages the log holds:
/// - 256 on press, 257 on release (nothing for the release of an auto-repeat), and 258 after
///   the press for each character, unless Alt (not AltGr) or Ctrl is held.
/// - wParam: the virtual-key code for 256 and 257 (letters and digits as upper-case ASCII,
///   Left 0x25, Delete 0x2E, F1 0x70...), the code-page byte for 258 (Backspace 8, Tab 9,
///   Enter 13).
/// - lParam: repeat count 1; bits 16 to 23 the keyboard's scan code (X keycode - 8 for keycodes
///   9 to 96, a table for the grey cursor block and keypad Enter); bit 24 for those grey keys;
///   bit 30 on auto-repeat and on every release; bit 31 on release. Kept as signed 32 bits.
/// 'a' (keycode 38) gives (258, 97, 1966081); Left (keycode 113) gives (256, 37, 21692417) on
/// press and (257, 37, -1052049407) on release.
class KeyMessages {
  public:
    static KeyTranslation Translate(const KeyEvent& event, const CodePage& codePage);
    /// The character messages of text an input method committed (a dead key or a compose
    /// sequence finished): one 258 per character, lParam 1.
    static KeyTranslation TranslateCommit(std::u32string_view text, const CodePage& codePage);

    /// The virtual-key code of a Qt key, 0 when there is none.
    static int VirtualKeyOf(int key, int modifiers);
    /// The lParam of a key event.
    static std::int32_t LParamOf(const KeyEvent& event);
};
