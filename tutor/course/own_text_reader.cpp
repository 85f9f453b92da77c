#include "tutor/course/own_text_reader.h"

#include <algorithm>
#include <array>

namespace {

void RemoveUnaccepted(std::string& line, std::string_view accepted) {
    std::array<bool, 256> allowed{};
    for (char c : accepted) {
        allowed[static_cast<unsigned char>(c)] = true;
    }
    std::erase_if(line, [&](char c) { return !allowed[static_cast<unsigned char>(c)]; });
}

}  // namespace

void OwnTextReader::HalveSpaceRuns(std::string& line) {
    std::string result;
    result.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        result += line[i];
        if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ') {
            ++i;
        }
    }
    line = std::move(result);
}

bool OwnTextReader::IsRichTextPath(std::string_view path) {
    static constexpr std::string_view kExtension = ".rtf";
    if (path.size() < kExtension.size()) {
        return false;
    }
    for (std::size_t start = 0; start + kExtension.size() <= path.size(); ++start) {
        bool same = true;
        for (std::size_t k = 0; k < kExtension.size() && same; ++k) {
            char c = path[start + k];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
            same = c == kExtension[k];
        }
        if (same) {
            return true;
        }
    }
    return false;
}

void OwnTextReader::Normalise(std::vector<std::string>& lines,
                              std::string_view acceptedCharacters) {
    std::size_t index = 0;
    while (index < lines.size()) {
        std::string& line = lines[index];
        std::replace(line.begin(), line.end(), '\t', ' ');
        HalveSpaceRuns(line);
        HalveSpaceRuns(line);
        RemoveUnaccepted(line, acceptedCharacters);
        if (line.empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
            continue;
        }
        if (line.size() <= kLineWidth) {
            ++index;
            continue;
        }
        std::string head = line.substr(0, kLineWidth);
        std::string tail = line.substr(kLineWidth);
        std::size_t lastSpace = head.rfind(' ');
        if (lastSpace == std::string::npos) {
            line = std::move(head);
            ++index;
            continue;
        }
        std::string carry = head.substr(lastSpace + 1) + tail + " ";
        line = head.substr(0, lastSpace);
        if (index + 1 < lines.size()) {
            lines[index + 1].insert(0, carry);
        } else {
            lines.push_back(std::move(carry));
        }
        if (lines[index].empty()) {
            // The only space of the head led the line: an empty line would be left to copy,
            // so it goes and the carried words take its place.
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
            continue;
        }
        ++index;
    }
}
