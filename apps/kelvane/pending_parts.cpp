#include "apps/kelvane/pending_parts.h"

#include <QFileDialog>
#include <QInputDialog>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/system_clock.h"
#include "common/ui/qt_text.h"
#include "tutor/course/lesson_course.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/lesson_chooser_model.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/user_profile.h"

PendingTutorDialogs::PendingTutorDialogs(UserProfile& profile, const LessonCourse& course,
                                         MessageSink& messages, InfoBoxPrompts& prompts)
    : profile_(profile), course_(course), messages_(messages), prompts_(prompts) {}

TutorDialogs::LoginOutcome PendingTutorDialogs::Login() {
    LoginDialogModel model(profile_, messages_, prompts_);
    model.open();
    while (model.result() == LoginDialogModel::Result::Open) {
        QStringList names;
        for (const std::string& entry : model.entries()) {
            names << ToQString(entry);
        }
        bool ok = false;
        const QString name = QInputDialog::getItem(parent_, QStringLiteral("Identify yourself"),
                                                   QStringLiteral("Name:"), names,
                                                   std::max(0, model.selectedIndex()), true, &ok);
        if (!ok) {
            model.exit();
            continue;
        }
        model.setNameText(FromQString(name));
        if (!model.leaveNameEdit()) {
            continue;
        }
        const QString password =
            QInputDialog::getText(parent_, QStringLiteral("Identify yourself"),
                                  QStringLiteral("Password:"), QLineEdit::Password, {}, &ok);
        if (!ok) {
            continue;
        }
        model.setPasswordText(FromQString(password));
        model.ok();
        if (model.result() == LoginDialogModel::Result::Open && model.repeatVisible()) {
            const QString repeat = QInputDialog::getText(
                parent_, QStringLiteral("Identify yourself"), QStringLiteral("Password again:"),
                QLineEdit::Password, {}, &ok);
            if (ok) {
                model.setRepeatText(FromQString(repeat));
                model.ok();
            }
        }
    }
    return {model.result() == LoginDialogModel::Result::Ok, model.newUser()};
}

int PendingTutorDialogs::ChooseLesson() {
    SystemClock clock;
    LessonChooserModel model(course_, profile_, clock);
    model.open();
    QStringList rows;
    for (const LessonChooserModel::Row& row : model.rows()) {
        rows << ToQString(row.texts[0] + "  " + row.texts[1]);
    }
    if (rows.isEmpty()) {
        messages_.ShowMessage(kKelvaneName, LessonChooserModel::kMissingCourse,
                              MessageSink::Icon::Warning);
        return -1;
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent_, QString::fromLatin1(LessonChooserModel::kCaption),
                              QString::fromLatin1(LessonChooserModel::kPrompt), rows,
                              std::max(0, model.selectedRow()), false, &ok);
    if (!ok) {
        return -1;
    }
    model.select(static_cast<int>(rows.indexOf(chosen)));
    return model.choose() ? model.chosenLesson() : -1;
}

std::optional<std::string> PendingTutorDialogs::ChooseTextFile() {
    const QString path = QFileDialog::getOpenFileName(
        parent_, QStringLiteral("Open"), {},
        QStringLiteral("Text file (*.txt);;Rich text format file (*.rtf);;All files (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(path);
}

void PendingTutorDialogs::Results(const StrokeLog& log) {
    SeededRandomSource random(SeededRandomSource::SeedFrom(log.userName()));
    const ResultsDialogModel model(log, EvaluationTexts(), random);
    messages_.ShowMessage(ResultsDialogModel::kCaption,
                          model.header() + "Strokes: " + model.strokesText() + "\r\nErrors: " +
                              model.errorsText() + "\r\nSpeed: " + model.speedNowText(),
                          MessageSink::Icon::Information);
}

std::optional<std::string> PendingTutorDialogs::SaveResultsFile() {
    QFileDialog dialog(parent_, QStringLiteral("Save As"), {}, QStringLiteral("Results(*.stat)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(dialog.selectedFiles().front());
}

std::optional<std::string> PendingTutorDialogs::LoadResultsFile() {
    const QString path = QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), {},
                                                      QStringLiteral("Results(*.stat)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(path);
}
