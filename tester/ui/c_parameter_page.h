#pragma once

#include <QWidget>

#include <map>

class ParameterPageModel;

/// One page of a parameter sheet: the controls of a page model. The page copies the model's
/// values into its controls once and back when the sheet asks; it names its controls by the
/// model's field numbers, so the sheet can put the focus on the field a check refused.
/// Editable or read-only is the model's form.
class CParameterPage : public QWidget {
    Q_OBJECT

  public:
    explicit CParameterPage(ParameterPageModel& model, QWidget* parent = nullptr);

    ParameterPageModel& model() const { return model_; }
    /// The model's values into the controls.
    virtual void CopyIn() = 0;
    /// The controls' values into the model.
    virtual void CopyOut() = 0;
    /// The control of a field number, or nothing.
    QWidget* Field(int id) const;

  protected:
    /// Records the control of a field number (its object name becomes the number).
    void RegisterField(int id, QWidget* control);

  private:
    ParameterPageModel& model_;
    std::map<int, QWidget*> fields_;
};
