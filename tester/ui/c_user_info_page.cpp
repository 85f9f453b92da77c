#include "tester/ui/c_user_info_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/ui/qt_text.h"
#include "tester/ui/locale_names.h"
#include "tester/user_info_page_model.h"

CUserInfoPage::CUserInfoPage(UserInfoPageModel& model, const std::vector<std::string>& localeNames,
                             QWidget* parent)
    : CParameterPage(model, parent), user_(model) {
    using M = UserInfoPageModel;
    auto* form = new QFormLayout(this);
    const auto addEdit = [&](const QString& label, int maxLength, int id) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(maxLength);
        edit->setReadOnly(!model.editable());
        form->addRow(label, edit);
        RegisterField(id, edit);
        return edit;
    };
    nickname_ = addEdit(tr("Nickname"), M::kMaxNickname, M::kNicknameField);
    firstName_ = addEdit(tr("First Name"), M::kMaxFirstName, M::kFirstNameField);
    middleName_ = addEdit(tr("Middle Name"), M::kMaxMiddleName, M::kMiddleNameField);
    lastName_ = addEdit(tr("Last Name"), M::kMaxLastName, M::kLastNameField);
    email_ = addEdit(tr("E-Mail Address"), M::kMaxEmail, M::kEmailField);
    dateOfBirth_ = addEdit(tr("Date of Birth"), M::kMaxDateOfBirth, M::kDateOfBirthField);
    city_ = addEdit(tr("City"), M::kMaxCity, M::kCityField);
    country_ = new QComboBox(this);
    country_->addItem(QString());
    country_->addItems(LocaleNames::Countries(localeNames));
    country_->setEnabled(model.editable());
    form->addRow(tr("Country"), country_);
    RegisterField(M::kCountryField, country_);

    connect(nickname_, &QLineEdit::editingFinished, this, &CUserInfoPage::NicknameLeft);
}

void CUserInfoPage::CopyIn() {
    const UserDetails& d = user_.details;
    nickname_->setText(ToQString(d.nickname));
    firstName_->setText(ToQString(d.firstName));
    middleName_->setText(ToQString(d.middleName));
    lastName_->setText(ToQString(d.lastName));
    email_->setText(ToQString(d.email));
    dateOfBirth_->setText(ToQString(d.dateOfBirth));
    city_->setText(ToQString(d.city));
    const QString country = ToQString(d.country);
    int index = country_->findText(country);
    if (index < 0) {
        // A country this system does not list stays what it is.
        country_->addItem(country);
        index = country_->count() - 1;
    }
    country_->setCurrentIndex(index);
}

void CUserInfoPage::CopyOut() {
    UserDetails& d = user_.details;
    d.nickname = FromQString(nickname_->text());
    d.firstName = FromQString(firstName_->text());
    d.middleName = FromQString(middleName_->text());
    d.lastName = FromQString(lastName_->text());
    d.email = FromQString(email_->text());
    d.dateOfBirth = FromQString(dateOfBirth_->text());
    d.city = FromQString(city_->text());
    d.country = FromQString(country_->currentText());
}

void CUserInfoPage::NicknameLeft() {
    if (!user_.editable()) {
        return;
    }
    CopyOut();
    user_.NicknameLeft(user_.details.nickname);
    CopyIn();
}
