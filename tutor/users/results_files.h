#pragma once

#include <string>

/// The names of results files, for the file dialogs of "&Save Results", "&Load Results" and
/// the end-of-lesson "Save Results" button. What a chosen file leads to (the log written or
/// read, the results dialog, the messages) is the main window's commands' work.
class ResultsFiles {
  public:
    ResultsFiles() = delete;

    /// The file dialogs' preset name, filter and the extension a results file gets.
    static constexpr const char* kPreset = "*.stat";
    static constexpr const char* kFilter = "Results (*.stat)";
    static constexpr const char* kExtension = "stat";

    /// A file name without an extension gets ".stat", so that the Open dialog's filter shows
    /// it and a drop takes it; a name with any extension stays as it is.
    static std::string WithStatExtension(const std::string& path);
};
