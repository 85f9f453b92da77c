#include "tutor/users/ui/info_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/qt_message_sink.h"

InfoBox::InfoBox(const std::string& text, Form form, bool repeatCheckBox, QWidget* parent)
    : QDialog(parent),
      text_(new QLabel(QtMessageSink::DisplayText(text), this)),
      yes_(new QPushButton(tr("Yes"), this)),
      no_(new QPushButton(tr("No"), this)),
      ok_(new QPushButton(tr("OK"), this)),
      repeat_(new QCheckBox(tr(kRepeatPresentation), this)) {
    setWindowTitle(tr(kCaption));
    setObjectName(QStringLiteral("InfoBox"));
    text_->setObjectName(QStringLiteral("text"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setMinimumWidth(360);
    yes_->setObjectName(QStringLiteral("yes"));
    no_->setObjectName(QStringLiteral("no"));
    ok_->setObjectName(QStringLiteral("ok"));
    repeat_->setObjectName(QStringLiteral("repeat"));

    const bool question = form == Form::Question;
    yes_->setVisible(question);
    no_->setVisible(question);
    ok_->setVisible(!question);
    repeat_->setVisible(repeatCheckBox);
    repeat_->setChecked(true);
    // Enter answers with the first button; Escape is No or closes the notice.
    (question ? yes_ : ok_)->setDefault(true);

    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(repeat_);
    buttons->addStretch(1);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

bool InfoBox::repeatChecked() const {
    return repeat_->isHidden() || repeat_->isChecked();
}

void InfoBox::ShowNotice(const std::string& text, QWidget* parent) {
    InfoBox box(text, Form::Notice, false, parent);
    box.exec();
}

bool InfoBox::AskYesNo(const std::string& text, QWidget* parent) {
    InfoBox box(text, Form::Question, false, parent);
    return box.exec() == QDialog::Accepted;
}
