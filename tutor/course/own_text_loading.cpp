#include "tutor/course/own_text_loading.h"

#include "common/file_error.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_limits_dialog.h"

namespace {

// LoadOwnText answers false both for Back and for a file it cannot read; this tells them
// apart, so that leaving the limits dialog is not reported as a broken file.
class WatchedLimitsDialog final : public OwnTextLimitsDialog {
  public:
    explicit WatchedLimitsDialog(OwnTextLimitsDialog& dialog) : dialog_(dialog) {}

    bool Run(OwnTextLimits& limits) override {
        accepted = dialog_.Run(limits);
        return accepted;
    }

    bool accepted = false;

  private:
    OwnTextLimitsDialog& dialog_;
};

}  // namespace

OwnTextOutcome LoadOwnTextFile(LessonCourse& course, const std::string& path,
                               OwnTextLimitsDialog& limitsDialog,
                               std::string_view acceptedCharacters, MessageSink& messages) {
    WatchedLimitsDialog watched(limitsDialog);
    bool loaded = false;
    try {
        loaded = course.LoadOwnText(path, watched, acceptedCharacters);
    } catch (const FileError&) {
        loaded = false;
    }
    if (loaded) {
        return OwnTextOutcome::Loaded;
    }
    if (!watched.accepted) {
        return OwnTextOutcome::Cancelled;
    }
    messages.ShowMessage(kKelvaneName, kOwnTextFileRefused, MessageSink::Icon::Stop);
    return OwnTextOutcome::Refused;
}
