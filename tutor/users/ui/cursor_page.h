#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;
class QTimer;
class SettingsDialogModel;

/// The "Cursor" page of the settings: the cursor shape and whether it blinks, with a preview
/// that blinks as the practice cursor will.
class CursorPage final : public QWidget {
    Q_OBJECT

  public:
    /// model must outlive the page.
    explicit CursorPage(SettingsDialogModel& model, QWidget* parent = nullptr);

    QRadioButton* shapeButton(int shape) const {
        return shapes_.at(static_cast<std::size_t>(shape));
    }
    QCheckBox* blinkBox() const { return blink_; }
    QLabel* preview() const { return preview_; }
    QTimer* blinkTimer() const { return timer_; }

  private:
    void showPreview();

    SettingsDialogModel& model_;
    std::array<QRadioButton*, 3> shapes_{};
    QCheckBox* blink_;
    QLabel* preview_;
    QTimer* timer_;
};
