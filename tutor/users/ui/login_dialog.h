#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "tutor/users/login_dialog_model.h"

class MessageSink;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

/// How the login ended.
struct LoginOutcome {
    /// False: the user left with Exit and the program ends.
    bool loggedIn = false;
    /// The user was registered just now: the caller resets the settings and runs the
    /// first-time course choice.
    bool newUser = false;
};

/// The dialog "Identify yourself" over a LoginDialogModel: name, password and the repeated
/// password of a new user, the list of known users, the login picture and the switch to the
/// users on the diskette folder.
class LoginDialog final : public QDialog {
    Q_OBJECT

  public:
    /// Runs the dialog modally over parent (none at program start). The model's profile,
    /// messages and prompts serve the rules; messages also reports a missing picture.
    static LoginOutcome Run(QWidget* parent, LoginDialogModel& model, MessageSink& messages);

    LoginDialog(LoginDialogModel& model, MessageSink& messages, QWidget* parent = nullptr);

    LoginOutcome outcome() const;

  public slots:
    /// Exit, Escape and the close box: asks first.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void okClicked();
    void disketteClicked();
    void entrySelected(int row);
    void nameLeft();
    void showModel();
    void applyFocus();
    QString disketteButtonText() const;

    LoginDialogModel& model_;
    QLabel* picture_;
    QLineEdit* nameEdit_;
    QLineEdit* passwordEdit_;
    QLabel* repeatLabel_;
    QLineEdit* repeatEdit_;
    QListWidget* users_;
    QPushButton* diskette_;
    QPushButton* ok_;
    QPushButton* exit_;

    std::vector<std::string> shownEntries_;
    /// While the model speaks (a message or question is open), clicks that arrive are not
    /// acted on: a button's delayed click must not start OK a second time.
    bool busy_ = false;
    /// The dialog is closing: leaving the name edit shows nothing any more.
    bool closing_ = false;
    bool updating_ = false;
};
