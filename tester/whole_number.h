#pragma once

#include <optional>
#include <string_view>

/// The integer an edit field holds: an optional sign and decimal digits, blanks around them
/// allowed. Nothing for an empty field, other characters or a value beyond int.
std::optional<int> ParseWholeNumber(std::string_view text);
