#include "tutor/course/lesson.h"

#include <algorithm>

#include "common/colon_field_reader.h"

Lesson::Lesson(int index) : speedLimit(DefaultSpeedLimit(index)) {}

double Lesson::DefaultSpeedLimit(int index) {
    double computed = 60.0 + 4.0 * static_cast<double>(index);
    return std::min(computed, kHighestDefaultSpeedLimit);
}

bool Lesson::ReadBlock(const std::vector<std::string>& source, std::size_t& position,
                       LessonSourceInfo* info) {
    // The part of the block read so far: nothing, the title, or the title and the parameters.
    int partsRead = 0;
    while (position < source.size()) {
        std::size_t lineNumber = position + 1;
        const std::string& line = source[position++];
        if (line.empty()) {
            if (partsRead == 0) {
                continue;
            }
            return true;
        }
        if (partsRead == 0) {
            title = line;
            if (info) {
                info->titleLine = static_cast<int>(lineNumber);
            }
            partsRead = 1;
        } else if (partsRead == 1) {
            int fields = ReadParameters(line);
            if (info) {
                info->parameterLine = static_cast<int>(lineNumber);
                info->parameterFields = fields;
            }
            partsRead = 2;
        } else {
            lines.push_back(line);
            if (info) {
                info->textLines.push_back(static_cast<int>(lineNumber));
            }
        }
    }
    return false;
}

int Lesson::ReadParameters(std::string_view line) {
    ColonFieldReader reader(line);
    std::int32_t testableField = testable;
    int fields = 0;
    fields += reader.NextText(characters) ? 1 : 0;
    fields += reader.NextInt(testableField) ? 1 : 0;
    testable = testableField;
    fields += reader.NextReal(speedLimit) ? 1 : 0;
    fields += reader.NextReal(errorLimit) ? 1 : 0;
    return fields;
}
