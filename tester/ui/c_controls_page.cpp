#include "tester/ui/c_controls_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/ui/qt_text.h"
#include "tester/controls_page_model.h"
#include "tester/ui/tester_file_dialogs.h"

CControlsPage::CControlsPage(ControlsPageModel& model, TesterFileDialogs& dialogs, QWidget* parent)
    : CParameterPage(model, parent), controls_(model), dialogs_(dialogs) {
    const bool editable = model.editable();

    auto* grid = new QGridLayout;
    timeLimit_ = new QLineEdit(this);
    timeLimit_->setMaxLength(3);
    timeLimit_->setMaximumWidth(
        timeLimit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    timeLimit_->setReadOnly(!editable);
    auto* timeLabel = new QLabel(tr("Time Limit:"), this);
    timeLabel->setBuddy(timeLimit_);
    grid->addWidget(timeLabel, 0, 0);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLimit_);
    timeRow->addWidget(new QLabel(tr("minutes"), this));
    timeRow->addStretch(1);
    grid->addLayout(timeRow, 0, 1, 1, 2);

    fileName_ = new QLineEdit(this);
    fileNameLabel_ = new QLabel(tr("File Name: (Use standard text files)"), this);
    fileNameLabel_->setBuddy(fileName_);
    selectFile_ = new QPushButton(tr("&Select File"), this);
    grid->addWidget(fileNameLabel_, 1, 0, 1, 3);
    grid->addWidget(fileName_, 2, 0, 1, 2);
    grid->addWidget(selectFile_, 2, 2);
    connect(selectFile_, &QPushButton::clicked, this, &CControlsPage::SelectFile);

    fileId_ = new QLineEdit(this);
    fileId_->setReadOnly(true);
    fileIdLabel_ = new QLabel(tr("File ID:"), this);
    fileIdLabel_->setBuddy(fileId_);
    grid->addWidget(fileIdLabel_, 3, 0);
    grid->addWidget(fileId_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* keys = new QGroupBox(this);
    auto* keysLayout = new QVBoxLayout(keys);
    allowBackspace_ = new QCheckBox(tr("&Backspace and Delete"), keys);
    allowArrows_ = new QCheckBox(tr("&Cursor movement keys"), keys);
    allowEnter_ = new QCheckBox(tr("&Enter"), keys);
    allowPause_ = new QCheckBox(tr("F&5 (Pause)"), keys);
    for (QCheckBox* box : {allowBackspace_, allowArrows_, allowEnter_, allowPause_}) {
        keysLayout->addWidget(box);
        box->setEnabled(editable);
    }

    auto* scrolling = new QGroupBox(this);
    auto* scrollingLayout = new QVBoxLayout(scrolling);
    scrolling_[0] = new QRadioButton(tr("&Automatically"), scrolling);
    scrolling_[1] = new QRadioButton(tr("Using &PgUp and PgDown only"), scrolling);
    scrolling_[2] = new QRadioButton(tr("Only downwards using \"&Tab\""), scrolling);
    for (QRadioButton* radio : scrolling_) {
        scrollingLayout->addWidget(radio);
        radio->setEnabled(editable);
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(keys);
    groups->addWidget(scrolling);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(groups);
    layout->addStretch(1);

    // The editable form has no identifier yet; the read-only one has no file to choose.
    fileIdLabel_->setVisible(!editable);
    fileId_->setVisible(!editable);
    fileNameLabel_->setVisible(editable);
    fileName_->setVisible(editable);
    selectFile_->setVisible(editable);

    RegisterField(ControlsPageModel::kTimeLimitField, timeLimit_);
    RegisterField(ControlsPageModel::kFileNameField, fileName_);
    RegisterField(ControlsPageModel::kSelectFileButton, selectFile_);
    RegisterField(ControlsPageModel::kFileIdField, fileId_);
    RegisterField(ControlsPageModel::kAllowBackspaceField, allowBackspace_);
    RegisterField(ControlsPageModel::kAllowArrowsField, allowArrows_);
    RegisterField(ControlsPageModel::kAllowEnterField, allowEnter_);
    RegisterField(ControlsPageModel::kAllowPauseField, allowPause_);
    RegisterField(ControlsPageModel::kAutomaticField, scrolling_[0]);
    RegisterField(ControlsPageModel::kPageKeysField, scrolling_[1]);
    RegisterField(ControlsPageModel::kTabField, scrolling_[2]);
}

void CControlsPage::CopyIn() {
    timeLimit_->setText(QString::fromStdString(controls_.timeLimit));
    fileName_->setText(PathToQString(controls_.fileName));
    fileId_->setText(ToQString(controls_.testId));
    allowBackspace_->setChecked(controls_.allowBackspace);
    allowArrows_->setChecked(controls_.allowArrows);
    allowEnter_->setChecked(controls_.allowEnter);
    allowPause_->setChecked(controls_.allowPause);
    scrolling_[std::clamp(controls_.scrollingType, 0, 2)]->setChecked(true);
}

void CControlsPage::CopyOut() {
    controls_.timeLimit = timeLimit_->text().toStdString();
    controls_.fileName = PathFromQString(fileName_->text());
    controls_.allowBackspace = allowBackspace_->isChecked();
    controls_.allowArrows = allowArrows_->isChecked();
    controls_.allowEnter = allowEnter_->isChecked();
    controls_.allowPause = allowPause_->isChecked();
    for (int i = 0; i < 3; ++i) {
        if (scrolling_[i]->isChecked()) {
            controls_.scrollingType = i;
        }
    }
}

void CControlsPage::SelectFile() {
    if (std::optional<std::string> path = dialogs_.AskOpenFileName(
            this, ControlsPageModel::kTextFileFilter, ControlsPageModel::SelectFileInitialName())) {
        fileName_->setText(PathToQString(*path));
        fileName_->setFocus();
    }
}
