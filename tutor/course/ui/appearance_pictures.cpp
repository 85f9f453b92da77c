#include "tutor/course/ui/appearance_pictures.h"

#include "common/message_sink.h"
#include "common/product_version.h"

AppearancePictures::AppearancePictures(std::string picturesFolder, MessageSink& messages)
    : picturesFolder_(std::move(picturesFolder)), messages_(messages) {}

bool AppearancePictures::Load(const std::string& appearance) {
    if (!loaded_.empty() && appearance == loaded_) {
        return true;
    }
    if (appearance.empty()) {
        return false;
    }
    std::array<CompressedPicture, AppearanceList::kPictureCount> pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (!pictures[i].Load(AppearanceList::PicturePath(picturesFolder_, appearance,
                                                          AppearanceList::kPictureFiles[i]),
                              messages_)) {
            return false;
        }
    }
    pictures_ = std::move(pictures);
    loaded_ = appearance;
    ++generation_;
    return true;
}

bool AppearancePictures::LoadOrStandard(const std::string& appearance) {
    if (Load(appearance)) {
        return true;
    }
    messages_.ShowMessage(kKelvaneName, std::string(AppearanceList::kMissingPicturesText),
                          MessageSink::Icon::Stop);
    const std::string standard(AppearanceList::kStandard);
    if (appearance != standard && Load(standard)) {
        return true;
    }
    return IsLoaded();
}
