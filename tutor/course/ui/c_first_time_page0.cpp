#include "tutor/course/ui/c_first_time_page0.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tutor/course/first_time_wizard_texts.h"

CFirstTimePage0::CFirstTimePage0(FirstTimeWizardModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("startPage"));
    auto* text = new QLabel(ToQString(FirstTimeWizardTexts::kStartText), this);
    text->setWordWrap(true);
    qualify_ = new QCheckBox(ToQString(FirstTimeWizardTexts::kQualifyBox), this);
    qualify_->setObjectName(QStringLiteral("qualify"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(12);
    layout->addWidget(qualify_);
    layout->addStretch(1);

    connect(qualify_, &QCheckBox::toggled, this, [this](bool ticked) {
        model_.SetQualifyTicked(ticked);
        emit changed();
    });
}

void CFirstTimePage0::Refresh() {
    const QSignalBlocker blocker(qualify_);
    qualify_->setChecked(model_.qualifyTicked());
}
