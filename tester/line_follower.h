#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

/// Finds where the typist is in the original text, so that the original view can keep that
/// line in sight during a run with automatic scrolling. The tail of the typed text is looked
/// for in the original, forward only from the last place found and not much further than the
/// typist can have got since: first the last kLongTail characters, then shorter tails, so that
/// a typing error in the last characters does not lose the place.
class LineFollower {
  public:
    static constexpr std::size_t kLongTail = 12;
    static constexpr std::size_t kShortTail = 4;
    /// How far beyond what was typed since the last look a match may lie.
    static constexpr std::size_t kReach = 40;

    /// A new position in the original (just behind the matched tail), or nothing when the
    /// place was not found or has not moved.
    std::optional<std::size_t> Follow(std::string_view original, std::string_view typed);
    void Reset();

    std::size_t lastFound() const { return lastFound_; }

    /// A position in text with CR LF line breaks as a position in the same text with LF
    /// breaks (as text windows hold it).
    static std::size_t DisplayPosition(std::string_view text, std::size_t position);

  private:
    std::size_t lastFound_ = 0;
    std::size_t lastTypedLength_ = 0;
};
