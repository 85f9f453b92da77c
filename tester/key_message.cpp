#include "tester/key_message.h"

#include <optional>

#include "common/code_page.h"

namespace {

constexpr std::uint32_t kFirstKeycode = 9;
constexpr std::uint32_t kLastKeycodeOfTheMainBlock = 96;
constexpr std::uint32_t kKeycodeOffset = 8;
constexpr int kExtendedBit = 1 << 24;
constexpr std::uint32_t kPreviousStateBit = 1u << 30;
constexpr std::uint32_t kReleaseBit = 1u << 31;

struct GreyKey {
    int key;
    int virtualKey;
    int scanCode;
};

// The cursor block between the main keys and the keypad: its own scan codes, marked extended.
constexpr GreyKey kGreyKeys[] = {
    {KeyCode::kHome, VirtualKey::kHome, 0x47},     {KeyCode::kUp, VirtualKey::kUp, 0x48},
    {KeyCode::kPageUp, VirtualKey::kPrior, 0x49},  {KeyCode::kLeft, VirtualKey::kLeft, 0x4B},
    {KeyCode::kRight, VirtualKey::kRight, 0x4D},   {KeyCode::kEnd, VirtualKey::kEnd, 0x4F},
    {KeyCode::kDown, VirtualKey::kDown, 0x50},     {KeyCode::kPageDown, VirtualKey::kNext, 0x51},
    {KeyCode::kInsert, VirtualKey::kInsert, 0x52}, {KeyCode::kDelete, VirtualKey::kDelete, 0x53},
};
constexpr int kKeypadEnterScanCode = 0x1C;

const GreyKey* FindGreyKey(int key) {
    for (const GreyKey& grey : kGreyKeys) {
        if (grey.key == key) {
            return &grey;
        }
    }
    return nullptr;
}

// Keys shifted on a US keyboard, back to the key that carries them.
int UnshiftedKey(int key) {
    switch (key) {
        case '!':
            return '1';
        case '@':
            return '2';
        case '#':
            return '3';
        case '$':
            return '4';
        case '%':
            return '5';
        case '^':
            return '6';
        case '&':
            return '7';
        case '*':
            return '8';
        case '(':
            return '9';
        case ')':
            return '0';
        default:
            return key;
    }
}

// The punctuation keys of a US keyboard.
int OemKey(int key) {
    switch (key) {
        case ';':
        case ':':
            return 0xBA;
        case '=':
        case '+':
            return 0xBB;
        case ',':
        case '<':
            return 0xBC;
        case '-':
        case '_':
            return 0xBD;
        case '.':
        case '>':
            return 0xBE;
        case '/':
        case '?':
            return 0xBF;
        case '`':
        case '~':
            return 0xC0;
        case '[':
        case '{':
            return 0xDB;
        case '\\':
        case '|':
            return 0xDC;
        case ']':
        case '}':
            return 0xDD;
        case '\'':
        case '"':
            return 0xDE;
        default:
            return 0;
    }
}

bool Holds(int modifiers, int flag) {
    return (modifiers & flag) != 0;
}

// The code-page byte of a character as a character message has it, or nothing for characters
// that are no typing (Escape, Delete, other control characters).
std::optional<int> CharacterCode(char32_t c, const CodePage& codePage, bool& unmappable) {
    switch (c) {
        case U'\b':
            return 8;
        case U'\t':
            return 9;
        case U'\r':
        case U'\n':
            return 13;
        default:
            break;
    }
    if (c < 0x20 || c == 0x7F) {
        return std::nullopt;
    }
    if (std::optional<unsigned char> byte = codePage.ByteOf(c)) {
        return *byte;
    }
    unmappable = true;
    return std::nullopt;
}

}  // namespace

int KeyMessages::VirtualKeyOf(int key, int modifiers) {
    if (const GreyKey* grey = FindGreyKey(key)) {
        return grey->virtualKey;
    }
    if (key >= KeyCode::kF1 && key <= KeyCode::kF12) {
        return VirtualKey::kF1 + (key - KeyCode::kF1);
    }
    switch (key) {
        case KeyCode::kBackspace:
            return VirtualKey::kBack;
        case KeyCode::kTab:
        case KeyCode::kBacktab:
            return VirtualKey::kTab;
        case KeyCode::kReturn:
        case KeyCode::kEnter:
            return VirtualKey::kReturn;
        case KeyCode::kShift:
            return VirtualKey::kShift;
        case KeyCode::kControl:
            return VirtualKey::kControl;
        case KeyCode::kAlt:
        case KeyCode::kAltGr:
            return VirtualKey::kMenu;
        case KeyCode::kEscape:
            return VirtualKey::kEscape;
        case KeyCode::kCapsLock:
            return 0x14;
        case KeyCode::kNumLock:
            return 0x90;
        case KeyCode::kScrollLock:
            return 0x91;
        case KeyCode::kPause:
            return 0x13;
        default:
            break;
    }
    if (key == KeyCode::kSpace) {
        return VirtualKey::kSpace;
    }
    if (key >= 'a' && key <= 'z') {
        return key - 'a' + 'A';
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return key;
    }
    if (Holds(modifiers, KeyCode::kShiftModifier)) {
        const int unshifted = UnshiftedKey(key);
        if (unshifted != key) {
            return unshifted;
        }
    }
    return OemKey(key);
}

std::int32_t KeyMessages::LParamOf(const KeyEvent& event) {
    int scanCode = 0;
    bool extended = false;
    const std::uint32_t keycode = event.nativeScanCode;
    if (keycode >= kFirstKeycode && keycode <= kLastKeycodeOfTheMainBlock) {
        // The first keycodes of X are the PC keyboard's own scan codes shifted by 8; the keypad
        // with Num Lock off lands here too, with its own codes and without the extended bit.
        scanCode = static_cast<int>(keycode - kKeycodeOffset);
    } else if (event.key == KeyCode::kEnter) {
        scanCode = kKeypadEnterScanCode;
        extended = true;
    } else if (const GreyKey* grey = FindGreyKey(event.key);
               grey != nullptr && !Holds(event.modifiers, KeyCode::kKeypadModifier)) {
        scanCode = grey->scanCode;
        extended = true;
    }
    std::uint32_t lParam = 1u | (static_cast<std::uint32_t>(scanCode & 0xFF) << 16);
    if (extended) {
        lParam |= kExtendedBit;
    }
    if (event.autoRepeat || event.release) {
        lParam |= kPreviousStateBit;
    }
    if (event.release) {
        lParam |= kReleaseBit;
    }
    return static_cast<std::int32_t>(lParam);
}

KeyTranslation KeyMessages::Translate(const KeyEvent& event, const CodePage& codePage) {
    KeyTranslation translation;
    if (event.release && event.autoRepeat) {
        // X repeats a held key as release and press pairs; only the presses are real.
        return translation;
    }
    const std::int32_t lParam = LParamOf(event);
    translation.messages.push_back(
        {0, event.release ? KeystrokeRecord::kKeyUp : KeystrokeRecord::kKeyDown,
         VirtualKeyOf(event.key, event.modifiers), lParam});
    if (event.release) {
        return translation;
    }
    // AltGr types characters; Alt and Ctrl make commands of keys.
    const bool altGr = Holds(event.modifiers, KeyCode::kGroupSwitchModifier);
    if (!altGr && (Holds(event.modifiers, KeyCode::kAltModifier) ||
                   Holds(event.modifiers, KeyCode::kControlModifier))) {
        return translation;
    }
    std::u32string text = event.text;
    if (text.empty()) {
        // Shift+Tab and the keypad's Enter arrive without text; they type what their keys do.
        if (event.key == KeyCode::kBacktab) {
            text = U"\t";
        } else if (event.key == KeyCode::kEnter || event.key == KeyCode::kReturn) {
            text = U"\r";
        }
    }
    for (char32_t c : text) {
        if (std::optional<int> code = CharacterCode(c, codePage, translation.unmappable)) {
            translation.messages.push_back({0, KeystrokeRecord::kChar, *code, lParam});
        }
    }
    return translation;
}

KeyTranslation KeyMessages::TranslateCommit(std::u32string_view text, const CodePage& codePage) {
    KeyTranslation translation;
    for (char32_t c : text) {
        if (std::optional<int> code = CharacterCode(c, codePage, translation.unmappable)) {
            translation.messages.push_back({0, KeystrokeRecord::kChar, *code, 1});
        }
    }
    return translation;
}
