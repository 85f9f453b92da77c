#pragma once

#include <string>

#include "tutor/course/ui/compressed_picture.h"

/// The pictures of the folder "pictures" itself, read and checked once at start: the welcome
/// picture, the small-window picture behind the note, the silent picture of the settings and
/// the idle picture of the practice panel. They stay compressed; each window decodes what it
/// shows while it shows it.
class ProgramPictures final {
  public:
    static constexpr const char* kWelcomeFile = "wellcome.jpg";
    static constexpr const char* kSmallWindowFile = "SmallWindow.jpg";
    static constexpr const char* kSilentFile = "Silent.jpg";
    static constexpr const char* kIdleScreenFile = "wellcome2.jpg";

    /// picturesFolder ends with "/" (UTF-8).
    explicit ProgramPictures(std::string picturesFolder);

    /// False when any of the four cannot be read or decoded. Decoding problems are not shown
    /// one by one: the program says once that pictures are missing.
    bool Load() { return LoadWelcome() && LoadOthers(); }
    /// The welcome picture alone, which the first window shows: the start does not wait for
    /// the pictures that are needed later.
    bool LoadWelcome();
    /// The other three.
    bool LoadOthers();

    const CompressedPicture& welcome() const { return welcome_; }
    const CompressedPicture& smallWindow() const { return smallWindow_; }
    const CompressedPicture& silent() const { return silent_; }
    const CompressedPicture& idleScreen() const { return idleScreen_; }

  private:
    std::string folder_;
    CompressedPicture welcome_;
    CompressedPicture smallWindow_;
    CompressedPicture silent_;
    CompressedPicture idleScreen_;
};
