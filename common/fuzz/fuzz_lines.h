#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The lines of a fuzzer's input, for the targets of readers that take the lines the line
/// container hands out: a line ends at a line feed, a carriage return before it is dropped,
/// and text after the last line feed is a line too. Lines written by "linefile unpack" (LF)
/// and by hand (CR LF) read alike, and a line may still hold any other byte.
inline std::vector<std::string> FuzzLines(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    while (!rest.empty()) {
        std::size_t feed = rest.find('\n');
        std::string_view line = rest.substr(0, feed);
        if (feed != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        rest.remove_prefix(feed == std::string_view::npos ? rest.size() : feed + 1);
    }
    return lines;
}
