#include "tutor/course/own_text_limits.h"

#include "common/text_number.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whole text a decimal number: sign, digits with at most one point, optional exponent.
bool IsWholeNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

bool IsWholeInteger(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i > start && i == text.size();
}

std::optional<double> ReadNumber(std::string_view text) {
    text = Trimmed(text);
    if (!IsWholeNumber(text)) {
        return std::nullopt;
    }
    return ParseLeadingDouble(text);
}

std::optional<std::int64_t> ReadInteger(std::string_view text) {
    text = Trimmed(text);
    if (!IsWholeInteger(text)) {
        return std::nullopt;
    }
    return ParseLeadingInt64(text);
}

}  // namespace

std::string OwnTextLimits::ShortNumber(double value) {
    std::string text = FormatFixed(value, 6);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string OwnTextLimits::NumberRangeMessage(double lowest, double highest) {
    return "Please enter a number between " + ShortNumber(lowest) + " and " + ShortNumber(highest) +
           ".";
}

std::string OwnTextLimits::IntegerRangeMessage(int lowest, int highest) {
    return "Please enter an integer between " + FormatInt(lowest) + " and " + FormatInt(highest) +
           ".";
}

std::optional<OwnTextLimits::Problem> OwnTextLimits::TakeEntries(std::string_view speedText,
                                                                 std::string_view errorText,
                                                                 std::string_view minutesText) {
    std::optional<double> error = ReadNumber(errorText);
    if (!error) {
        return Problem{Field::ErrorLimit, std::string(kNotANumberMessage)};
    }
    if (!(*error >= kLowestErrorLimit && *error <= kHighestErrorLimit)) {
        return Problem{Field::ErrorLimit,
                       NumberRangeMessage(kLowestErrorLimit, kHighestErrorLimit)};
    }
    std::optional<double> speed = ReadNumber(speedText);
    if (!speed) {
        return Problem{Field::SpeedLimit, std::string(kNotANumberMessage)};
    }
    if (!(*speed >= kLowestSpeedLimit && *speed <= kHighestSpeedLimit)) {
        return Problem{Field::SpeedLimit,
                       NumberRangeMessage(kLowestSpeedLimit, kHighestSpeedLimit)};
    }
    std::optional<std::int64_t> wholeMinutes = ReadInteger(minutesText);
    if (!wholeMinutes) {
        return Problem{Field::TimeLimit, std::string(kNotAnIntegerMessage)};
    }
    if (*wholeMinutes < kLowestMinutes || *wholeMinutes > kHighestMinutes) {
        return Problem{Field::TimeLimit, IntegerRangeMessage(kLowestMinutes, kHighestMinutes)};
    }
    errorLimit = *error;
    speedLimit = *speed;
    minutes = static_cast<int>(*wholeMinutes);
    return std::nullopt;
}

std::string OwnTextLimits::SpeedText() const {
    return ShortNumber(speedLimit);
}
std::string OwnTextLimits::ErrorText() const {
    return ShortNumber(errorLimit);
}
std::string OwnTextLimits::MinutesText() const {
    return FormatInt(minutes);
}
