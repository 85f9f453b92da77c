#pragma once

#include <QWidget>

/// The thin strip above the original text that shows how much of the time has gone.
class CStatusView final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHeight = 5;

    explicit CStatusView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(100, kHeight); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};
