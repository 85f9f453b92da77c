#pragma once

/// The messages of the practice.
struct PracticeTexts {
    /// Followed by one blank and the lesson title.
    static constexpr const char* kNote = "Note: ";
    static constexpr const char* kErrorWarning = "You have made an error!";
    static constexpr const char* kRepeatPresentation = "Repeat presentation?";
    static constexpr const char* kCopyPlease = "Copy the following text, please.";
    static constexpr const char* kTimerStopped =
        "\r\n The timer has been stopped because you stopped copying the text.";
    static constexpr const char* kCourseCompleted =
        "Congratulations! You have made another important step in your life.\nYou have "
        "successfully completed this course!";
    static constexpr const char* kTestFailed =
        "Unfortunately, you have failed this test. Please, choose an easier lesson.";
    static constexpr const char* kTestPassed = "Great! You have qualified for the next lesson.";
    static constexpr const char* kEndOfTestMenu = "&End of Test";
    static constexpr int kEndOfTestCommand = 32790;
    static constexpr const char* kInitialTestCaption = "Initial Test";
};
