#include "tester/ui/c_user_text_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include "common/ui/qt_text.h"

namespace {

// Characters of a piece of text once its line breaks are CR LF.
int TypedLengthOf(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')) +
                            text.count(QChar::ParagraphSeparator));
}

}  // namespace

CUserTextView::CUserTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("CUserTextView"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
    // The margin belongs to the widget, not to the viewport: paint it like the text area.
    setViewportMargins(kLeftMargin, 0, 0, 0);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

int CUserTextView::TypedLength() const {
    return TypedLengthOf(toPlainText());
}

std::string CUserTextView::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromQString(text);
}

int CUserTextView::Room() const {
    int selected = TypedLengthOf(textCursor().selectedText());
    return kMaxLength - (TypedLength() - selected);
}

void CUserTextView::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        int adds = 0;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            adds = 2;
        } else if (!event->text().isEmpty() &&
                   (event->text().at(0).isPrint() || event->text().at(0) == QLatin1Char('\t'))) {
            adds = static_cast<int>(event->text().size());
        }
        if (adds > 0 && adds > Room()) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CUserTextView::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int room = Room();
    if (TypedLengthOf(text) > room) {
        // Cut to what fits without splitting a line break.
        int length = 0;
        qsizetype keep = 0;
        for (; keep < text.size(); ++keep) {
            int step = text.at(keep) == QLatin1Char('\n') ? 2 : 1;
            if (length + step > room) {
                break;
            }
            length += step;
        }
        text.truncate(keep);
        QApplication::beep();
    }
    if (!text.isEmpty()) {
        insertPlainText(text);
    }
}
