#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

/// The appearances of the practice window: subfolders of "pictures", each a set of eleven
/// pictures. Only complete sets are offered.
class AppearanceList final {
  public:
    static constexpr int kPictureCount = 11;
    /// The pictures of an appearance in the order they are loaded.
    static constexpr std::array<std::string_view, kPictureCount> kPictureFiles = {
        "HandsBG.jpg", "StatBG.jpg", "Movie1.jpg", "Movie2.jpg", "Movie3.jpg",    "Movie4.jpg",
        "Movie5.jpg",  "Movie6.jpg", "Movie7.jpg", "Movie8.jpg", "Background.jpg"};
    /// Indices into kPictureFiles.
    static constexpr int kHandsBackground = 0;
    static constexpr int kStatisticsBackground = 1;
    static constexpr int kFirstMovie = 2;
    static constexpr int kBackground = 10;

    /// The appearance every installation has, and the one to fall back to.
    static constexpr std::string_view kStandard = "standard";
    /// Shown when pictures cannot be loaded.
    static constexpr std::string_view kMissingPicturesText =
        "The program cannot find some of the JPG files. The installation might be incomplete. "
        "Please try to install the program again.";

    /// The names of the complete appearances in picturesFolder, sorted. A name holding ":"
    /// is left out: the settings text keeps the name between colons.
    static std::vector<std::string> Collect(const std::string& picturesFolder);
    /// Whether picturesFolder/name holds all eleven pictures as files.
    static bool IsComplete(const std::string& picturesFolder, const std::string& name);
    /// picturesFolder/name/file.
    static std::string PicturePath(const std::string& picturesFolder, const std::string& name,
                                   std::string_view file);
};
