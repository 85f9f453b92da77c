#include "tutor/practice/ui/program_pictures.h"

#include "common/message_sink.h"
#include "tutor/course/ui/jpeg_image.h"

namespace {

class QuietMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

}  // namespace

ProgramPictures::ProgramPictures(std::string picturesFolder) : folder_(std::move(picturesFolder)) {}

bool ProgramPictures::Load() {
    QuietMessages quiet;
    welcome_ = LoadJpegImage(folder_ + kWelcomeFile, quiet);
    smallWindow_ = LoadJpegImage(folder_ + kSmallWindowFile, quiet);
    silent_ = LoadJpegImage(folder_ + kSilentFile, quiet);
    idleScreen_ = LoadJpegImage(folder_ + kIdleScreenFile, quiet);
    return !welcome_.isNull() && !smallWindow_.isNull() && !silent_.isNull() &&
           !idleScreen_.isNull();
}
