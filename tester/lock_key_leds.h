#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Whether Caps Lock and Num Lock are on, read from the keyboard LEDs that Linux shows in
/// /sys/class/leds ("input3::capslock/brightness"). Qt has no portable way to ask, and the
/// LEDs need no display connection. With several keyboards a lock counts as on when any
/// keyboard shows it.
class LockKeyLeds {
  public:
    explicit LockKeyLeds(std::string ledsFolder = "/sys/class/leds");

    /// Nothing when no keyboard LED of that kind can be read (no keyboard, no sysfs).
    std::optional<bool> CapsLock() const { return Read("::capslock"); }
    std::optional<bool> NumLock() const { return Read("::numlock"); }

  private:
    std::optional<bool> Read(std::string_view suffix) const;

    std::string ledsFolder_;
};
