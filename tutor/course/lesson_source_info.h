#pragma once

#include <vector>

/// Where the parts of one lesson block stand in its file (1-based line numbers, 0 = absent),
/// for the data check that reports problems by line.
struct LessonSourceInfo {
    int titleLine = 0;
    int parameterLine = 0;
    /// How many of the four parameter fields carried their colon.
    int parameterFields = 0;
    std::vector<int> textLines;
};
