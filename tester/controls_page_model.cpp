#include "tester/controls_page_model.h"

#include <algorithm>

#include "common/data_paths.h"
#include "common/settings_store.h"
#include "tester/path_settings.h"
#include "tester/result_commands.h"
#include "tester/test_data.h"
#include "tester/text_file_reader.h"
#include "tester/whole_number.h"

ControlsPageModel::ControlsPageModel(TestData& data, SettingsStore& settings, PathSettings& paths,
                                     bool editable)
    : ParameterPageModel(PageKind::Controls, editable),
      data_(data),
      settings_(settings),
      paths_(paths) {
    if (!editable) {
        timeLimit = std::to_string(data.timeLimitMinutes);
        fileName = data.sourceFileName;
        testId = data.testId;
        allowBackspace = data.allowBackspace != 0;
        allowArrows = data.allowArrows != 0;
        allowEnter = data.allowEnter != 0;
        allowPause = data.allowPause != 0;
        scrollingType = data.scrollingType;
        return;
    }
    timeLimit = std::to_string(settings.ReadInt("", kTimeLimitKey, data.timeLimitMinutes));
    fileName = paths.ReadPath("", kLastFileOriginalKey, data.sourceFileName);
    allowBackspace = settings.ReadInt("", kBackspaceKey, data.allowBackspace) != 0;
    allowArrows = settings.ReadInt("", kUseArrowsKey, data.allowArrows) != 0;
    allowEnter = settings.ReadInt("", kUseEnterKey, data.allowEnter) != 0;
    allowPause = settings.ReadInt("", kAllowPauseKey, data.allowPause) != 0;
    scrollingType = std::clamp(settings.ReadInt("", kScrollingTypeKey, data.scrollingType), 0, 2);
}

std::string ControlsPageModel::SelectFileInitialName() {
    return DataPaths::DataPath("text", "*.txt");
}

std::optional<PageProblem> ControlsPageModel::CheckLeave() {
    if (!editable()) {
        return std::nullopt;
    }
    std::optional<int> minutes = ParseWholeNumber(timeLimit);
    if (!minutes || *minutes < kMinTimeLimit || *minutes > kMaxTimeLimit) {
        return PageProblem{kRangeMessage, kTimeLimitField};
    }
    return std::nullopt;
}

std::optional<PageProblem> ControlsPageModel::CheckConfirm() {
    if (!editable()) {
        return std::nullopt;
    }
    std::optional<std::string> text = TextFileReader::LoadOriginalText(fileName);
    if (!text) {
        return PageProblem{ResultCommands::kCannotLoadMessage, kFileNameField};
    }
    // Refused now rather than after the run, when the typist's work could not be assessed.
    if (text->size() > Assessment::kMaxTextLength) {
        return PageProblem{TestData::kTooLongMessage, kFileNameField};
    }
    loadedText_ = std::move(*text);
    return std::nullopt;
}

void ControlsPageModel::Apply() {
    if (!editable()) {
        return;
    }
    data_.timeLimitMinutes = ParseWholeNumber(timeLimit).value_or(data_.timeLimitMinutes);
    data_.allowBackspace = allowBackspace ? 1 : 0;
    data_.allowArrows = allowArrows ? 1 : 0;
    data_.allowEnter = allowEnter ? 1 : 0;
    data_.allowPause = allowPause ? 1 : 0;
    data_.scrollingType = scrollingType;
    data_.originalText = loadedText_;
    data_.sourceFileName = fileName;
    settings_.WriteInt("", kBackspaceKey, data_.allowBackspace);
    settings_.WriteInt("", kUseArrowsKey, data_.allowArrows);
    settings_.WriteInt("", kUseEnterKey, data_.allowEnter);
    settings_.WriteInt("", kAllowPauseKey, data_.allowPause);
    settings_.WriteInt("", kTimeLimitKey, data_.timeLimitMinutes);
    settings_.WriteInt("", kScrollingTypeKey, data_.scrollingType);
    paths_.WritePath("", kLastFileOriginalKey, fileName);
}
