#pragma once

#include <QPlainTextEdit>

#include <cstdint>
#include <string>
#include <string_view>

#include "tester/key_filter.h"

class TypingRun;

/// The typing view: the typist's copy of the original text. Every key goes through the run's
/// key filter and is carried out here by ApplyMessage, never by the edit's own editing: clicks,
/// the context menu, selection, copy, cut, paste (by keys, the middle button or dragging),
/// undo and word deletion do nothing, so the text holds exactly what the logged keys made.
/// The text holds at most KeyFilter::kMaxTypedLength characters, a line break counting 2.
class CUserTextView final : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr int kMaxLength = KeyFilter::kMaxTypedLength;
    static constexpr int kLeftMargin = 25;

    explicit CUserTextView(QWidget* parent = nullptr);

    /// The run that decides about the keys; without one the view takes no typing.
    void SetRun(TypingRun* run) { run_ = run; }

    /// The length of the text with every line break counted as CR LF.
    int TypedLength() const;
    /// The text as code-page bytes with CR LF line ends.
    std::string Text() const;
    /// Shows code-page text (CR LF line ends) with the caret at its end.
    void SetText(std::string_view codePageText);
    void SetColors(const QColor& text, const QColor& background);

    /// Carries out one key message on the text as typing does: a character message (258)
    /// types its code-page byte, 8 takes back the character before the caret (a line break as
    /// one), 13 starts a new line; a key-down message (256) of Left, Right, Up, Down, Home or
    /// End moves the caret, of Delete removes the character after it. Everything else changes
    /// nothing. The re-play hands the logged messages to this one by one.
    void ApplyMessage(int message, std::int32_t wParam, std::int32_t lParam);

  signals:
    /// PgUp or PgDn (or Tab when scrolling only downwards by Tab) asks the original view to
    /// scroll.
    void scrollRequested(ScrollRequest direction);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void HandleKey(QKeyEvent* event);
    template <class Outcomes>
    void CarryOut(const Outcomes& outcomes);

    TypingRun* run_ = nullptr;
};
