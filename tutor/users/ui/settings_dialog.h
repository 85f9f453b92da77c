#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "tutor/users/settings_dialog_model.h"

class CursorPage;
class MetronomePage;
class QPushButton;
class QTabWidget;
class SoundFeedback;
class SoundTestPlayer;
class SoundsPage;
struct TutorSettings;

/// "Settings": six pages over a copy of the user's settings (cursor, sounds, editor,
/// metronome, appearance, error handling). OK hands the copy back; Cancel drops it.
class SettingsDialog final : public QDialog {
    Q_OBJECT

  public:
    /// What the dialog needs besides the settings. The sound feedback is the program's, on
    /// its audio output; it must live until the end of the program, as a sound test may still
    /// play after the dialog has closed.
    struct Services {
        SoundFeedback& sounds;
        /// The appearances the program offers.
        std::vector<std::string> appearanceNames;
        /// The program's "pictures" folder, ending with "/".
        std::string picturesFolder;
    };

    /// Edits settings. True for OK, settings then holding the user's choices (the MIDI fields
    /// stay as they were); false for Cancel, settings unchanged.
    static bool Edit(TutorSettings& settings, const Services& services, QWidget* parent);

    SettingsDialog(const TutorSettings& settings, const Services& services,
                   QWidget* parent = nullptr);
    ~SettingsDialog() override;

    /// The settings as the controls have them now.
    const TutorSettings& edited() const { return model_.settings(); }

    QTabWidget* tabs() const { return tabs_; }
    CursorPage* cursorPage() const { return cursor_; }
    SoundsPage* soundsPage() const { return sounds_; }
    MetronomePage* metronomePage() const { return metronome_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QWidget* editorPage(const std::string& picturesFolder);
    QWidget* appearancePage();
    QWidget* errorsPage();

    SettingsDialogModel model_;
    SoundTestPlayer* player_;
    QTabWidget* tabs_;
    CursorPage* cursor_;
    SoundsPage* sounds_;
    MetronomePage* metronome_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
