#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tutor/course/key_layout.h"
#include "tutor/course/key_stroke.h"
#include "tutor/course/stroke_keys.h"

/// A keyboard type: its key layout, the map from each character it can type to the keys that
/// type it, and the characters it can type at all.
class Keyboard {
  public:
    /// The keyboard of the program's helping keyboard, whose accepted characters the practice
    /// and the own texts go by.
    static Keyboard& Program();

    /// Loads "config/" + keyboardId + ".kdd" and, for an identifier of four or more
    /// characters, the composed characters of "config/" + its last four characters + ".odd".
    /// False only when that composed-character file cannot be read completely; a missing
    /// layout leaves the keyboard empty without failing.
    bool LoadKeyboard(const std::string& keyboardId);
    /// The same from the layout files in configFolder (ending with "/").
    bool LoadKeyboardFrom(const std::string& configFolder, const std::string& keyboardId);

    /// Takes layout and builds the character map of its keys (no composed characters).
    void SetLayout(KeyLayout layout);
    /// Adds the composed characters of a ".odd" file's lines to the map. The first line must
    /// occur in fullPath; every later line holding ":" names a composed character and the two
    /// characters typed for it. A line lacking one of its three fields ends the reading with
    /// false, the entries before it staying.
    bool AddComposedLines(const std::vector<std::string>& lines, std::string_view fullPath);
    /// The same from the file at fullPath.
    bool AddComposedFile(const std::string& fullPath);

    /// The keys of the first map entry for character. When there is none, keys stay as they
    /// were and the result is false; but a Backspace (8) on a non-empty map then still names
    /// the layout's Backspace key as modifier1, with the other three -1.
    bool FindKeyStroke(char character, StrokeKeys& keys) const;
    /// The finger of the key, -1 for an index outside the layout.
    int KeyFinger(int keyIndex) const;

    const KeyLayout& layout() const { return layout_; }
    const std::vector<KeyStroke>& keyStrokes() const { return keyStrokes_; }
    /// Every character the keyboard can type, in the order found (a character may repeat).
    const std::string& AcceptedCharacters() const { return acceptedCharacters_; }
    /// The 1-based line of the composed-character file where reading failed, 0 when none did.
    int composedFailedLine() const { return composedFailedLine_; }

    int LeftShift() const { return layout_.leftShift(); }
    int RightShift() const { return layout_.rightShift(); }
    int LeftAlt() const { return layout_.leftAlt(); }
    int RightAlt() const { return layout_.rightAlt(); }
    int TabKey() const { return layout_.tabKey(); }
    int BackspaceKey() const { return layout_.backspaceKey(); }
    int CapsLockKey() const { return layout_.capsLockKey(); }

    /// The name of the composed-character file of an identifier ("0409.odd" for
    /// "00000409"), or empty when the identifier is too short to have one.
    static std::string ComposedFileName(std::string_view keyboardId);

  private:
    void BuildCharacterMap();
    void Add(unsigned char character, StrokeKeys keys);
    const KeyStroke* Find(unsigned char character) const;

    KeyLayout layout_;
    std::vector<KeyStroke> keyStrokes_;
    std::string acceptedCharacters_;
    int composedFailedLine_ = 0;
};
