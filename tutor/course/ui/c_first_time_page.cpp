#include "tutor/course/ui/c_first_time_page.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tutor/course/first_time_wizard_texts.h"

CFirstTimePage::CFirstTimePage(FirstTimeWizardModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("coursePage"));
    keyboards_ = new QComboBox(this);
    keyboards_->setObjectName(QStringLiteral("keyboards"));
    levels_ = new QComboBox(this);
    levels_->setObjectName(QStringLiteral("levels"));
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* keyboardLabel = new QLabel(ToQString(FirstTimeWizardTexts::kKeyboardLabel), this);
    keyboardLabel->setBuddy(keyboards_);
    auto* levelLabel = new QLabel(ToQString(FirstTimeWizardTexts::kLevelLabel), this);
    levelLabel->setBuddy(levels_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keyboardLabel);
    layout->addWidget(keyboards_);
    layout->addSpacing(10);
    layout->addWidget(levelLabel);
    layout->addWidget(levels_);
    layout->addSpacing(6);
    layout->addWidget(description_, 1);

    connect(keyboards_, &QComboBox::currentIndexChanged, this, &CFirstTimePage::keyboardChosen);
    connect(levels_, &QComboBox::currentIndexChanged, this, &CFirstTimePage::levelChosen);
}

void CFirstTimePage::Refresh() {
    updating_ = true;
    keyboards_->clear();
    for (const KeyboardRecord& record : model_.keyboardEntries()) {
        keyboards_->addItem(ToQString(record.caption));
    }
    keyboards_->setCurrentIndex(model_.selectedKeyboard());
    updating_ = false;
    showLevels();
}

void CFirstTimePage::showLevels() {
    updating_ = true;
    levels_->clear();
    for (const CourseRecord& record : model_.levelEntries()) {
        levels_->addItem(ToQString(record.caption));
    }
    levels_->setCurrentIndex(model_.selectedLevel());
    description_->setText(ToQString(model_.description()));
    updating_ = false;
}

void CFirstTimePage::keyboardChosen(int entry) {
    if (updating_ || entry < 0) {
        return;
    }
    model_.SelectKeyboard(entry);
    showLevels();
}

void CFirstTimePage::levelChosen(int entry) {
    if (updating_ || entry < 0) {
        return;
    }
    model_.SelectLevel(entry);
    description_->setText(ToQString(model_.description()));
}
