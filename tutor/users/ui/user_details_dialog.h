#pragma once

#include <QDialog>

#include <map>

#include "tutor/users/user_details_model.h"

class QComboBox;
class QLineEdit;

/// The dialog "Detailed information": the user's nickname and personal details, and the
/// country chosen from the system's countries.
class UserDetailsDialog final : public QDialog {
    Q_OBJECT

  public:
    /// Runs the dialog modally over parent for the profile's user; true when OK stored the
    /// details (the profile is then modified).
    static bool Run(QWidget* parent, UserProfile& profile);

    explicit UserDetailsDialog(UserDetailsModel& model, QWidget* parent = nullptr);

  public slots:
    void accept() override;

  private:
    UserDetailsModel& model_;
    std::map<UserDetailsModel::Field, QLineEdit*> edits_;
    QComboBox* country_;
};
