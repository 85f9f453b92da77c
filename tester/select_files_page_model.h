#pragma once

#include <optional>
#include <string>

#include "tester/parameter_page_model.h"

class PathSettings;

/// The Select Files page (dialog 141) of Compare two text files: the file with the original
/// text and the file with the text typed from it. The fields start with the two files used
/// last and, on OK, both must be readable and are stored again. The paths are UTF-8 and are
/// kept as paths, never as code-page text.
class SelectFilesPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 141;
    static constexpr int kAlternativeField = 1008;
    static constexpr int kAlternativeButton = 1009;
    static constexpr int kOriginalField = 1018;
    static constexpr int kOriginalButton = 1019;
    static constexpr const char* kTwoFilesOriginalKey = "TwoFilesOriginal";
    static constexpr const char* kTwoFilesUserKey = "TwoFilesUser";
    static constexpr const char* kTextFileFilter = "Text file (*.txt)|*.txt|All files (*.*)|*.*||";
    static constexpr const char* kCannotLoadMessage =
        "The program cannot load the text from file. Check the file name, please.";

    explicit SelectFilesPageModel(PathSettings& paths);

    std::string Caption() const override { return "Select Files"; }
    /// Both files must be readable; the first that is not keeps the sheet open on its field.
    std::optional<PageProblem> CheckConfirm() override;
    void Apply() override;

    /// Where "Select File" starts: the folder of the file in the field, showing "*.txt" (the
    /// program's working folder when the field names none).
    static std::string SelectFileInitialName(const std::string& current);

    std::string originalPath;
    std::string alternativePath;

  private:
    PathSettings& paths_;
};
