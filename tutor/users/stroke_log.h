#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"

/// One counted stroke of a run.
struct StrokeRecord {
    /// Milliseconds since the previous counted stroke.
    std::int32_t delayMs = 0;
    /// The character of the copy text.
    char expected = 0;
    /// The character typed; equal to expected for a correct stroke.
    char typed = 0;

    bool operator==(const StrokeRecord&) const = default;
};

/// The detailed record of one lesson run: who typed which lesson under which limits, and every
/// counted stroke. The practice engine fills it; it can be kept in a results file (".stat")
/// and read back for the results dialog.
class StrokeLog {
  public:
    /// The lesson index of a run of the user's own text file.
    static constexpr std::int32_t kOwnTextLesson = 1111;
    /// The first line of a results file.
    static constexpr std::string_view kMagic = "zuv STAT 1.0";

    /// The clock gives the start times; it must outlive the log.
    explicit StrokeLog(const Clock& clock);

    /// A run begins: the header is replaced, the start time is now, the strokes are dropped.
    void Start(std::int32_t lessonIndex, std::string_view userName, double errorLimit,
               std::int32_t speedLimit, std::int32_t characterCount, std::string_view lessonTitle);
    void Add(char expected, char typed, std::int32_t delayMs);
    /// Backspace takes back the last stroke; nothing happens without strokes.
    void RemoveLast();

    std::size_t recordCount() const { return records_.size(); }
    const StrokeRecord& record(std::size_t index) const { return records_.at(index); }
    const std::vector<StrokeRecord>& records() const { return records_; }

    std::int32_t lessonIndex() const { return lessonIndex_; }
    const std::string& userName() const { return userName_; }
    double errorLimit() const { return errorLimit_; }
    std::int32_t speedLimit() const { return speedLimit_; }
    std::int32_t characterCount() const { return characterCount_; }
    const std::string& lessonTitle() const { return lessonTitle_; }
    std::int64_t startTime() const { return startTime_; }

    /// Writes the results file (atomically); false when it cannot be written.
    bool saveStat(const std::string& path) const;
    /// Reads a results file. An unreadable or damaged file, or one with a wrong first line,
    /// fails and leaves the log as it was.
    bool loadStat(const std::string& path);

    /// The lines of the results file.
    std::vector<std::string> toLines() const;
    /// Takes the log from the lines of a results file: false (the log unchanged) unless the
    /// first line is the magic; the strokes end at the first line that is not a stroke.
    bool fromLines(const std::vector<std::string>& lines);

    /// "delay:expected:" or "delay:expected:typed:", a colon written as 0xB6.
    static std::string recordToText(const StrokeRecord& record);
    /// False when the delay or the expected character lacks its closing colon.
    static bool recordFromText(std::string_view line, StrokeRecord& record);

  private:
    const Clock& clock_;
    std::vector<StrokeRecord> records_;
    std::int32_t lessonIndex_ = -1;
    std::string userName_;
    double errorLimit_ = 0.0;
    std::int32_t speedLimit_ = 0;
    std::int32_t characterCount_ = 0;
    std::string lessonTitle_;
    std::int64_t startTime_ = 0;
};
