#pragma once

#include <QWidget>

/// The thin strip above the original text that shows how much of the time has gone, as a bar
/// growing from the left.
class CStatusView final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHeight = 5;

    explicit CStatusView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(100, kHeight); }

    /// 0 to 100; outside a run 0.
    void SetPercent(int percent);
    int percent() const { return percent_; }
    /// The width of the bar for the strip's width.
    int BarWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int percent_ = 0;
};
