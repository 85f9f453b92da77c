#include "tutor/users/lesson_chooser_model.h"

#include <algorithm>

#include "common/clock.h"
#include "common/text_number.h"
#include "common/time_text.h"
#include "tutor/course/lesson_course.h"
#include "tutor/users/lesson_result.h"
#include "tutor/users/user_profile.h"

LessonChooserModel::LessonChooserModel(const LessonCourse& course, UserProfile& profile,
                                       const Clock& clock)
    : course_(course), profile_(profile), clock_(clock) {}

LessonChooserModel::Row LessonChooserModel::recordRow(int lesson) const {
    const LessonResult& result = profile_.result(static_cast<std::size_t>(lesson));
    Row row;
    row.image = ResultRating(result, course_.ErrorLimit(lesson));
    row.texts = {FormatInt(std::int64_t{lesson} + 1),
                 course_.Title(lesson),
                 FormatFixed(result.bestErrorRate, 2),
                 FormatFixed(course_.ErrorLimit(lesson), 2),
                 FormatInt(result.bestSpeed),
                 FormatFixed(course_.SpeedLimit(lesson), 0),
                 TimeText::DateTime(result.bestTime),
                 TimeText::SpanWithinDay(result.activeSeconds),
                 FormatInt(result.attempts)};
    return row;
}

LessonChooserModel::Row LessonChooserModel::nextLessonRow(int lesson) const {
    Row row;
    row.image = kNotPractisedImage;
    row.texts = {FormatInt(std::int64_t{lesson} + 1),
                 course_.Title(lesson),
                 "...",
                 FormatFixed(course_.ErrorLimit(lesson), 2),
                 "...",
                 FormatFixed(course_.SpeedLimit(lesson), 0),
                 "........",
                 "00:00",
                 "0"};
    return row;
}

void LessonChooserModel::open() {
    rows_.clear();
    selectedRow_ = -1;
    chosenLesson_ = -1;
    const int records = static_cast<int>(profile_.resultCount());
    reachedLessons_ = records;
    courseMissing_ = course_.LessonCount() == 0;
    if (courseMissing_) {
        Row missing;
        missing.texts[0] = kMissingCourse;
        rows_.push_back(missing);
        return;
    }
    for (int i = 0; i < records; ++i) {
        rows_.push_back(recordRow(i));
    }
    const bool lastNotPractised = records > 0 && rows_.back().image == kNotPractisedImage;
    if (records < course_.LessonCount() && !lastNotPractised) {
        rows_.push_back(nextLessonRow(records));
    }
    if (!rows_.empty()) {
        selectedRow_ = static_cast<int>(rows_.size()) - 1;
    }
}

void LessonChooserModel::select(int row) {
    // The message of a missing course is no lesson to choose.
    selectedRow_ = !courseMissing_ && row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

bool LessonChooserModel::choose() {
    if (selectedRow_ < 0) {
        return false;
    }
    chosenLesson_ = selectedRow_;
    return true;
}

void LessonChooserModel::skipLesson() {
    const int n = ++reachedLessons_;
    const int rowCount = static_cast<int>(rows_.size());
    const int position = std::min(n, rowCount);
    // With the next lesson already offered, the row after it would stand for a lesson past
    // the course: nothing is added then either, and no record for it is made.
    if (n > course_.LessonCount() || position >= course_.LessonCount()) {
        if (n - 1 < rowCount) {
            selectedRow_ = n - 1;
        } else if (rowCount > 0) {
            selectedRow_ = rowCount - 1;
        }
        return;
    }
    rows_.insert(rows_.begin() + position, nextLessonRow(position));
    profile_.setResult(position, clock_.NowSeconds(), 0.0, 0, 0);
    selectedRow_ = position;
}
