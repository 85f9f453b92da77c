#include "tester/description_page_model.h"

#include <algorithm>

#include "common/settings_store.h"
#include "tester/test_data.h"

namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

DescriptionPageModel::DescriptionPageModel(TestData& data, SettingsStore& settings, bool editable)
    : ParameterPageModel(PageKind::Description, editable), data_(data), settings_(settings) {
    if (editable) {
        languageId = settings.ReadInt("", kLanguageIdKey, kDefaultLanguageId);
        level = std::clamp(settings.ReadInt("", kLastDifficultyKey, kDefaultLevel), kMinLevel,
                           kMaxLevel);
    } else {
        testName = data.testName;
        description = data.description;
        languageId = data.languageId;
        level = data.level;
    }
}

std::optional<PageProblem> DescriptionPageModel::CheckLeave() {
    if (editable() && IsBlank(testName)) {
        return PageProblem{kNameMissingMessage, kNameField};
    }
    return std::nullopt;
}

void DescriptionPageModel::Apply() {
    data_.testName = testName.substr(0, kMaxNameLength);
    data_.description = description.substr(0, kMaxDescriptionLength);
    // A cut between CR and LF would leave half a line break.
    if (!data_.description.empty() && data_.description.back() == '\r') {
        data_.description.pop_back();
    }
    data_.level = std::clamp(level, kMinLevel, kMaxLevel);
    data_.languageId = languageId;
    settings_.WriteInt("", kLanguageIdKey, data_.languageId);
    settings_.WriteInt("", kLastDifficultyKey, data_.level);
}
