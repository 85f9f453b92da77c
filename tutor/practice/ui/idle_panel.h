#pragma once

#include <QIcon>
#include <QWidget>

/// What the client area of Kelvane's main window shows while no lesson is open: a quiet
/// background with the program's name.
class IdlePanel final : public QWidget {
    Q_OBJECT

  public:
    explicit IdlePanel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QIcon icon_;
};
