#pragma once

#include <QWidget>

/// The assessed text with a mark over every error. Empty until there is an assessment.
class CResultTextView final : public QWidget {
    Q_OBJECT

  public:
    explicit CResultTextView(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
