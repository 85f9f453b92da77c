#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers in our files are plain decimal text. These helpers never depend on the process
// locale (a Qt program runs with the user's locale, where "0.8" may not parse and "%.2f" may
// print a comma), so files written anywhere read back everywhere.

/// Leading blanks skipped, optional sign, then the leading decimal digits; no digits gives 0.
/// Values beyond the range are clamped.
std::int64_t ParseLeadingInt64(std::string_view text);
std::int32_t ParseLeadingInt32(std::string_view text);

/// A decimal fraction with a point (and optional exponent) from the start of the text after
/// leading blanks; whatever follows the number is ignored; no number gives 0.0.
double ParseLeadingDouble(std::string_view text);

/// printf("%.*f") in the "C" locale.
std::string FormatFixed(double value, int decimals);
/// printf("%d") / printf("%lld").
std::string FormatInt(std::int64_t value);
