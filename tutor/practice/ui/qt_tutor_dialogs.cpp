#include "tutor/practice/ui/qt_tutor_dialogs.h"

#include <QFileDialog>

#include "common/message_sink.h"
#include "common/ui/qt_text.h"
#include "tutor/course/ui/own_text_file_dialog.h"
#include "tutor/course/ui/qt_own_text_limits_dialog.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/lesson_chooser_model.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/ui/initial_test_wizard.h"
#include "tutor/users/ui/lesson_chooser_dialog.h"
#include "tutor/users/ui/login_dialog.h"
#include "tutor/users/ui/user_details_dialog.h"

QtTutorDialogs::QtTutorDialogs(Services services) : s_(services) {}

TutorDialogs::LoginOutcome QtTutorDialogs::Login() {
    LoginDialogModel model(s_.profile, s_.messages, s_.prompts);
    const ::LoginOutcome outcome = LoginDialog::Run(parent_.data(), model, s_.messages);
    return {outcome.loggedIn, outcome.newUser};
}

void QtTutorDialogs::UserDetails() {
    UserDetailsDialog::Run(parent_.data(), s_.profile);
}

int QtTutorDialogs::InitialTestWizard(bool atTestPage) {
    const FirstTimeWizardOutcome outcome = RunInitialTestWizard(
        parent_.data(), s_.profile, s_.course, s_.systemLayouts, s_.messages, atTestPage);
    if (outcome.courseChanged && courseChanged_) {
        courseChanged_();
    }
    return outcome.chosenLesson;
}

int QtTutorDialogs::ChooseLesson() {
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

// STAND-IN until the settings sheet, the results dialog and their results-file prompts are
// merged: the settings stay as they are, the results show their main figures in a message,
// and the file prompts are plain Qt file dialogs.

bool QtTutorDialogs::Settings(TutorSettings&) {
    return false;
}

void QtTutorDialogs::Results(const StrokeLog& log) {
    SeededRandomSource random(SeededRandomSource::SeedFrom(log.userName()));
    const ResultsDialogModel model(log, EvaluationTexts(), random);
    s_.messages.ShowMessage(ResultsDialogModel::kCaption,
                            model.header() + "Strokes: " + model.strokesText() + "\r\nErrors: " +
                                model.errorsText() + "\r\nSpeed: " + model.speedNowText(),
                            MessageSink::Icon::Information);
}

std::optional<std::string> QtTutorDialogs::SaveResultsFile() {
    QFileDialog dialog(parent_.data(), QStringLiteral("Save As"), {},
                       QStringLiteral("Results (*.stat)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("stat"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(dialog.selectedFiles().front());
}

std::optional<std::string> QtTutorDialogs::LoadResultsFile() {
    const QString path = QFileDialog::getOpenFileName(parent_.data(), QStringLiteral("Open"), {},
                                                      QStringLiteral("Results (*.stat)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(path);
}
