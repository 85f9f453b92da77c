#include "tester/text_file_reader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "common/code_page.h"
#include "common/extract_rich_text.h"
#include "common/file_error.h"

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t found = text.find(from, start);
        if (found == std::string::npos) {
            result.append(text, start);
            break;
        }
        result.append(text, start, found - start);
        result += to;
        start = found + from.size();
    }
    text = std::move(result);
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    if (text.size() >= 2) {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

std::optional<std::vector<std::string>> TextFileReader::ReadLines(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    const std::string text = CodePage::Program().DecodeTextFile(contents.str());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) {
            end = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

std::optional<std::string> TextFileReader::ReadText(const std::string& path) {
    std::optional<std::vector<std::string>> lines = ReadLines(path);
    if (!lines) {
        return std::nullopt;
    }
    return Join(*lines);
}

std::optional<std::string> TextFileReader::LoadOriginalText(const std::string& path) {
    std::string lowered = path;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string text;
    if (lowered.find(".rtf") != std::string::npos) {
        std::vector<std::string> lines;
        try {
            ExtractRichText(path, lines, kRichTextWidth);
        } catch (const FileError&) {
            // A missing file and a damaged document alike leave no usable test text.
            return std::nullopt;
        }
        for (const std::string& line : lines) {
            text += line;
            text += "\r\n";
        }
    } else {
        std::optional<std::string> plain = ReadText(path);
        if (!plain) {
            return std::nullopt;
        }
        text = std::move(*plain);
    }
    return NormalizeSpacing(std::move(text));
}

std::string TextFileReader::NormalizeSpacing(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    while (text.find("  ") != std::string::npos) {
        ReplaceAll(text, "  ", " ");
    }
    ReplaceAll(text, " \r\n", "\r\n");
    ReplaceAll(text, "\r\n ", "\r\n");
    return text;
}
