#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

/// The tutor's "Info" window: a text with OK, or a question with Yes and No, and under a
/// notice the check box "Repeat presentation?" when the caller binds a flag to it.
class InfoBox final : public QDialog {
    Q_OBJECT

  public:
    enum class Form { Notice, Question };

    static constexpr const char* kCaption = "Info";
    static constexpr const char* kRepeatPresentation = "Repeat presentation?";

    /// text is code-page bytes, its lines broken by CR LF. With repeatCheckBox the check box
    /// shows, checked.
    InfoBox(const std::string& text, Form form, bool repeatCheckBox, QWidget* parent = nullptr);

    /// A notice: returns when it is closed.
    static void ShowNotice(const std::string& text, QWidget* parent);
    /// A question: true for Yes; No, Escape and the close box are No.
    static bool AskYesNo(const std::string& text, QWidget* parent);

    /// Whether the check box was checked when the window closed (true when it was not shown).
    bool repeatChecked() const;

    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }
    QCheckBox* repeatBox() const { return repeat_; }
    QLabel* textLabel() const { return text_; }

  private:
    QLabel* text_;
    QPushButton* yes_;
    QPushButton* no_;
    QPushButton* ok_;
    QCheckBox* repeat_;
};
