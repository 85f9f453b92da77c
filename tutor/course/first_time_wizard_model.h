#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tutor/course/course_record.h"
#include "tutor/course/keyboard_record.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/system_keyboard_layouts.h"
#include "tutor/course/wizard_test_row.h"

/// What the first-time wizard shows and decides: the choice of keyboard type and level, whether
/// to start with the first lesson or to qualify by a test, and the lesson to be tested on. Its
/// windows display this state and pass the user's actions on.
class FirstTimeWizardModel {
  public:
    enum class Page { Course, Start, Fingering, TestLesson };

    /// How the course page could be filled.
    enum class CourseStatus {
        NotOpened,
        Ready,
        /// "lessons.txt" or "keyboards.txt" cannot be read (FirstTimeWizardTexts::kOpenError).
        FilesMissing,
        /// No keyboard type can be offered (FirstTimeWizardTexts::kNoKeyboard).
        NoKeyboard,
    };

    struct Buttons {
        bool back = false;
        bool next = false;
        bool finish = false;
        /// Finish is captioned "Test" when it starts the initial test.
        bool finishStartsTest = false;

        bool operator==(const Buttons&) const = default;
    };

    /// Receives the keyboard type and course each time the course page is left with Next.
    using CourseChosen =
        std::function<void(const std::string& keyboardId, const std::string& courseName)>;

    /// keyboardId and courseName are the user's, used until the course page is left.
    FirstTimeWizardModel(SystemKeyboardLayouts& layouts, LessonCourse& course,
                         std::string keyboardId, std::string courseName);

    /// Where the choice goes (the user's profile): at once, so that cancelling on a later
    /// page keeps it.
    void SetCourseChosen(CourseChosen courseChosen) { courseChosen_ = std::move(courseChosen); }

    /// Starts the wizard at the course page, or at the test page after a failed test. The
    /// course page is filled by OpenCoursePage when it is first displayed; after a failed
    /// test it shows the user's keyboard type and course, which the user chose before.
    void Show(bool atTestPage = false);
    Page page() const { return page_; }
    Buttons CurrentButtons() const;
    /// Moves one page on; false when the current page offers no Next.
    bool Next();
    /// Moves one page back; false on the first page.
    bool Back();
    /// Whether Finish may be pressed now; the wizard then ends with ChosenLesson().
    bool CanFinish() const { return CurrentButtons().finish; }
    /// The lesson chosen for the initial test, -1 for none (start with the first lesson).
    int ChosenLesson() const { return chosenLesson_; }

    /// The user's keyboard type and course as chosen; they are to be stored in the user's
    /// profile once courseLeft() is true (cancelling later does not undo the choice).
    const std::string& keyboardId() const { return keyboardId_; }
    const std::string& courseName() const { return courseName_; }
    bool courseLeft() const { return courseLeft_; }

    // The course page.
    /// Reads "lessons.txt" and "keyboards.txt" from the folder "config" and offers the keyboard
    /// types whose ".kdd" file is there and whose layout the system accepts.
    CourseStatus OpenCoursePage();
    /// The same from records already read and the candidate identifiers.
    CourseStatus FillCoursePage(std::vector<KeyboardRecord> keyboards,
                                std::vector<CourseRecord> courses,
                                const std::vector<std::string>& candidates);
    CourseStatus courseStatus() const { return courseStatus_; }
    const std::vector<KeyboardRecord>& keyboardEntries() const { return keyboardEntries_; }
    int selectedKeyboard() const { return selectedKeyboard_; }
    /// Selects a keyboard type and refills the levels with its courses.
    void SelectKeyboard(int entry);
    const std::vector<CourseRecord>& levelEntries() const { return levelEntries_; }
    int selectedLevel() const { return selectedLevel_; }
    void SelectLevel(int entry);
    const std::string& description() const { return description_; }

    /// The identifiers of the ".kdd" files in configFolder (each name up to its first "."),
    /// in name order.
    static std::vector<std::string> KeyboardCandidates(const std::string& configFolder);

    // The start page and the fingering page.
    bool qualifyTicked() const { return qualifyTicked_; }
    void SetQualifyTicked(bool ticked) { qualifyTicked_ = ticked; }
    bool fingeringTicked() const { return fingeringTicked_; }
    void SetFingeringTicked(bool ticked) { fingeringTicked_ = ticked; }
    /// The hints for users without typing experience show while the box is cleared.
    bool FingeringHintsVisible() const { return !fingeringTicked_; }

    // The test page.
    const std::vector<WizardTestRow>& testRows() const { return testRows_; }
    int selectedRow() const { return selectedRow_; }
    void SelectTestRow(int row);
    /// A row for every testable lesson, its characters being all those introduced so far.
    static std::vector<WizardTestRow> BuildTestRows(const LessonCourse& course);

  private:
    void EnterPage(Page page);
    void FillLevels();

    void SelectUserCourse();

    SystemKeyboardLayouts& layouts_;
    LessonCourse& course_;
    std::string keyboardId_;
    std::string courseName_;
    CourseChosen courseChosen_;
    bool courseLeft_ = false;
    bool showUserCourse_ = false;
    Page page_ = Page::Course;
    int chosenLesson_ = -1;

    CourseStatus courseStatus_ = CourseStatus::NotOpened;
    std::vector<CourseRecord> courses_;
    std::vector<KeyboardRecord> keyboardEntries_;
    int selectedKeyboard_ = -1;
    std::vector<CourseRecord> levelEntries_;
    int selectedLevel_ = -1;
    std::string description_;

    bool qualifyTicked_ = false;
    bool fingeringTicked_ = true;

    std::vector<WizardTestRow> testRows_;
    int selectedRow_ = -1;
};
