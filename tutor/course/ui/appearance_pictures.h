#pragma once

#include <QImage>

#include <array>
#include <string>

#include "tutor/course/appearance_list.h"
#include "tutor/course/ui/compressed_picture.h"

class MessageSink;

/// The eleven pictures of the loaded appearance: the hands and statistics backgrounds, the
/// eight animation pictures and the background of the copy text. One object serves the
/// program: the welcome window loads "standard" into it, the practice window the user's choice.
/// The pictures are kept compressed and decoded for each use (the practice window scales them
/// once per layout).
class AppearancePictures final {
  public:
    /// picturesFolder: the program's "pictures" folder. messages: where the picture loader
    /// and the fall-back say what went wrong. Both must outlive the object.
    AppearancePictures(std::string picturesFolder, MessageSink& messages);

    /// Loads the pictures of appearance in their order; the one already loaded is not loaded
    /// again. All or nothing: when one picture cannot be loaded (the loader says why) the
    /// pictures loaded before stay and the result is false.
    bool Load(const std::string& appearance);
    /// Loads appearance; when it cannot be loaded, says that JPG files are missing and loads
    /// "standard" instead. False only when no appearance is loaded at all afterwards: the
    /// program cannot show its practice window and must end.
    bool LoadOrStandard(const std::string& appearance);

    /// The name of the loaded appearance, empty when none is.
    const std::string& loaded() const { return loaded_; }
    bool IsLoaded() const { return !loaded_.empty(); }
    /// Counts the loads that changed the pictures, so that views scale them again.
    int generation() const { return generation_; }

    /// The decoded picture; null while no appearance is loaded.
    QImage picture(int index) const {
        return pictures_.at(static_cast<std::size_t>(index)).Decode();
    }
    QSize pictureSize(int index) const {
        return pictures_.at(static_cast<std::size_t>(index)).size();
    }
    QImage handsBackground() const { return picture(AppearanceList::kHandsBackground); }
    QImage statisticsBackground() const { return picture(AppearanceList::kStatisticsBackground); }
    QImage background() const { return picture(AppearanceList::kBackground); }
    /// Animation picture 0 to 7 ("Movie1.jpg" to "Movie8.jpg").
    QImage movie(int index) const { return picture(AppearanceList::kFirstMovie + index); }

  private:
    std::string picturesFolder_;
    MessageSink& messages_;
    std::string loaded_;
    int generation_ = 0;
    std::array<CompressedPicture, AppearanceList::kPictureCount> pictures_;
};
