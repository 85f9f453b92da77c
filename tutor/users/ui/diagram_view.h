#pragma once

#include <QWidget>

class Diagram;

/// One diagram of the results dialog. Its context menu and Ctrl+C copy the points as
/// tab-separated text; "Save Picture..." asks the dialog to save it as a picture.
class DiagramView final : public QWidget {
    Q_OBJECT

  public:
    /// diagram must outlive the view.
    explicit DiagramView(const Diagram& diagram, QWidget* parent = nullptr);

    const Diagram& diagram() const { return diagram_; }
    /// The diagram as the view shows it, at the screen's device pixel ratio.
    QImage Picture() const;
    /// The points as text for the clipboard.
    QString CopyText() const;

  signals:
    void savePictureRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void copy();

    const Diagram& diagram_;
};
