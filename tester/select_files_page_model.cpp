#include "tester/select_files_page_model.h"

#include "tester/path_settings.h"
#include "tester/text_file_reader.h"

SelectFilesPageModel::SelectFilesPageModel(PathSettings& paths)
    : ParameterPageModel(PageKind::SelectFiles, true), paths_(paths) {
    originalPath = paths.ReadPath("", kTwoFilesOriginalKey, "");
    alternativePath = paths.ReadPath("", kTwoFilesUserKey, "");
}

std::optional<PageProblem> SelectFilesPageModel::CheckConfirm() {
    if (!TextFileReader::ReadLines(originalPath)) {
        return PageProblem{kCannotLoadMessage, kOriginalField};
    }
    if (!TextFileReader::ReadLines(alternativePath)) {
        return PageProblem{kCannotLoadMessage, kAlternativeField};
    }
    return std::nullopt;
}

void SelectFilesPageModel::Apply() {
    paths_.WritePath("", kTwoFilesOriginalKey, originalPath);
    paths_.WritePath("", kTwoFilesUserKey, alternativePath);
}

std::string SelectFilesPageModel::SelectFileInitialName(const std::string& current) {
    const std::size_t slash = current.rfind('/');
    if (slash == std::string::npos) {
        return "*.txt";
    }
    return current.substr(0, slash + 1) + "*.txt";
}
