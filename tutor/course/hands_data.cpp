#include "tutor/course/hands_data.h"

#include <algorithm>

#include "common/colon_field_reader.h"
#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/file_error.h"

namespace {

std::uint32_t PackColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    auto channel = [](std::int32_t value) {
        return static_cast<std::uint32_t>(std::clamp(value, 0, 255));
    };
    return (channel(red) << 16) | (channel(green) << 8) | channel(blue);
}

}  // namespace

bool HandsData::ParseLines(const std::vector<std::string>& lines) {
    groups_.clear();
    failedLine_ = 0;
    std::vector<StrokePoint> group;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line == "END") {
            groups_.push_back(std::move(group));
            group.clear();
            continue;
        }
        if (line.find(':') == std::string::npos) {
            continue;
        }
        ColonFieldReader reader(line);
        std::int32_t x = 0, y = 0, pen = 0, thickness = 0, red = 0, green = 0, blue = 0;
        if (!(reader.NextInt(x) && reader.NextInt(y) && reader.NextInt(pen) &&
              reader.NextInt(thickness) && reader.NextInt(red) && reader.NextInt(green) &&
              reader.NextInt(blue))) {
            failedLine_ = static_cast<int>(i + 1);
            return false;
        }
        group.push_back(StrokePoint{x, y, pen, thickness, PackColor(red, green, blue)});
    }
    return true;
}

bool HandsData::LoadFile(const std::string& fullPath) {
    CompressedLineFile file;
    try {
        if (!file.Read(fullPath)) {
            groups_.clear();
            failedLine_ = 0;
            return false;
        }
    } catch (const FileError&) {
        ParseLines(file.lines());
        if (failedLine_ == 0) {
            failedLine_ = static_cast<int>(file.lines().size()) + 1;
        }
        return false;
    }
    return ParseLines(file.lines());
}

bool HandsData::LoadHands() {
    return LoadFile(DataPaths::DataPath("config", "hands.ddd"));
}
