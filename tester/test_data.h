#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tester/assessment.h"
#include "tester/keystroke_record.h"
#include "tester/shared_flag.h"

/// The figures of the Basic Results page for one speed unit.
struct BasicResults {
    int unit = 1;
    /// The typing time as "%H:%M:%S".
    std::string totalTime;
    /// Points (strokes unit) or typed length (words unit).
    int grossStrokes = 0;
    /// Net strokes or words per minute; may be negative.
    float netSpeed = 0.0f;
    /// errors x 100 / gross as "%.2f", or "0".
    std::string errorRate;
    /// Counted errors (strokes unit) or wrong characters (words unit).
    int errors = 0;
    /// The end of the run as local "%m/%d/%Y" and "%H:%M:%S".
    std::string dateOfTest;
    std::string timeEnded;
};

/// Everything the tester knows about the current test: its definition (original text, allowed
/// keys, time limit, scoring rules, description, author), the run typed against it (typed
/// text, keystroke log, times) and the assessment. Texts are bytes of the program's code page
/// with CR LF line breaks. The tester keeps one for its whole life and changes it in place.
class TestData {
  public:
    static constexpr int kStrokesUnit = 0;
    static constexpr int kWordsUnit = 1;
    /// The test identifier of data that did not come from a test definition.
    static constexpr const char* kNoTestId = "-111";
    static constexpr const char* kTooLongMessage =
        "The text is too long to be assessed. The program can compare texts of at most 65535 "
        "characters.";

    TestData();

    /// Prepares a new run, a results load, a comparison or a new test: clears the results,
    /// the log and the re-play state; everything else stays.
    void Reset();

    /// "MV", the local time nowSeconds as "%Y%m%d_%H%M%S", "_", the text length, "_", and the
    /// counts of 'j' and of 'f' written one after the other.
    static std::string MakeTestId(std::string_view text, std::int64_t nowSeconds);

    /// The original to compare a run with: repeated often enough to be longer than 1.02 times
    /// the typed text, so that a typist who started the text again is compared with its start.
    static std::string ExtendOriginal(std::string_view original, std::string_view typed);

    /// Whether Assess can take the two texts: neither is longer than the positions of the
    /// assessment can address.
    static bool FitsAssessment(std::string_view original, std::string_view typed);
    /// Aligns, classifies and counts. False, with every result cleared, when the texts do not
    /// fit the assessment (kTooLongMessage).
    bool Assess(std::string_view original, std::string_view typed);
    /// Empties the arrays of the assessment and zeroes its counts.
    void ClearAssessment();

    /// The basic results in the given unit (kStrokesUnit or kWordsUnit), which becomes
    /// speedUnit.
    BasicResults ComputeBasicResults(int unit);

    // State of the run and of the results (not stored in files).
    int running = 0;
    int paused = 0;
    int startDialogOpen = 0;
    int resultsAvailable = 0;
    int twoFilesMode = 0;
    // Shared with the re-play worker.
    SharedFlag replayRunning;
    SharedFlag replayPaused;

    // The test definition.
    int allowBackspace = 1;
    int allowArrows = 1;
    int allowEnter = 1;
    int allowPause = 1;
    int pointsPerError = 10;
    int timeLimitMinutes = 5;
    /// 0 automatically, 1 PgUp and PgDown only, 2 only downwards using Tab.
    int scrollingType = 0;
    std::string sourceFileName;
    std::string originalText;
    std::string typedText;
    std::string testName;
    std::string description;
    std::int32_t languageId = 1033;
    int level = 5;
    int fromTestDefinition = 0;

    // The run.
    std::int64_t startTime = 0;
    std::int64_t endTime = 0;
    std::int64_t durationSeconds = 0;
    int runValid = 1;

    // The counts of the assessment.
    int points = 0;
    int typedLength = 0;
    int errorCount = 0;
    int wrongCharCount = 0;
    int speedUnit = kWordsUnit;

    // The character-worth table.
    std::string keyboardTypeName;
    std::string chars1;
    std::string chars2;
    std::string chars3;
    std::string chars4;

    // The typist, or the author of a test definition.
    std::string nickname;
    std::string firstName;
    std::string middleName;
    std::string lastName;
    std::string email;
    std::string city;
    std::string country;
    std::string dateOfBirth;
    std::string testId;

    std::vector<KeystrokeRecord> keystrokeLog;

    // The arrays of the last assessment (not stored in files).
    Alignment alignment;
    Classification classification;
};
