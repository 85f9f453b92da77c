#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tester/parameter_page_model.h"

class SettingsStore;
class TestData;

/// The Description page (dialog 145): name, description, language and level of difficulty of
/// a test definition. The editable form starts empty with the last language and level used.
class DescriptionPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 145;
    static constexpr int kNameField = 1031;
    static constexpr int kDescriptionField = 1032;
    static constexpr int kLanguageField = 1047;
    static constexpr int kLevelSlider = 1043;
    static constexpr int kLevelNumberField = 1044;

    static constexpr int kMaxNameLength = 80;
    static constexpr int kMaxDescriptionLength = 380;
    static constexpr int kMinLevel = 1;
    static constexpr int kMaxLevel = 10;
    static constexpr const char* kNameMissingMessage = "Enter the name of the new test, please.";
    static constexpr const char* kLanguageIdKey = "LanguageID";
    static constexpr const char* kLastDifficultyKey = "LastDifficulty";
    static constexpr std::int32_t kDefaultLanguageId = 1033;
    static constexpr int kDefaultLevel = 5;

    DescriptionPageModel(TestData& data, SettingsStore& settings, bool editable);

    std::string Caption() const override { return "Description"; }
    std::optional<PageProblem> CheckLeave() override;
    void Apply() override;

    std::string testName;
    /// Lines end with CR LF.
    std::string description;
    std::int32_t languageId = kDefaultLanguageId;
    int level = kDefaultLevel;

  private:
    TestData& data_;
    SettingsStore& settings_;
};
