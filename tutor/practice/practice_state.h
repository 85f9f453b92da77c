#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "tutor/practice/error_handling_mode.h"

/// The marks of one line of the copy text: a blank where nothing wrong was typed, else the
/// wrong character typed at that column ("_" for a wrong blank). Lines never exceed its width.
using MarkLine = std::array<char, 70>;

/// The state of a practice run: where the cursor stands, what has been counted, the limits of
/// the lesson and the marks of the lines on screen.
struct PracticeState {
    static constexpr int kMarkWidth = 70;
    /// Typed with Enter where the copy text holds it.
    static constexpr char kLineEndMark = static_cast<char>(0xA4);
    static constexpr int kNoLesson = -1;

    static MarkLine BlankMarks() {
        MarkLine marks;
        marks.fill(' ');
        return marks;
    }

    int lessonIndex = kNoLesson;
    int lineCount = 0;
    int lineIndex = 0;
    /// Index of the next character to type in the current line.
    int column = 0;
    int strokeCount = 0;
    int errorCount = 0;
    /// Strokes per minute.
    int speedLimit = 0;
    /// Per cent.
    double errorLimit = 0.0;
    /// Per cent.
    double errorRate = 0.0;
    /// Strokes per second.
    double speed = 0.0;
    /// Clock reading (ms) of the last counted stroke or of the last restart of the clock.
    std::int64_t lastStrokeTime = 0;
    /// Accumulated active milliseconds up to lastStrokeTime.
    std::int64_t activeTime = 0;
    MarkLine errorMarks = BlankMarks();
    MarkLine previousMarks = BlankMarks();
    MarkLine olderMarks = BlankMarks();
    ErrorHandlingMode errorMode = ErrorHandlingMode::PreventDoubleError;
    /// No error is pending.
    bool lastStrokeCorrect = true;
    bool runActive = false;
    bool initialTestRunning = false;
    /// The initial test is offered again after a failure, at the wizard's lesson page.
    bool initialTestRetry = false;
    std::string userName;
    std::int64_t timeLimitSeconds = 0;
    int idleTicks = 0;
    int strokesAtLastTick = -1;
};
