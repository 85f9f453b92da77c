#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tutor/course/lesson_source_info.h"

/// One lesson of a course: its title, the parameter line's fields and the text to copy.
class Lesson {
  public:
    static constexpr double kDefaultErrorLimit = 0.8;
    static constexpr double kHighestDefaultSpeedLimit = 200.0;

    /// A lesson with the defaults of the given 0-based place in its course: the required speed
    /// grows with the place, up to a ceiling.
    explicit Lesson(int index);

    static double DefaultSpeedLimit(int index);

    /// Reads this lesson's block from lines, starting at position and leaving position after
    /// the block. Returns true when a blank line ended the block (another block follows) and
    /// false when the lines ran out. info, when given, receives the line numbers.
    bool ReadBlock(const std::vector<std::string>& lines, std::size_t& position,
                   LessonSourceInfo* info = nullptr);

    /// Reads the colon fields characters, testable, speed limit and error limit from left to
    /// right; fields after the first one without its colon keep their values. Returns how many
    /// fields were read.
    int ReadParameters(std::string_view line);

    std::string title;
    std::vector<std::string> lines;
    std::string characters;
    int testable = 0;
    double speedLimit;
    double errorLimit = kDefaultErrorLimit;
};
