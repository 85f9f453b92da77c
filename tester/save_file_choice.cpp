#include "tester/save_file_choice.h"

#include <filesystem>
#include <system_error>

#include "common/code_page.h"
#include "common/product_version.h"
#include "tester/test_record_file.h"
#include "tester/yes_no_question.h"

std::optional<std::string> SaveFileChoice::Confirm(const std::string& chosen,
                                                   std::string_view extension,
                                                   YesNoQuestion& questions) {
    std::string path = TestRecordFile::WithExtension(chosen, extension);
    std::error_code ec;
    if (path != chosen && std::filesystem::exists(path, ec)) {
        const std::string_view pattern = kReplaceQuestion;
        const std::size_t at = pattern.find("%s");
        const std::string question =
            std::string(pattern.substr(0, at)) + path + std::string(pattern.substr(at + 2));
        if (!questions.AskYesNo(kMorvikName, question)) {
            return std::nullopt;
        }
    }
    return path;
}
