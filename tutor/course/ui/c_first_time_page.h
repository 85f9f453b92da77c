#pragma once

#include <QWidget>

#include "tutor/course/first_time_wizard_model.h"

class QComboBox;
class QLabel;

/// The first page of the first-time wizard: the keyboard type, the level of difficulty and
/// the level's description.
class CFirstTimePage final : public QWidget {
    Q_OBJECT

  public:
    explicit CFirstTimePage(FirstTimeWizardModel& model, QWidget* parent = nullptr);

    /// Shows the keyboard types and levels the model offers now.
    void Refresh();

  private:
    void keyboardChosen(int entry);
    void levelChosen(int entry);
    void showLevels();

    FirstTimeWizardModel& model_;
    QComboBox* keyboards_;
    QComboBox* levels_;
    QLabel* description_;
    bool updating_ = false;
};
