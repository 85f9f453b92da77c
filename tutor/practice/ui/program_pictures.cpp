#include "tutor/practice/ui/program_pictures.h"

#include "common/code_page.h"
#include "common/message_sink.h"
#include "tutor/course/ui/jpeg_image.h"

namespace {

class QuietMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

/// An appearance is a folder name: nothing that climbs out of the pictures folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

ProgramPictures::ProgramPictures(std::string picturesFolder) : folder_(std::move(picturesFolder)) {}

QImage ProgramPictures::Load(const std::string& path) const {
    QuietMessages quiet;
    return LoadJpegImage(path, quiet);
}

bool ProgramPictures::LoadProgramPictures() {
    welcome_ = Load(folder_ + kWelcomeFile);
    smallWindow_ = Load(folder_ + kSmallWindowFile);
    silent_ = Load(folder_ + kSilentFile);
    idleScreen_ = Load(folder_ + kIdleScreenFile);
    return !welcome_.isNull() && !smallWindow_.isNull() && !silent_.isNull() &&
           !idleScreen_.isNull();
}

bool ProgramPictures::LoadAppearance(const std::string& name) {
    if (name == appearance_ && !appearance_.empty()) {
        return true;
    }
    if (!IsPlainName(name)) {
        return false;
    }
    std::array<QImage, kAppearancePictureCount> loaded;
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        loaded[i] = Load(folder_ + CodePage::Program().ToUtf8(name) + "/" + kAppearanceFiles[i]);
        if (loaded[i].isNull()) {
            return false;
        }
    }
    appearancePictures_ = std::move(loaded);
    appearance_ = name;
    return true;
}
