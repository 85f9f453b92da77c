#include "tutor/users/results_files.h"

#include <filesystem>

#include "common/code_page.h"
#include "common/file_error.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "tutor/users/stroke_log.h"

ResultsFiles::ResultsFiles(StrokeLog& log, MessageSink& messages,
                           std::function<void(const StrokeLog&)> showResults)
    : log_(log), messages_(messages), showResults_(std::move(showResults)) {}

std::string ResultsFiles::WithStatExtension(const std::string& path) {
    const std::filesystem::path name = std::filesystem::path(path).filename();
    const std::string text = name.string();
    if (text.empty() || text == "." || text == "..") {
        return path;
    }
    // "run." ends where its extension would begin.
    if (text.back() == '.') {
        return path + kExtension;
    }
    // A name that starts with its only dot (".run") is a hidden file without an extension.
    if (name.has_extension()) {
        return path;
    }
    return path + "." + kExtension;
}

bool ResultsFiles::Save(const std::string& path) {
    const std::string file = WithStatExtension(path);
    if (log_.saveStat(file)) {
        return true;
    }
    // The message is code-page text; the path is UTF-8.
    messages_.ShowMessage(
        kKelvaneName,
        FileError::Format(FileError::Kind::General, CodePage::Program().FromUtf8(file)),
        MessageSink::Icon::Warning);
    return false;
}

bool ResultsFiles::Open(const std::string& path) {
    if (!log_.loadStat(path)) {
        messages_.ShowMessage(kKelvaneName, kIncorrectFormat, MessageSink::Icon::Warning);
        return false;
    }
    showResults_(log_);
    return true;
}
