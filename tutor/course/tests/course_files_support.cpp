#include "tutor/course/tests/course_files_support.h"

#include <filesystem>
#include <stdexcept>

#include "common/compressed_line_file.h"

std::string WriteLineFile(const TempDir& folder, std::string_view relativePath,
                          const std::vector<std::string>& lines) {
    std::string path = folder.File(relativePath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    if (!file.Write(path)) {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}

std::vector<std::string> SmallLayoutLines(std::string identification) {
    return {
        std::move(identification),
        "60:20:1:a:A::0:",
        "60:36:1:s:S::1:",
        "60:116:1:j:J::6:",
        "60:132:1:k:K::7:",
        "60:148:1:;:\xB6::9:",
        "0:20:1:1:!::0:",
        "20:40:1:e:E:\x80:2:",
        "80:0:2:Shift:::0:",
        "80:250:2:Shift:::9:",
        "a line without a colon is no key",
        "99:30:2:Alt:::3:",
        "99:200:2:Alt:::6:",
        "0:260:2:Bck:::9:",
        "20:0:1:Tab:::0:",
        "40:0:1:Cabs:::0:",
        "40:250:-2:Enter:::9:",
        "99:60:120: :::4:",
        "20:200:1:^:::8:",
    };
}
