#include "common/ui/qt_message_sink.h"

#include "common/ui/qt_text.h"

QMessageBox::Icon QtMessageSink::ToQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString QtMessageSink::DisplayText(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtMessageSink::ShowMessage(const std::string& caption, const std::string& text, Icon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), DisplayText(text), QMessageBox::Ok,
                    parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
