#pragma once

#include "tester/ui/c_parameter_page.h"

class CalculationRulesPageModel;
class QComboBox;

/// The Calculation Rules page (dialog 144) over its model.
class CCalculationRulesPage final : public CParameterPage {
    Q_OBJECT

  public:
    explicit CCalculationRulesPage(CalculationRulesPageModel& model, QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    CalculationRulesPageModel& rules_;
    QComboBox* points_ = nullptr;
};
