#include "tutor/practice/ui/qt_tutor_dialogs.h"

#include "common/ui/program_start.h"

#include "tutor/course/appearance_list.h"
#include "tutor/course/ui/own_text_file_dialog.h"
#include "tutor/course/ui/qt_own_text_limits_dialog.h"
#include "tutor/users/lesson_chooser_model.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/ui/initial_test_wizard.h"
#include "tutor/users/ui/lesson_chooser_dialog.h"
#include "tutor/users/ui/login_dialog.h"
#include "tutor/users/ui/results_dialog.h"
#include "tutor/users/ui/results_file_dialogs.h"
#include "tutor/users/ui/settings_dialog.h"
#include "tutor/users/ui/user_details_dialog.h"

namespace {

// Each dialog's memory goes back to the system once the dialog has closed: the program
// mostly sits at its main window between dialogs.
struct ReturnMemoryOnClose {
    ReturnMemoryOnClose() = default;
    ReturnMemoryOnClose(const ReturnMemoryOnClose&) = delete;
    ReturnMemoryOnClose& operator=(const ReturnMemoryOnClose&) = delete;
    ~ReturnMemoryOnClose() { ReturnFreedMemory(); }
};

}  // namespace

QtTutorDialogs::QtTutorDialogs(Services services) : s_(services) {}

TutorDialogs::LoginOutcome QtTutorDialogs::Login() {
    const ReturnMemoryOnClose returnMemory;
    LoginDialogModel model(s_.profile, s_.messages, s_.prompts);
    const ::LoginOutcome outcome = LoginDialog::Run(parent_.data(), model, s_.messages);
    return {outcome.loggedIn, outcome.newUser};
}

void QtTutorDialogs::UserDetails() {
    const ReturnMemoryOnClose returnMemory;
    UserDetailsDialog::Run(parent_.data(), s_.profile);
}

int QtTutorDialogs::InitialTestWizard(bool atTestPage) {
    const ReturnMemoryOnClose returnMemory;
    const FirstTimeWizardOutcome outcome = RunInitialTestWizard(
        parent_.data(), s_.profile, s_.course, s_.systemLayouts, s_.messages, atTestPage);
    if (outcome.courseChanged && courseChanged_) {
        courseChanged_();
    }
    return outcome.chosenLesson;
}

int QtTutorDialogs::ChooseLesson() {
    const ReturnMemoryOnClose returnMemory;
    LessonChooserModel model(s_.course, s_.profile, s_.clock);
    return LessonChooserDialog::Run(parent_.data(), model, s_.settings);
}

std::optional<std::string> QtTutorDialogs::ChooseTextFile() {
    return OwnTextFileDialog::Choose(parent_.data(), textFolder_, QFileDialog::DontUseNativeDialog);
}

bool QtTutorDialogs::EnterOwnTextLimits(OwnTextLimits& limits) {
    QtOwnTextLimitsDialog dialog(s_.messages, parent_.data());
    return dialog.Run(limits);
}

bool QtTutorDialogs::Settings(TutorSettings& settings) {
    const ReturnMemoryOnClose returnMemory;
    return SettingsDialog::Edit(
        settings,
        SettingsDialog::Services{s_.sounds, AppearanceList::Collect(s_.picturesFolder),
                                 s_.picturesFolder},
        parent_.data());
}

void QtTutorDialogs::Results(const StrokeLog& log) {
    const ReturnMemoryOnClose returnMemory;
    ResultsDialog::Run(
        log, ResultsDialog::Services{s_.evaluationTextsPath, s_.random, s_.settings, s_.messages},
        parent_.data());
}

std::optional<std::string> QtTutorDialogs::SaveResultsFile() {
    return ResultsFileDialogs(s_.settings, parent_.data()).SaveResultsFile();
}

std::optional<std::string> QtTutorDialogs::LoadResultsFile() {
    return ResultsFileDialogs(s_.settings, parent_.data()).LoadResultsFile();
}
