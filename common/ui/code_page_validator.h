#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

/// Refuses input holding a character that the program's code page lacks, so an edit keeps
/// what the user typed instead of silently losing characters when the text is stored.
class CodePageValidator final : public QValidator {
    Q_OBJECT

  public:
    explicit CodePageValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    /// Whether every character of text has a byte of its own in the program's code page.
    static bool Fits(const QString& text);
    /// Gives the edit a validator of this kind.
    static void Apply(QLineEdit* edit);
};
