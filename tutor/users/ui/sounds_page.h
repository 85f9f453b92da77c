#pragma once

#include <QPixmap>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class SettingsDialogModel;
class SoundTestPlayer;

/// The "Sounds" page of the settings: the WAV sets, the speaker sounds and silence on tabs of
/// their own, each with its label; "&Test" plays the chosen sound's test and waits for its
/// end before it can be pressed again.
class SoundsPage final : public QWidget {
    Q_OBJECT

  public:
    /// silencePictures: the pictures of the silence tab. model and player must outlive the
    /// page.
    SoundsPage(SettingsDialogModel& model, SoundTestPlayer& player,
               const std::vector<QPixmap>& silencePictures, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QTabWidget* soundTabs() const { return tabs_; }
    QComboBox* wavList() const { return wavList_; }
    QComboBox* speakerList() const { return speakerList_; }
    QPushButton* wavTest() const { return wavTest_; }
    QPushButton* speakerTest() const { return speakerTest_; }

  private:
    void showTab(int index);
    void test();
    void testEnded();
    void syncTestButtons();

    SettingsDialogModel& model_;
    SoundTestPlayer& player_;
    QLabel* label_;
    QTabWidget* tabs_;
    QComboBox* wavList_;
    QComboBox* speakerList_;
    QPushButton* wavTest_;
    QPushButton* speakerTest_;
    QPushButton* focusAfterTest_ = nullptr;
};
