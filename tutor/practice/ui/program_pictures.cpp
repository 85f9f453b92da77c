#include "tutor/practice/ui/program_pictures.h"

#include "common/message_sink.h"

namespace {

class QuietMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

}  // namespace

ProgramPictures::ProgramPictures(std::string picturesFolder) : folder_(std::move(picturesFolder)) {}

bool ProgramPictures::LoadWelcome() {
    QuietMessages quiet;
    return welcome_.Load(folder_ + kWelcomeFile, quiet);
}

bool ProgramPictures::LoadOthers() {
    QuietMessages quiet;
    // Every picture is tried, as each one is needed later.
    const bool smallWindow = smallWindow_.Load(folder_ + kSmallWindowFile, quiet);
    const bool silent = silent_.Load(folder_ + kSilentFile, quiet);
    const bool idleScreen = idleScreen_.Load(folder_ + kIdleScreenFile, quiet);
    return smallWindow && silent && idleScreen;
}
