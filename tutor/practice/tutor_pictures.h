#pragma once

#include <string>

/// The tutor's JPEG pictures as the program start and the main window load them: the program
/// pictures of the folder "pictures" and the pictures of one appearance, a subfolder of it.
class TutorPictures {
  public:
    /// The appearance every installation has.
    static constexpr const char* kStandardAppearance = "standard";
    /// Shown when pictures are missing.
    static constexpr const char* kMissingPictures =
        "The program cannot find some of the JPG files. The installation might be incomplete. "
        "Please try to install the program again.";

    virtual ~TutorPictures() = default;
    /// The welcome, small-window, silent and idle-screen pictures; false when any is missing.
    virtual bool LoadProgramPictures() = 0;
    /// The eleven pictures of an appearance. Loading the appearance already loaded does
    /// nothing. False when any of them fails; the appearance loaded before then stays.
    virtual bool LoadAppearance(const std::string& name) = 0;
};
