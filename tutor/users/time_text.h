#pragma once

#include <cstdint>
#include <string>

/// Times and time spans as the results and the lesson list show them. Month names are English
/// whatever the locale; the calendar fields are those of the local time zone.
struct TimeText {
    /// "%H:%M  %d %B, %Y": "14:05  07 December, 2026".
    static std::string DateTime(std::int64_t secondsSince1970);
    /// "%d.%m.%Y".
    static std::string Date(std::int64_t secondsSince1970);
    /// "%H:%M:%S" of a span, the hours counted within a day (25 hours 3 minutes is 01:03:00).
    /// A negative span shows as 00:00:00.
    static std::string Span(std::int64_t seconds);
};
