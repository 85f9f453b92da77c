#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>

/// The original text that the typist copies, read-only and scrollable.
class COrigTextView final : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr int kLeftMargin = 25;

    explicit COrigTextView(QWidget* parent = nullptr);

    /// Code-page text whose lines end with CR LF.
    void SetText(std::string_view codePageText);
    /// The shown text as code-page bytes with CR LF line ends.
    std::string Text() const;
};
