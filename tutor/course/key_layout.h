#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tutor/course/key_def.h"

/// The keys of one keyboard type, read from its ".kdd" file, and the special keys among them
/// (key indices, -1 when the layout has none).
class KeyLayout {
  public:
    /// In a Shift field this byte stands for ":", which cannot stand in a colon field.
    static constexpr unsigned char kColonStandIn = 0xB6;

    /// Reads "config/" + keyboardId + ".kdd".
    bool Load(const std::string& keyboardId);
    /// Reads the layout file at fullPath.
    bool LoadFile(const std::string& fullPath);
    /// Replaces the keys with those of the file's lines. The first line must occur in
    /// fullPath. Every later line holding ":" is a key of seven fields; a key line lacking one
    /// of them ends the reading with false, the keys before it staying.
    bool ParseLines(const std::vector<std::string>& lines, std::string_view fullPath);

    /// Clears the keys and special keys and names the layout.
    void Reset(std::string name);
    /// Appends a key and records it when it is a special key.
    void AddKey(KeyDef key);

    const std::string& name() const { return name_; }
    const std::vector<KeyDef>& keys() const { return keys_; }
    /// The 1-based line of the file where reading stopped with a failure, 0 when none did.
    int failedLine() const { return failedLine_; }

    int leftShift() const { return leftShift_; }
    int rightShift() const { return rightShift_; }
    int leftAlt() const { return leftAlt_; }
    int rightAlt() const { return rightAlt_; }
    int tabKey() const { return tabKey_; }
    int backspaceKey() const { return backspaceKey_; }
    int capsLockKey() const { return capsLockKey_; }

    /// Reads one key line; false when one of its seven fields lacks its colon.
    static bool ParseKeyLine(std::string_view line, KeyDef& key);

  private:
    std::string name_;
    std::vector<KeyDef> keys_;
    int failedLine_ = 0;
    int leftShift_ = -1;
    int rightShift_ = -1;
    int leftAlt_ = -1;
    int rightAlt_ = -1;
    int tabKey_ = -1;
    int backspaceKey_ = -1;
    int capsLockKey_ = -1;
};
