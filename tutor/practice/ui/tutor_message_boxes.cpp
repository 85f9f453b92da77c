#include "tutor/practice/ui/tutor_message_boxes.h"

#include <QMessageBox>

#include "common/ui/qt_message_sink.h"
#include "common/ui/qt_text.h"
#include "tutor/practice/tutor_dialogs.h"
#include "tutor/practice/ui/end_of_lesson_dialog.h"
#include "tutor/practice/ui/note_box.h"
#include "tutor/users/ui/info_box.h"

void TutorMessageBoxes::ShowMessage(const std::string& caption, const std::string& text,
                                    Icon icon) {
    QMessageBox box(QtMessageSink::ToQtIcon(icon), ToQString(caption),
                    QtMessageSink::DisplayText(text), QMessageBox::Ok, owner_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool TutorMessageBoxes::AskYesNo(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), QtMessageSink::DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, owner_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TutorMessageBoxes::AskRetryDiscard(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, ToQString(caption), QtMessageSink::DisplayText(text),
                    QMessageBox::Retry | QMessageBox::Discard, owner_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Discard);
    return box.exec() == QMessageBox::Retry;
}

void TutorMessageBoxes::ShowInfo(const std::string& text) {
    ::InfoBox::ShowNotice(text, owner_.data());
}

bool TutorMessageBoxes::AskYesNo(const std::string& text) {
    return ::InfoBox::AskYesNo(text, owner_.data());
}

void TutorMessageBoxes::NoteBox(const std::string& text) {
    ::NoteBox box(text, notePicture_ ? notePicture_() : QImage(), owner_.data());
    box.exec();
}

bool TutorMessageBoxes::InfoBox(const std::string& text, bool repeatCheckBox) {
    ::InfoBox box(text, ::InfoBox::Form::Notice, repeatCheckBox, owner_.data());
    box.exec();
    return box.repeatChecked();
}

EndOfLessonChoice TutorMessageBoxes::EndOfLesson(const EndOfLessonDialogModel& model) {
    // Owned by the main window, so the main window takes no keys while it is open.
    EndOfLessonDialog dialog(model, actions_, owner_.data());
    dialog.exec();
    return dialog.choice();
}

void TutorMessageBoxes::UserDetails() {
    if (dialogs_) {
        dialogs_->UserDetails();
    }
}

int TutorMessageBoxes::InitialTestWizard(bool atTestPage) {
    return dialogs_ ? dialogs_->InitialTestWizard(atTestPage) : -1;
}
