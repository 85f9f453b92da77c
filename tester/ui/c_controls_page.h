#pragma once

#include "tester/ui/c_parameter_page.h"

class ControlsPageModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TesterFileDialogs;

/// The Controls page (dialog 137) over its model.
class CControlsPage final : public CParameterPage {
    Q_OBJECT

  public:
    CControlsPage(ControlsPageModel& model, TesterFileDialogs& dialogs, QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    void SelectFile();

    ControlsPageModel& controls_;
    TesterFileDialogs& dialogs_;
    QLineEdit* timeLimit_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QPushButton* selectFile_ = nullptr;
    QLabel* fileIdLabel_ = nullptr;
    QLineEdit* fileId_ = nullptr;
    QCheckBox* allowBackspace_ = nullptr;
    QCheckBox* allowArrows_ = nullptr;
    QCheckBox* allowEnter_ = nullptr;
    QCheckBox* allowPause_ = nullptr;
    QRadioButton* scrolling_[3] = {};
};
