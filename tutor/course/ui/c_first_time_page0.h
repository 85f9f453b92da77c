#pragma once

#include <QWidget>

#include "tutor/course/first_time_wizard_model.h"

class QCheckBox;

/// The second page of the first-time wizard: start with the first lesson, or qualify for an
/// advanced one.
class CFirstTimePage0 final : public QWidget {
    Q_OBJECT

  public:
    explicit CFirstTimePage0(FirstTimeWizardModel& model, QWidget* parent = nullptr);

    void Refresh();

  signals:
    /// The box was clicked: the wizard's buttons change.
    void changed();

  private:
    FirstTimeWizardModel& model_;
    QCheckBox* qualify_;
};
