#include "tester/ui/c_user_text_view.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include "common/code_page.h"
#include "common/ui/qt_text.h"
#include "tester/key_message.h"
#include "tester/typing_run.h"
#include "tester/ui/text_view_margin.h"

// The run takes Qt's key numbers as plain numbers: they must be Qt's.
static_assert(KeyCode::kLeft == Qt::Key_Left && KeyCode::kPageDown == Qt::Key_PageDown &&
              KeyCode::kBackspace == Qt::Key_Backspace && KeyCode::kEnter == Qt::Key_Enter &&
              KeyCode::kBacktab == Qt::Key_Backtab && KeyCode::kF1 == Qt::Key_F1 &&
              KeyCode::kF12 == Qt::Key_F12 && KeyCode::kAltGr == Qt::Key_AltGr &&
              KeyCode::kDelete == Qt::Key_Delete && KeyCode::kHome == Qt::Key_Home);
static_assert(KeyCode::kShiftModifier == Qt::ShiftModifier &&
              KeyCode::kControlModifier == Qt::ControlModifier &&
              KeyCode::kAltModifier == Qt::AltModifier &&
              KeyCode::kKeypadModifier == Qt::KeypadModifier &&
              KeyCode::kGroupSwitchModifier == Qt::GroupSwitchModifier);

CUserTextView::CUserTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("CUserTextView"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    // The margin belongs to the widget, not to the viewport: paint it like the text area.
    setViewportMargins(kLeftMargin, 0, 0, 0);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

int CUserTextView::TypedLength() const {
    // Every block but the last ends with a line break, which is CR LF in the typed text; the
    // document counts it once and adds one separator at its very end.
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

std::string CUserTextView::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromQString(text);
}

void CUserTextView::SetText(std::string_view codePageText) {
    QString text = ToQString(codePageText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

void CUserTextView::SetColors(const QColor& text, const QColor& background) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
}

void CUserTextView::ApplyMessage(int message, std::int32_t wParam, std::int32_t /*lParam*/) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    if (message == KeystrokeRecord::kChar) {
        switch (wParam) {
            case 8:
                cursor.deletePreviousChar();
                break;
            case 13:
                cursor.insertText(QStringLiteral("\n"));
                break;
            default:
                if (wParam >= 0x20 && wParam <= 0xFF) {
                    cursor.insertText(QString(QChar(static_cast<char16_t>(
                        CodePage::Program().CodePoint(static_cast<unsigned char>(wParam))))));
                }
                break;
        }
    } else if (message == KeystrokeRecord::kKeyDown) {
        switch (wParam) {
            case VirtualKey::kLeft:
                cursor.movePosition(QTextCursor::PreviousCharacter);
                break;
            case VirtualKey::kRight:
                cursor.movePosition(QTextCursor::NextCharacter);
                break;
            case VirtualKey::kUp:
                cursor.movePosition(QTextCursor::Up);
                break;
            case VirtualKey::kDown:
                cursor.movePosition(QTextCursor::Down);
                break;
            case VirtualKey::kHome:
                cursor.movePosition(QTextCursor::StartOfLine);
                break;
            case VirtualKey::kEnd:
                cursor.movePosition(QTextCursor::EndOfLine);
                break;
            case VirtualKey::kDelete:
                cursor.deleteChar();
                break;
            default:
                return;
        }
    } else {
        return;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

template <class Outcomes>
void CUserTextView::CarryOut(const Outcomes& outcomes) {
    for (const TypingRun::KeyOutcome& outcome : outcomes) {
        if (outcome.verdict.beep) {
            QApplication::beep();
        }
        if (outcome.verdict.scroll != ScrollRequest::None) {
            emit scrollRequested(outcome.verdict.scroll);
        }
        if (outcome.verdict.action == KeyAction::Pass) {
            ApplyMessage(outcome.message.message, outcome.message.wParam, outcome.message.lParam);
        }
    }
}

void CUserTextView::HandleKey(QKeyEvent* event) {
    event->accept();
    if (run_ == nullptr) {
        return;
    }
    KeyEvent key;
    key.key = event->key();
    key.modifiers = static_cast<int>(event->modifiers().toInt());
    key.release = event->type() == QEvent::KeyRelease;
    key.autoRepeat = event->isAutoRepeat();
    const QList<uint> text = event->text().toUcs4();
    key.text.assign(text.begin(), text.end());
    key.nativeScanCode = event->nativeScanCode();
    CarryOut(run_->OnKeyEvent(key, TypedLength()));
}

bool CUserTextView::event(QEvent* event) {
    // Tab and Shift+Tab are keys of the typing, not a way to another window.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        PaintTextViewMargin(*this, kLeftMargin);
    }
    return handled;
}

void CUserTextView::keyPressEvent(QKeyEvent* event) {
    HandleKey(event);
}

void CUserTextView::keyReleaseEvent(QKeyEvent* event) {
    HandleKey(event);
}

void CUserTextView::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    // A composition in progress shows nothing; what it commits is typed like keys.
    if (run_ == nullptr || event->commitString().isEmpty()) {
        return;
    }
    const QList<uint> text = event->commitString().toUcs4();
    CarryOut(run_->OnCommit(std::u32string(text.begin(), text.end()), TypedLength()));
}

void CUserTextView::mousePressEvent(QMouseEvent* event) {
    // A click only takes the focus; the caret stays where the keys put it.
    event->accept();
    setFocus(Qt::MouseFocusReason);
}

void CUserTextView::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button would paste the selection.
    event->accept();
}

void CUserTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CUserTextView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CUserTextView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void CUserTextView::dragEnterEvent(QDragEnterEvent* event) {
    event->ignore();
}

void CUserTextView::dragMoveEvent(QDragMoveEvent* event) {
    event->ignore();
}

void CUserTextView::dropEvent(QDropEvent* event) {
    event->ignore();
}

bool CUserTextView::canInsertFromMimeData(const QMimeData* /*source*/) const {
    return false;
}

void CUserTextView::insertFromMimeData(const QMimeData* /*source*/) {
    // Text that arrived without a logged key would be assessed but never re-played.
}
