#include "tools/picturegen/hands_outline.h"

#include <fstream>
#include <sstream>

#include "common/colon_field_reader.h"
#include "common/text_number.h"

bool HandsOutline::Load(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str(), error);
}

bool HandsOutline::Parse(const std::string& text, std::string& error) {
    groups_.clear();
    Group current;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "END") {
            groups_.push_back(std::move(current));
            current.clear();
            continue;
        }
        if (line.find(':') == std::string::npos) {
            continue;
        }
        ColonFieldReader reader(line);
        Point p;
        if (!reader.NextInt(p.x) || !reader.NextInt(p.y) || !reader.NextInt(p.pen) ||
            !reader.NextInt(p.thickness) || !reader.NextInt(p.red) || !reader.NextInt(p.green) ||
            !reader.NextInt(p.blue)) {
            error = "line " + FormatInt(lineNumber) + ": a point needs seven fields";
            return false;
        }
        current.push_back(p);
    }
    if (static_cast<int>(groups_.size()) < kFingers) {
        error = "only " + FormatInt(static_cast<long long>(groups_.size())) +
                " finger groups, ten are needed";
        return false;
    }
    return true;
}
