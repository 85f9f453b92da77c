#pragma once

#include <QDialog>
#include <QSize>

/// A dialog that the user may enlarge but never make smaller than it first opened, with a
/// size grip in its lower right corner. Dialogs without a layout move their anchored
/// controls themselves in MoveAnchoredControls.
class ResizableDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ResizableDialog(QWidget* parent = nullptr);

  protected:
    /// Called after every change to a normal (neither minimised nor maximised) size except
    /// the first, with the change of width and height since the last one.
    virtual void MoveAnchoredControls(int deltaWidth, int deltaHeight);

    /// Helpers for MoveAnchoredControls: keep a control at the right or bottom edge, or let
    /// it grow with the dialog.
    static void MoveBy(QWidget* control, int dx, int dy);
    static void GrowBy(QWidget* control, int dw, int dh);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool minimumTaken_ = false;
    QSize lastSize_{-1, -1};
};
