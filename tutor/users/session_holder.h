#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// Who holds a user's session: the contents of a session lock file in the users folder. The
/// computer's name is what people are told; the machine and boot identities tell computers
/// apart even when they share a name, and tell a session of this computer from one before its
/// last restart.
struct SessionHolder {
    /// The first line of a lock file.
    static constexpr std::string_view kFormatLine = "Kelvane session 1";

    std::string host;       // the computer's name (UTF-8); empty when unknown
    std::string machineId;  // /etc/machine-id; empty when the system has none
    std::string bootId;     // changes with every start of the computer; empty when unknown
    std::int64_t pid = 0;
    std::int64_t since = 0;      // calendar seconds of the login
    std::int64_t heartbeat = 0;  // calendar seconds of the last sign of life

    bool operator==(const SessionHolder&) const = default;

    /// This program on this computer, with since and heartbeat 0.
    static SessionHolder ThisProcess();

    /// The same computer: equal machine identities, or equal names where there are none.
    bool SameComputer(const SessionHolder& other) const;
    /// The same running program: the same computer since the same start, and the same pid.
    bool SameProcess(const SessionHolder& other) const;

    /// The lines of a lock file ("key=value" after the format line).
    std::string ToText() const;
    /// Nothing for a text that is not a lock file's (another format, a pid or heartbeat
    /// missing): such a file is judged by its age alone.
    static std::optional<SessionHolder> FromText(std::string_view text);
};
