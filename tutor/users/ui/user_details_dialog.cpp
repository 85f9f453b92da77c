#include "tutor/users/ui/user_details_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/code_page_validator.h"
#include "common/ui/qt_text.h"
#include "tutor/users/ui/system_countries.h"

namespace {

const char* ObjectName(UserDetailsModel::Field field) {
    switch (field) {
        case UserDetailsModel::Field::FirstName:
            return "firstName";
        case UserDetailsModel::Field::LastName:
            return "lastName";
        case UserDetailsModel::Field::Email:
            return "email";
        case UserDetailsModel::Field::DateOfBirth:
            return "dateOfBirth";
        case UserDetailsModel::Field::City:
            break;
    }
    return "city";
}

}  // namespace

bool UserDetailsDialog::Run(QWidget* parent, UserProfile& profile) {
    UserDetailsModel model(profile, SystemCountryNames());
    UserDetailsDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

UserDetailsDialog::UserDetailsDialog(UserDetailsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("UserDetailsDialog"));
    setWindowTitle(ToQString(UserDetailsModel::kCaption));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);

    auto* name = new QLineEdit(ToQString(model_.name()), this);
    name->setObjectName(QStringLiteral("name"));
    name->setReadOnly(true);
    // Shown to be seen and copied, not a stop on the way through the fields.
    name->setFocusPolicy(Qt::ClickFocus);
    form->addRow(ToQString(UserDetailsModel::kNameLabel), name);

    QWidget* previous = nullptr;
    for (const UserDetailsModel::FieldInfo& info : UserDetailsModel::kFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(ObjectName(info.field)));
        CodePageValidator::Apply(edit);
        // The length first: setText would cut a longer stored detail to the old limit.
        edit->setMaxLength(static_cast<int>(model_.maxLength(info.field)));
        edit->setText(ToQString(model_.text(info.field)));
        edit->setCursorPosition(0);
        form->addRow(ToQString(info.label), edit);
        edits_[info.field] = edit;
        if (previous != nullptr) {
            setTabOrder(previous, edit);
        }
        previous = edit;
    }

    country_ = new QComboBox(this);
    country_->setObjectName(QStringLiteral("country"));
    for (const std::string& country : model_.countries()) {
        country_->addItem(ToQString(country));
    }
    country_->setCurrentIndex(model_.selectedCountry());
    country_->setMaxVisibleItems(20);
    form->addRow(ToQString(UserDetailsModel::kCountryLabel), country_);
    setTabOrder(previous, country_);

    auto* ok = new QPushButton(ToQString(UserDetailsModel::kOkButton), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(ToQString(UserDetailsModel::kCancelButton), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(country_, ok);
    setTabOrder(ok, cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    edits_.at(UserDetailsModel::Field::FirstName)->setFocus();
}

void UserDetailsDialog::accept() {
    for (const auto& [field, edit] : edits_) {
        model_.setText(field, FromQString(edit->text()));
    }
    model_.selectCountry(country_->currentIndex());
    model_.Ok();
    QDialog::accept();
}
