#pragma once

#include <QWidget>

#include <vector>

class QLineEdit;
class ResultsDialogModel;

/// The figures page of the results dialog: speed, error rate and characters in read-only
/// fields under their groups. The page takes the focus as a whole; Ctrl+C and its context
/// menu copy every figure as tab-separated lines (group, label, value).
class FiguresPage final : public QWidget {
    Q_OBJECT

  public:
    /// model must outlive the page.
    explicit FiguresPage(const ResultsDialogModel& model, QWidget* parent = nullptr);

    /// The fields in reading order.
    const std::vector<QLineEdit*>& fields() const { return fields_; }
    QString CopyText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void copy();

    const ResultsDialogModel& model_;
    std::vector<QLineEdit*> fields_;
};
