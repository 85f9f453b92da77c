#pragma once

#include <functional>
#include <string>

class MessageSink;
class StrokeLog;

/// Saving a run's stroke log as a results file and opening one again, for "&Save Results",
/// "&Load Results", the end-of-lesson "Save Results" button and a file dropped on the main
/// window. The file dialogs are the caller's; this decides what a chosen path leads to.
class ResultsFiles {
  public:
    /// The file dialogs' preset name, filter and the extension a results file gets.
    static constexpr const char* kPreset = "*.stat";
    static constexpr const char* kFilter = "Results (*.stat)";
    static constexpr const char* kExtension = "stat";
    static constexpr const char* kIncorrectFormat =
        "This file has an incorrect format or it has been corrupted.";

    /// showResults opens the results dialog on the log. All must outlive the object.
    ResultsFiles(StrokeLog& log, MessageSink& messages,
                 std::function<void(const StrokeLog&)> showResults);

    /// A file name without an extension gets ".stat", so that the Open dialog's filter shows
    /// it and a drop takes it; a name with any extension stays as it is.
    static std::string WithStatExtension(const std::string& path);

    /// Writes the log to path (".stat" added where needed); a failure is told, naming the
    /// file. True when written.
    bool Save(const std::string& path);
    /// Reads path into the log and opens the results dialog; a refused file is told
    /// (kIncorrectFormat) and leaves the log as it was. True when the dialog opened.
    bool Open(const std::string& path);

  private:
    StrokeLog& log_;
    MessageSink& messages_;
    std::function<void(const StrokeLog&)> showResults_;
};
