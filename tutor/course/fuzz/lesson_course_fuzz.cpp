// Lesson files and own texts from arbitrary bytes: the container decoder, then the lesson
// reader, the catalogue's queries, the wizard's test rows and the own-text normalisation.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "tutor/course/first_time_wizard_model.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_reader.h"
#include "tutor/course/plain_text_file.h"

namespace {

void Exercise(const std::vector<std::string>& lines) {
    LessonCourse course;
    std::vector<LessonSourceInfo> info;
    if (course.LoadLines(lines, "/data/lessons/00000409_a.ddd", &info)) {
        if (info.size() != course.lessons().size()) {
            __builtin_trap();
        }
    }
    for (int i = -1; i <= course.LessonCount(); ++i) {
        course.Title(i);
        course.Characters(i);
        course.TotalCharacters(i);
        course.SpeedLimit(i);
        course.ErrorLimit(i);
        course.IsTestable(i);
        for (int n = -1; n <= course.LineCount(i); ++n) {
            course.Line(i, n);
        }
    }
    FirstTimeWizardModel::BuildTestRows(course);

    std::vector<std::string> own = lines;
    OwnTextReader::Normalise(own, "abcdefghijklmnopqrstuvwxyz ,.\t\xE9");
    for (const std::string& line : own) {
        if (line.empty() || line.size() > OwnTextReader::kLineWidth) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(bytes, "fuzz.ddd", lines);
    } catch (const FileError&) {
        // The lines decoded before the damage are read all the same.
    }
    Exercise(lines);
    // The same bytes as plain lines reach the reader with any text at all.
    lines.clear();
    PlainTextFile::SplitLines(bytes, lines);
    Exercise(lines);
    return 0;
}
