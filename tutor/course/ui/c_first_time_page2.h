#pragma once

#include <QWidget>

#include "tutor/course/first_time_wizard_model.h"

class QTreeWidget;

/// The last page of the first-time wizard: the lesson to be tested on, by the characters it
/// needs and its limits.
class CFirstTimePage2 final : public QWidget {
    Q_OBJECT

  public:
    explicit CFirstTimePage2(FirstTimeWizardModel& model, QWidget* parent = nullptr);

    /// Shows the model's rows (built anew each time the page is entered), none selected.
    void Refresh();

  signals:
    /// A row was chosen: the wizard's buttons change.
    void changed();

  private:
    void rowChosen();

    FirstTimeWizardModel& model_;
    QTreeWidget* lessons_;
    bool updating_ = false;
};
