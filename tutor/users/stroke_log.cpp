#include "tutor/users/stroke_log.h"

#include "common/colon_field_reader.h"
#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/text_number.h"

namespace {

// A colon inside a character field would end the field early, so it is stored as this byte.
constexpr char kColonStandIn = static_cast<char>(0xB6);

void AppendCharacterField(std::string& text, char c) {
    // The character 0 is written as an empty field, which reads back as 0, rather than as a
    // NUL byte inside the line.
    if (c == ':') {
        text += kColonStandIn;
    } else if (c != '\0') {
        text += c;
    }
    text += ':';
}

char CharacterOfField(std::string_view field) {
    if (field.empty()) {
        return '\0';
    }
    return field.front() == kColonStandIn ? ':' : field.front();
}

std::string_view LineAt(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? std::string_view(lines[index]) : std::string_view();
}

}  // namespace

StrokeLog::StrokeLog(const Clock& clock) : clock_(clock), startTime_(clock.NowSeconds()) {}

void StrokeLog::Start(std::int32_t lessonIndex, std::string_view userName, double errorLimit,
                      std::int32_t speedLimit, std::int32_t characterCount,
                      std::string_view lessonTitle) {
    lessonIndex_ = lessonIndex;
    userName_ = userName;
    errorLimit_ = errorLimit;
    speedLimit_ = speedLimit;
    characterCount_ = characterCount;
    lessonTitle_ = lessonTitle;
    startTime_ = clock_.NowSeconds();
    records_.clear();
}

void StrokeLog::Add(char expected, char typed, std::int32_t delayMs) {
    records_.push_back({delayMs, expected, typed});
}

void StrokeLog::RemoveLast() {
    if (!records_.empty()) {
        records_.pop_back();
    }
}

std::string StrokeLog::recordToText(const StrokeRecord& record) {
    std::string text = FormatInt(record.delayMs);
    text += ':';
    AppendCharacterField(text, record.expected);
    if (record.typed != record.expected) {
        AppendCharacterField(text, record.typed);
    }
    return text;
}

bool StrokeLog::recordFromText(std::string_view line, StrokeRecord& record) {
    ColonFieldReader reader(line);
    std::int32_t delay = 0;
    std::string expected;
    if (!reader.NextInt(delay) || !reader.NextText(expected)) {
        return false;
    }
    record.delayMs = delay;
    record.expected = CharacterOfField(expected);
    std::string typed;
    record.typed = reader.NextText(typed) ? CharacterOfField(typed) : record.expected;
    return true;
}

std::vector<std::string> StrokeLog::toLines() const {
    std::vector<std::string> lines;
    lines.reserve(8 + records_.size());
    lines.emplace_back(kMagic);
    lines.push_back(FormatInt(startTime_));
    lines.push_back(userName_);
    lines.push_back(FormatInt(lessonIndex_));
    lines.push_back(lessonTitle_);
    lines.push_back(FormatFixed(errorLimit_, 3));
    lines.push_back(FormatInt(speedLimit_));
    lines.push_back(FormatInt(characterCount_));
    for (const StrokeRecord& record : records_) {
        lines.push_back(recordToText(record));
    }
    return lines;
}

bool StrokeLog::fromLines(const std::vector<std::string>& lines) {
    // A file that is not a results file must not cost the user the run in memory.
    if (LineAt(lines, 0) != kMagic) {
        return false;
    }
    records_.clear();
    startTime_ = ParseLeadingInt64(LineAt(lines, 1));
    userName_ = LineAt(lines, 2);
    lessonIndex_ = ParseLeadingInt32(LineAt(lines, 3));
    lessonTitle_ = LineAt(lines, 4);
    errorLimit_ = ParseLeadingDouble(LineAt(lines, 5));
    speedLimit_ = ParseLeadingInt32(LineAt(lines, 6));
    characterCount_ = ParseLeadingInt32(LineAt(lines, 7));
    for (std::size_t i = 8; i < lines.size(); ++i) {
        StrokeRecord record;
        if (!recordFromText(lines[i], record)) {
            break;
        }
        records_.push_back(record);
    }
    return true;
}

bool StrokeLog::saveStat(const std::string& path) const {
    CompressedLineFile file;
    for (const std::string& line : toLines()) {
        file.AddLine(line);
    }
    return file.Write(path);
}

bool StrokeLog::loadStat(const std::string& path) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            return false;
        }
    } catch (const FileError&) {
        // A damaged file is as unreadable as a missing one: the log stays as it was.
        return false;
    }
    return fromLines(file.lines());
}
