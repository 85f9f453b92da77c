#include "tutor/course/first_time_wizard_model.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "common/data_paths.h"
#include "common/text_number.h"

namespace {

constexpr std::string_view kNumericKeypad = "NUM";

}  // namespace

FirstTimeWizardModel::FirstTimeWizardModel(SystemKeyboardLayouts& layouts, LessonCourse& course,
                                           std::string keyboardId, std::string courseName)
    : layouts_(layouts),
      course_(course),
      keyboardId_(std::move(keyboardId)),
      courseName_(std::move(courseName)) {}

void FirstTimeWizardModel::Show(bool atTestPage) {
    chosenLesson_ = -1;
    showUserCourse_ = atTestPage;
    EnterPage(atTestPage ? Page::TestLesson : Page::Course);
}

void FirstTimeWizardModel::EnterPage(Page page) {
    page_ = page;
    if (page == Page::Start || page == Page::Fingering) {
        chosenLesson_ = -1;
    }
    if (page == Page::TestLesson) {
        // Built on every visit: the user may have gone back and chosen another course.
        course_.Reload(keyboardId_, courseName_);
        testRows_ = BuildTestRows(course_);
        selectedRow_ = -1;
        chosenLesson_ = -1;
    }
}

FirstTimeWizardModel::Buttons FirstTimeWizardModel::CurrentButtons() const {
    Buttons buttons;
    switch (page_) {
        case Page::Course:
            buttons.next = !keyboardEntries_.empty();
            break;
        case Page::Start:
            buttons.back = true;
            buttons.next = qualifyTicked_;
            buttons.finish = !qualifyTicked_;
            break;
        case Page::Fingering:
            buttons.back = true;
            buttons.next = fingeringTicked_;
            buttons.finish = !fingeringTicked_;
            break;
        case Page::TestLesson:
            buttons.back = true;
            buttons.finish = selectedRow_ >= 0;
            buttons.finishStartsTest = buttons.finish;
            break;
    }
    return buttons;
}

bool FirstTimeWizardModel::Next() {
    if (!CurrentButtons().next) {
        return false;
    }
    switch (page_) {
        case Page::Course:
            if (selectedKeyboard_ >= 0) {
                keyboardId_ = keyboardEntries_[static_cast<std::size_t>(selectedKeyboard_)].id;
            }
            if (selectedLevel_ >= 0) {
                courseName_ = levelEntries_[static_cast<std::size_t>(selectedLevel_)].CourseName();
            }
            courseLeft_ = true;
            if (courseChosen_) {
                courseChosen_(keyboardId_, courseName_);
            }
            EnterPage(Page::Start);
            return true;
        case Page::Start:
            EnterPage(Page::Fingering);
            return true;
        case Page::Fingering:
            EnterPage(Page::TestLesson);
            return true;
        case Page::TestLesson:
            break;
    }
    return false;
}

bool FirstTimeWizardModel::Back() {
    switch (page_) {
        case Page::Course:
            return false;
        case Page::Start:
            EnterPage(Page::Course);
            return true;
        case Page::Fingering:
            EnterPage(Page::Start);
            return true;
        case Page::TestLesson:
            EnterPage(Page::Fingering);
            return true;
    }
    return false;
}

std::vector<std::string> FirstTimeWizardModel::KeyboardCandidates(const std::string& configFolder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(configFolder, ec);
    if (ec) {
        return names;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            continue;
        }
        std::string fileName = it->path().filename().string();
        if (fileName.size() < 4 || fileName.compare(fileName.size() - 4, 4, ".kdd") != 0) {
            continue;
        }
        names.push_back(fileName);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> candidates;
    for (const std::string& fileName : names) {
        candidates.push_back(fileName.substr(0, fileName.find('.')));
    }
    return candidates;
}

FirstTimeWizardModel::CourseStatus FirstTimeWizardModel::OpenCoursePage() {
    std::vector<CourseRecord> courses;
    std::vector<KeyboardRecord> keyboards;
    if (!CourseRecord::ReadFile(DataPaths::DataPath("config", "lessons.txt"), courses) ||
        !KeyboardRecord::ReadFile(DataPaths::DataPath("config", "keyboards.txt"), keyboards)) {
        keyboardEntries_.clear();
        levelEntries_.clear();
        selectedKeyboard_ = selectedLevel_ = -1;
        description_.clear();
        courseStatus_ = CourseStatus::FilesMissing;
        return courseStatus_;
    }
    return FillCoursePage(std::move(keyboards), std::move(courses),
                          KeyboardCandidates(DataPaths::DataPath("config", "")));
}

FirstTimeWizardModel::CourseStatus FirstTimeWizardModel::FillCoursePage(
    std::vector<KeyboardRecord> keyboards, std::vector<CourseRecord> courses,
    const std::vector<std::string>& candidates) {
    courses_ = std::move(courses);
    keyboardEntries_.clear();
    levelEntries_.clear();
    selectedKeyboard_ = selectedLevel_ = -1;
    description_.clear();

    std::set<std::string> tried;
    for (const std::string& candidate : candidates) {
        if (!tried.insert(candidate).second) {
            continue;
        }
        // The numeric keypad is no system layout; every other candidate is offered only when
        // the system could switch to it. Asking does not switch: the user's keyboard stays as
        // it is while the wizard is open.
        if (candidate != kNumericKeypad && !layouts_.IsAvailable(candidate)) {
            continue;
        }
        for (const KeyboardRecord& record : keyboards) {
            if (record.id == candidate) {
                keyboardEntries_.push_back(record);
            }
        }
    }
    if (keyboardEntries_.empty()) {
        courseStatus_ = CourseStatus::NoKeyboard;
        return courseStatus_;
    }
    int selected = 0;
    for (std::size_t i = 0; i < keyboardEntries_.size(); ++i) {
        if (keyboardEntries_[i].isDefault != 0) {
            selected = static_cast<int>(i);
            break;
        }
    }
    courseStatus_ = CourseStatus::Ready;
    SelectKeyboard(selected);
    if (showUserCourse_) {
        SelectUserCourse();
    }
    return courseStatus_;
}

void FirstTimeWizardModel::SelectUserCourse() {
    // Preselecting the defaults here would let Next quietly switch the user's course back.
    for (std::size_t k = 0; k < keyboardEntries_.size(); ++k) {
        if (keyboardEntries_[k].id != keyboardId_) {
            continue;
        }
        SelectKeyboard(static_cast<int>(k));
        for (std::size_t l = 0; l < levelEntries_.size(); ++l) {
            if (levelEntries_[l].CourseName() == courseName_) {
                SelectLevel(static_cast<int>(l));
                break;
            }
        }
        return;
    }
}

void FirstTimeWizardModel::SelectKeyboard(int entry) {
    if (entry < 0 || entry >= static_cast<int>(keyboardEntries_.size())) {
        return;
    }
    selectedKeyboard_ = entry;
    FillLevels();
}

void FirstTimeWizardModel::FillLevels() {
    const std::string& id = keyboardEntries_[static_cast<std::size_t>(selectedKeyboard_)].id;
    levelEntries_.clear();
    selectedLevel_ = -1;
    for (const CourseRecord& course : courses_) {
        if (course.keyboardId == id) {
            levelEntries_.push_back(course);
        }
    }
    // Without a default the last level stays selected, as the filling leaves it.
    selectedLevel_ = static_cast<int>(levelEntries_.size()) - 1;
    for (std::size_t i = 0; i < levelEntries_.size(); ++i) {
        if (levelEntries_[i].isDefault != 0) {
            selectedLevel_ = static_cast<int>(i);
            break;
        }
    }
    // A keyboard without levels must not go on showing another keyboard's description.
    description_ = selectedLevel_ >= 0
                       ? levelEntries_[static_cast<std::size_t>(selectedLevel_)].description
                       : std::string();
}

void FirstTimeWizardModel::SelectLevel(int entry) {
    if (entry < 0 || entry >= static_cast<int>(levelEntries_.size())) {
        return;
    }
    selectedLevel_ = entry;
    description_ = levelEntries_[static_cast<std::size_t>(entry)].description;
}

void FirstTimeWizardModel::SelectTestRow(int row) {
    if (page_ != Page::TestLesson || row < 0 || row >= static_cast<int>(testRows_.size())) {
        return;
    }
    selectedRow_ = row;
    chosenLesson_ = testRows_[static_cast<std::size_t>(row)].lessonIndex;
}

std::vector<WizardTestRow> FirstTimeWizardModel::BuildTestRows(const LessonCourse& course) {
    std::vector<WizardTestRow> rows;
    std::string running;
    for (int i = 0; i < course.LessonCount(); ++i) {
        running += course.Characters(i);
        if (course.IsTestable(i)) {
            rows.push_back(WizardTestRow{running, FormatFixed(course.ErrorLimit(i), 2),
                                         FormatFixed(course.SpeedLimit(i), 2), i});
        }
    }
    return rows;
}
