#include "tutor/users/session_holder.h"

#include <limits.h>
#include <unistd.h>

#include <charconv>
#include <fstream>

namespace {

// The first line of a small system file, without its line end.
std::string FirstLineOf(const char* path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// A value stays on its line whatever a host name holds.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

SessionHolder SessionHolder::ThisProcess() {
    SessionHolder self;
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof(name) - 1) == 0) {
        self.host = name;
    }
    self.machineId = FirstLineOf("/etc/machine-id");
    if (self.machineId.empty()) {
        self.machineId = FirstLineOf("/var/lib/dbus/machine-id");
    }
    self.bootId = FirstLineOf("/proc/sys/kernel/random/boot_id");
    self.pid = getpid();
    return self;
}

bool SessionHolder::SameComputer(const SessionHolder& other) const {
    if (!machineId.empty() || !other.machineId.empty()) {
        return machineId == other.machineId;
    }
    return !host.empty() && host == other.host;
}

bool SessionHolder::SameProcess(const SessionHolder& other) const {
    return SameComputer(other) && bootId == other.bootId && pid == other.pid;
}

std::string SessionHolder::ToText() const {
    std::string text(kFormatLine);
    text += "\nhost=" + OneLine(host);
    text += "\nmachine=" + OneLine(machineId);
    text += "\nboot=" + OneLine(bootId);
    text += "\npid=" + std::to_string(pid);
    text += "\nsince=" + std::to_string(since);
    text += "\nheartbeat=" + std::to_string(heartbeat);
    text += '\n';
    return text;
}

std::optional<SessionHolder> SessionHolder::FromText(std::string_view text) {
    SessionHolder holder;
    bool first = true;
    bool havePid = false;
    bool haveHeartbeat = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (first) {
            if (line != kFormatLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        std::string_view key = line.substr(0, equals);
        std::string_view value = line.substr(equals + 1);
        if (key == "host") {
            holder.host = value;
        } else if (key == "machine") {
            holder.machineId = value;
        } else if (key == "boot") {
            holder.bootId = value;
        } else if (key == "pid" || key == "since" || key == "heartbeat") {
            std::optional<std::int64_t> number = ParseNumber(value);
            if (!number) {
                return std::nullopt;
            }
            if (key == "pid") {
                holder.pid = *number;
                havePid = true;
            } else if (key == "since") {
                holder.since = *number;
            } else {
                holder.heartbeat = *number;
                haveHeartbeat = true;
            }
        }
    }
    if (first || !havePid || !haveHeartbeat) {
        return std::nullopt;
    }
    return holder;
}
