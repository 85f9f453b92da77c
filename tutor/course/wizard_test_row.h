#pragma once

#include <string>

/// One row of the first-time wizard's list of lessons to be tested on.
struct WizardTestRow {
    /// Every character introduced up to and including the lesson.
    std::string characters;
    std::string errorLimit;
    std::string speedLimit;
    int lessonIndex = -1;

    bool operator==(const WizardTestRow&) const = default;
};
