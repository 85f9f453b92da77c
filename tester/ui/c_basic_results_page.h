#pragma once

#include "tester/ui/c_parameter_page.h"

class BasicResultsPageModel;
class QComboBox;
class QLineEdit;

/// The Basic Results page (dialog 143) over its model: the figures read-only, and the unit
/// list, whose choice computes them again at once.
class CBasicResultsPage final : public CParameterPage {
    Q_OBJECT

  public:
    explicit CBasicResultsPage(BasicResultsPageModel& model, QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override {}

  private:
    QLineEdit* AddField(int id);

    BasicResultsPageModel& results_;
    QLineEdit* totalTime_ = nullptr;
    QLineEdit* grossStrokes_ = nullptr;
    QLineEdit* netSpeed_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* errorRate_ = nullptr;
    QLineEdit* errors_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* timeEnded_ = nullptr;
};
