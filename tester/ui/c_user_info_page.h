#pragma once

#include <string>
#include <vector>

#include "tester/ui/c_parameter_page.h"

class QComboBox;
class QLineEdit;
class UserInfoPageModel;

/// The User Info page (dialog 142) over its model, captioned "User Info" or "Author Info".
/// Leaving the nickname field lets the model bring back a known typist's details.
class CUserInfoPage final : public CParameterPage {
    Q_OBJECT

  public:
    /// localeNames: the system's locales, whose countries the list offers.
    CUserInfoPage(UserInfoPageModel& model, const std::vector<std::string>& localeNames,
                  QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    void NicknameLeft();

    UserInfoPageModel& user_;
    QLineEdit* nickname_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* middleName_ = nullptr;
    QLineEdit* lastName_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* dateOfBirth_ = nullptr;
    QLineEdit* city_ = nullptr;
    QComboBox* country_ = nullptr;
};
