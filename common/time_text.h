#pragma once

#include <cstdint>
#include <string>

/// Calendar times and time spans as both programs show them. Month names are English whatever
/// the locale; calendar fields are those of the local time zone.
struct TimeText {
    /// Calendar seconds as local time in a strftime format with numeric fields only (numeric
    /// fields do not depend on the locale the window system sets up): "%m/%d/%Y".
    static std::string Local(std::int64_t secondsSince1970, const char* format);
    /// "%H:%M  %d %B, %Y": "14:05  07 December, 2026".
    static std::string DateTime(std::int64_t secondsSince1970);
    /// "%d.%m.%Y".
    static std::string Date(std::int64_t secondsSince1970);
    /// "hh:mm:ss" of a span whose hours may exceed a day (90000 s is 25:00:00); a negative
    /// span keeps its sign.
    static std::string Span(std::int64_t seconds);
    /// "hh:mm:ss" of a span with the hours counted within a day (25 hours 3 minutes is
    /// 01:03:00), as the tutor's lesson list shows them. A negative span shows as 00:00:00.
    static std::string SpanWithinDay(std::int64_t seconds);
};
