#include "tutor/users/time_text.h"

#include <ctime>

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string TwoDigits(int value) {
    std::string text;
    text += static_cast<char>('0' + (value / 10) % 10);
    text += static_cast<char>('0' + value % 10);
    return text;
}

std::tm LocalTime(std::int64_t seconds) {
    std::tm fields{};
    const std::time_t t = static_cast<std::time_t>(seconds);
    if (localtime_r(&t, &fields) == nullptr) {
        fields = std::tm{};
        fields.tm_mday = 1;
        fields.tm_year = 70;
    }
    return fields;
}

}  // namespace

std::string TimeText::DateTime(std::int64_t secondsSince1970) {
    const std::tm t = LocalTime(secondsSince1970);
    const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
    return TwoDigits(t.tm_hour) + ":" + TwoDigits(t.tm_min) + "  " + TwoDigits(t.tm_mday) + " " +
           kMonths[month] + ", " + std::to_string(t.tm_year + 1900);
}

std::string TimeText::Date(std::int64_t secondsSince1970) {
    const std::tm t = LocalTime(secondsSince1970);
    return TwoDigits(t.tm_mday) + "." + TwoDigits(t.tm_mon + 1) + "." +
           std::to_string(t.tm_year + 1900);
}

std::string TimeText::Span(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    const auto hours = static_cast<int>((seconds / 3600) % 24);
    const auto minutes = static_cast<int>((seconds / 60) % 60);
    const auto secs = static_cast<int>(seconds % 60);
    return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(secs);
}
