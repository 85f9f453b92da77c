#include "tutor/course/ui/c_first_time_page1.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tutor/course/first_time_wizard_texts.h"

CFirstTimePage1::CFirstTimePage1(FirstTimeWizardModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("fingeringPage"));
    auto* text = new QLabel(ToQString(FirstTimeWizardTexts::kFingeringText), this);
    text->setWordWrap(true);
    fingering_ = new QCheckBox(ToQString(FirstTimeWizardTexts::kFingeringBox), this);
    fingering_->setObjectName(QStringLiteral("fingering"));
    noExperience_ = new QLabel(ToQString(FirstTimeWizardTexts::kNoExperienceHint), this);
    noExperience_->setObjectName(QStringLiteral("noExperience"));
    noExperience_->setWordWrap(true);
    notLong_ = new QLabel(ToQString(FirstTimeWizardTexts::kNotLongHint), this);
    notLong_->setObjectName(QStringLiteral("notLong"));
    // Hidden hints keep their place, so the page does not jump when they appear.
    for (QLabel* hint : {noExperience_, notLong_}) {
        QSizePolicy policy = hint->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        hint->setSizePolicy(policy);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(12);
    layout->addWidget(fingering_);
    layout->addSpacing(12);
    layout->addWidget(noExperience_);
    layout->addWidget(notLong_);
    layout->addStretch(1);

    connect(fingering_, &QCheckBox::toggled, this, [this](bool ticked) {
        model_.SetFingeringTicked(ticked);
        Refresh();
        emit changed();
    });
}

void CFirstTimePage1::Refresh() {
    {
        const QSignalBlocker blocker(fingering_);
        fingering_->setChecked(model_.fingeringTicked());
    }
    noExperience_->setVisible(model_.FingeringHintsVisible());
    notLong_->setVisible(model_.FingeringHintsVisible());
}
