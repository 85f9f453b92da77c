#pragma once

#include <QImage>

#include <string>

/// The pictures of the folder "pictures" itself, loaded once at start: the welcome picture,
/// the small-window picture behind the note, the silent picture of the settings and the idle
/// picture of the practice panel.
class ProgramPictures final {
  public:
    static constexpr const char* kWelcomeFile = "wellcome.jpg";
    static constexpr const char* kSmallWindowFile = "SmallWindow.jpg";
    static constexpr const char* kSilentFile = "Silent.jpg";
    static constexpr const char* kIdleScreenFile = "wellcome2.jpg";

    /// picturesFolder ends with "/" (UTF-8).
    explicit ProgramPictures(std::string picturesFolder);

    /// False when any of the four cannot be loaded. Decoding problems are not shown one by
    /// one: the program says once that pictures are missing.
    bool Load();

    const QImage& welcome() const { return welcome_; }
    const QImage& smallWindow() const { return smallWindow_; }
    const QImage& silent() const { return silent_; }
    const QImage& idleScreen() const { return idleScreen_; }

  private:
    std::string folder_;
    QImage welcome_;
    QImage smallWindow_;
    QImage silent_;
    QImage idleScreen_;
};
