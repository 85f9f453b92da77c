#pragma once

#include <QPlainTextEdit>

#include <string>

/// The typing view: the typist's copy of the original text, in a plain multi-line edit with
/// a left margin. It takes at most kMaxLength characters from the keyboard or a paste, a
/// line break counting as the two characters CR LF it becomes in the typed text.
class CUserTextView final : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr int kMaxLength = 10240;
    static constexpr int kLeftMargin = 25;

    explicit CUserTextView(QWidget* parent = nullptr);

    /// The length of the text with every line break counted as CR LF.
    int TypedLength() const;
    /// The text as code-page bytes with CR LF line ends.
    std::string Text() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    /// Room left for new text when the selection is replaced.
    int Room() const;
};
