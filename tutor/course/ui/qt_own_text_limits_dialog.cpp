#include "tutor/course/ui/qt_own_text_limits_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/code_page_validator.h"
#include "common/ui/qt_text.h"

QtOwnTextLimitsDialog::QtOwnTextLimitsDialog(MessageSink& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("QtOwnTextLimitsDialog"));
    setWindowTitle(ToQString(OwnTextLimits::kCaption));

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    auto addRow = [this, grid](int row, std::string_view label, std::string_view unit,
                               const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignRight);
        CodePageValidator::Apply(edit);
        auto* labelWidget = new QLabel(ToQString(label), this);
        labelWidget->setBuddy(edit);
        grid->addWidget(labelWidget, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(ToQString(unit), this), row, 2);
        return edit;
    };
    speed_ = addRow(0, OwnTextLimits::kSpeedLabel, OwnTextLimits::kSpeedUnit, "speed");
    error_ = addRow(1, OwnTextLimits::kErrorLabel, OwnTextLimits::kErrorUnit, "error");
    minutes_ = addRow(2, OwnTextLimits::kTimeLabel, OwnTextLimits::kTimeUnit, "minutes");

    auto* ok = new QPushButton(ToQString(OwnTextLimits::kOkButton), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* back = new QPushButton(ToQString(OwnTextLimits::kBackButton), this);
    back->setObjectName(QStringLiteral("back"));
    connect(ok, &QPushButton::clicked, this, &QtOwnTextLimitsDialog::accept);
    connect(back, &QPushButton::clicked, this, &QtOwnTextLimitsDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(speed_, error_);
    setTabOrder(error_, minutes_);
    setTabOrder(minutes_, ok);
    setTabOrder(ok, back);
}

QLineEdit* QtOwnTextLimitsDialog::Edit(OwnTextLimits::Field field) const {
    switch (field) {
        case OwnTextLimits::Field::SpeedLimit:
            return speed_;
        case OwnTextLimits::Field::ErrorLimit:
            return error_;
        case OwnTextLimits::Field::TimeLimit:
            break;
    }
    return minutes_;
}

bool QtOwnTextLimitsDialog::Run(OwnTextLimits& limits) {
    limits_ = &limits;
    speed_->setText(ToQString(limits.SpeedText()));
    error_->setText(ToQString(limits.ErrorText()));
    minutes_->setText(ToQString(limits.MinutesText()));
    speed_->setFocus();
    speed_->selectAll();
    const bool ok = exec() == QDialog::Accepted;
    limits_ = nullptr;
    return ok;
}

void QtOwnTextLimitsDialog::accept() {
    if (limits_ == nullptr) {
        return;
    }
    if (auto problem =
            limits_->TakeEntries(FromQString(speed_->text()), FromQString(error_->text()),
                                 FromQString(minutes_->text()))) {
        messages_.ShowMessage(kKelvaneName, problem->message, MessageSink::Icon::Warning);
        QLineEdit* edit = Edit(problem->field);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}
