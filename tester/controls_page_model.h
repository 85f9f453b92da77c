#pragma once

#include <optional>
#include <string>

#include "tester/parameter_page_model.h"

class PathSettings;
class SettingsStore;
class TestData;

/// The Controls page (dialog 137): time limit, text file, allowed keys and scrolling of a
/// test. The editable form starts from the settings and, on OK, loads the text file; the
/// read-only form shows the test's values and its identifier.
class ControlsPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 137;
    static constexpr int kAllowBackspaceField = 1000;
    static constexpr int kTimeLimitField = 1001;
    static constexpr int kAllowArrowsField = 1002;
    static constexpr int kAutomaticField = 1003;
    static constexpr int kPageKeysField = 1004;
    static constexpr int kAllowEnterField = 1005;
    static constexpr int kFileNameField = 1006;
    static constexpr int kSelectFileButton = 1007;
    static constexpr int kAllowPauseField = 1008;
    static constexpr int kTabField = 1028;
    static constexpr int kFileIdField = 1036;

    static constexpr int kMinTimeLimit = 1;
    static constexpr int kMaxTimeLimit = 200;
    static constexpr const char* kRangeMessage = "Please enter an integer between 1 and 200.";
    static constexpr const char* kTextFileFilter = "Text file (*.txt)|*.txt|All files (*.*)|*.*||";

    static constexpr const char* kBackspaceKey = "Backspace";
    static constexpr const char* kUseArrowsKey = "UseArrows";
    static constexpr const char* kUseEnterKey = "UseEnter";
    static constexpr const char* kAllowPauseKey = "AllowPause";
    static constexpr const char* kTimeLimitKey = "TimeLimit";
    static constexpr const char* kScrollingTypeKey = "ScrollingType";
    static constexpr const char* kLastFileOriginalKey = "LastFileOriginal";

    ControlsPageModel(TestData& data, SettingsStore& settings, PathSettings& paths, bool editable);

    std::string Caption() const override { return "Controls"; }
    std::optional<PageProblem> CheckLeave() override;
    /// Loads the text file (editable form): it must be readable and at most as long as the
    /// assessment can take.
    std::optional<PageProblem> CheckConfirm() override;
    void Apply() override;

    /// Where "Select File" starts: the folder "text" beside the program, showing "*.txt".
    static std::string SelectFileInitialName();

    /// The time limit as typed.
    std::string timeLimit;
    /// The text file (a UTF-8 path).
    std::string fileName;
    std::string testId;
    bool allowBackspace = true;
    bool allowArrows = true;
    bool allowEnter = true;
    bool allowPause = true;
    /// 0 automatically, 1 PgUp and PgDown only, 2 only downwards using Tab.
    int scrollingType = 0;

  private:
    TestData& data_;
    SettingsStore& settings_;
    PathSettings& paths_;
    std::string loadedText_;
};
