#pragma once

#include <QWidget>

#include "tutor/course/first_time_wizard_model.h"

class QCheckBox;
class QLabel;

/// The third page of the first-time wizard: whether the user knows the correct fingering.
class CFirstTimePage1 final : public QWidget {
    Q_OBJECT

  public:
    explicit CFirstTimePage1(FirstTimeWizardModel& model, QWidget* parent = nullptr);

    void Refresh();

  signals:
    /// The box was clicked: the wizard's buttons change.
    void changed();

  private:
    FirstTimeWizardModel& model_;
    QCheckBox* fingering_;
    QLabel* noExperience_;
    QLabel* notLong_;
};
