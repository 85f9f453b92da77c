#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/product_version.h"

class Clock;
class LessonCourse;
class UserProfile;

/// What the "Choose a Lesson" dialog lists and decides: one row per lesson reached with its
/// best result, a row for the next lesson, the selection, "Skip Lesson" and the chosen lesson.
class LessonChooserModel {
  public:
    static constexpr const char* kCaption = "Choose a Lesson";
    static constexpr const char* kPrompt = "Where do you want to start?";
    static constexpr const char* kMissingCourse =
        "The configuration file for the lessons is missing. Install the program again!";
    static constexpr const char* kSkipQuestion =
        "Do you really want to go on to an advanced lesson?\nIt is necessary to practice all "
        "the previous lessons thoroughly!";
    static constexpr const char* kQuestionCaption = kKelvaneName;
    /// The image of a lesson not yet practised.
    static constexpr int kNotPractisedImage = 5;
    static constexpr int kColumnCount = 9;
    static constexpr std::array<const char*, kColumnCount> kColumnTitles = {
        "Lesson",      "Help", "Error Rate [%]", "Error Rate Limit",  "Required Speed",
        "Speed Limit", "Date", "Active Time",    "Number of Attempts"};
    static constexpr std::array<int, kColumnCount> kColumnWidths = {100, 170, 50, 50, 50,
                                                                    50,  160, 70, 40};
    static constexpr const char* kLessonButton = "&Lesson";
    static constexpr const char* kSkipButton = "&Skip Lesson";
    static constexpr const char* kCancelButton = "&Cancel";

    /// The dialog keeps its place, size and column widths between runs under this name, its
    /// list under the empty list name, and opens at this rectangle the first time.
    static constexpr const char* kPlacementName = "lessondlg";
    static constexpr const char* kPlacementList = "";
    static constexpr int kDefaultX = 30;
    static constexpr int kDefaultWidth = 600;
    static constexpr int kDefaultY = 30;
    static constexpr int kDefaultHeight = 300;

    struct Row {
        int image = kNotPractisedImage;
        std::array<std::string, kColumnCount> texts;
    };

    /// Everything must outlive the model.
    LessonChooserModel(const LessonCourse& course, UserProfile& profile, const Clock& clock);

    /// Fills the list and selects the next lesson (or the last row).
    void open();

    const std::vector<Row>& rows() const { return rows_; }
    /// The course has no lessons: the only row holds kMissingCourse, across the columns.
    bool courseMissing() const { return courseMissing_; }
    /// -1 without a selection.
    int selectedRow() const { return selectedRow_; }
    void select(int row);
    int reachedLessons() const { return reachedLessons_; }

    /// "&Lesson" or a double click: with a row selected, its index is the chosen lesson and
    /// the dialog closes; false (nothing happens) without a selection.
    bool choose();
    /// The chosen lesson, -1 before choose().
    int chosenLesson() const { return chosenLesson_; }

    /// "&Skip Lesson" after the user answered kSkipQuestion with Yes: one more lesson is
    /// reached, and recorded as reached in the user's results.
    void skipLesson();

  private:
    Row recordRow(int lesson) const;
    Row nextLessonRow(int lesson) const;

    const LessonCourse& course_;
    UserProfile& profile_;
    const Clock& clock_;
    std::vector<Row> rows_;
    bool courseMissing_ = false;
    int selectedRow_ = -1;
    int reachedLessons_ = 0;
    int chosenLesson_ = -1;
};
