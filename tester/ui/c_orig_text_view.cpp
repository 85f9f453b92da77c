#include "tester/ui/c_orig_text_view.h"

#include "common/ui/qt_text.h"

COrigTextView::COrigTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("COrigTextView"));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // No text cursor here: the typist's cursor is in the typing view.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The same left margin as the typing view, so that the two texts line up.
    setViewportMargins(kLeftMargin, 0, 0, 0);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void COrigTextView::SetText(std::string_view codePageText) {
    QString text = ToQString(codePageText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(text);
}

std::string COrigTextView::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromQString(text);
}
