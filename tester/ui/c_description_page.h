#pragma once

#include <string>
#include <vector>

#include "tester/ui/c_parameter_page.h"

class DescriptionPageModel;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSlider;

/// The Description page (dialog 145) over its model.
class CDescriptionPage final : public CParameterPage {
    Q_OBJECT

  public:
    /// localeNames: the system's locales, whose languages the list offers.
    CDescriptionPage(DescriptionPageModel& model, const std::vector<std::string>& localeNames,
                     QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    DescriptionPageModel& description_;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QComboBox* language_ = nullptr;
    QSlider* level_ = nullptr;
    QLineEdit* levelNumber_ = nullptr;
};
