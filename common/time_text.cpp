#include "common/time_text.h"

#include <climits>
#include <ctime>

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string TwoDigits(std::int64_t value) {
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

std::string HoursMinutesSeconds(std::int64_t hours, std::int64_t seconds) {
    return TwoDigits(hours) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
}

/// The local calendar fields; a time the C library cannot convert shows as 1 January 1970.
std::tm LocalFields(std::int64_t seconds) {
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

std::string TimeText::Local(std::int64_t secondsSince1970, const char* format) {
    const std::tm local = LocalFields(secondsSince1970);
    char buffer[64];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

std::string TimeText::DateTime(std::int64_t secondsSince1970) {
    const std::tm t = LocalFields(secondsSince1970);
    const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
    return TwoDigits(t.tm_hour) + ":" + TwoDigits(t.tm_min) + "  " + TwoDigits(t.tm_mday) + " " +
           kMonths[month] + ", " + std::to_string(t.tm_year + 1900);
}

std::string TimeText::Date(std::int64_t secondsSince1970) {
    return Local(secondsSince1970, "%d.%m.%Y");
}

std::string TimeText::Span(std::int64_t seconds) {
    std::string sign;
    if (seconds < 0) {
        sign = "-";
        seconds = seconds == INT64_MIN ? INT64_MAX : -seconds;
    }
    return sign + HoursMinutesSeconds(seconds / 3600, seconds);
}

std::string TimeText::SpanWithinDay(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    return HoursMinutesSeconds(seconds / 3600 % 24, seconds);
}
