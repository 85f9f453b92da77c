#include "tutor/course/plain_text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/code_page.h"

void PlainTextFile::SplitLines(std::string_view contents, std::vector<std::string>& lines) {
    while (!contents.empty()) {
        std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        contents.remove_prefix(end + 1);
    }
}

bool PlainTextFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    // A folder opens like a file here but holds no text (a folder dropped on the window).
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return false;
    }
    SplitLines(CodePage::Program().DecodeTextFile(contents), lines);
    return true;
}
