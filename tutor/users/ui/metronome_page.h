#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class SettingsDialogModel;
class SoundTestPlayer;

/// The "Metronome" page of the settings: line and sound, and the rate on a slider. While the
/// page shows and the metronome is on, it beats as it will in practice: the note through the
/// sound player, and the grey line near the bottom of the page, painted for 30 ms and then
/// painted away.
class MetronomePage final : public QWidget {
    Q_OBJECT

  public:
    /// model and player must outlive the page.
    MetronomePage(SettingsDialogModel& model, SoundTestPlayer& player, QWidget* parent = nullptr);

    QCheckBox* lineBox() const { return line_; }
    QCheckBox* soundBox() const { return sound_; }
    QLineEdit* rateField() const { return rate_; }
    QSlider* rateSlider() const { return slider_; }
    QTimer* testTimer() const { return beat_; }
    /// Whether the test line is painted now.
    bool testLineShown() const { return lineShown_; }
    /// One beat of the test, as the timer gives it.
    void beat();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void restartTest();
    void hideLine();
    QRect lineRect() const;

    SettingsDialogModel& model_;
    SoundTestPlayer& player_;
    QCheckBox* line_;
    QCheckBox* sound_;
    QLineEdit* rate_;
    QSlider* slider_;
    QTimer* beat_;
    QTimer* lineOff_;
    bool lineShown_ = false;
    /// The right end of the line painted, kept until it is painted away.
    int lineRight_ = 0;
};
