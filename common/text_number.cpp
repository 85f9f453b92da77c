#include "common/text_number.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return text.substr(i);
}

}  // namespace

std::int64_t ParseLeadingInt64(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a negative number so that the minimum value is reachable.
    std::int64_t value = 0;
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    bool clamped = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (clamped) {
            continue;
        }
        if (value < (kMin + digit) / 10) {
            clamped = true;
            value = kMin;
            continue;
        }
        value = value * 10 - digit;
    }
    if (negative) {
        return value;
    }
    if (value == kMin) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return -value;
}

std::int32_t ParseLeadingInt32(std::string_view text) {
    std::int64_t value = ParseLeadingInt64(text);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

double ParseLeadingDouble(std::string_view text) {
    // strtod in a fixed "C" locale has exactly the conversion rules of the format (leading
    // blanks, sign, digits, point, exponent; overflow to infinity) without the user's locale.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, c_locale);
}

std::string FormatFixed(double value, int decimals) {
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    return std::string(buffer, result.ptr);
}

std::string FormatInt(std::int64_t value) {
    return std::to_string(value);
}
