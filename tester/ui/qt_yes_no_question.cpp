#include "tester/ui/qt_yes_no_question.h"

#include <QMessageBox>

#include "common/ui/qt_message_sink.h"
#include "common/ui/qt_text.h"

bool QtYesNoQuestion::AskYesNo(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), QtMessageSink::DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
