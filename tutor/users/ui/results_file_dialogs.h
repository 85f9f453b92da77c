#pragma once

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

class SettingsStore;

/// The "Save As" and "Open" dialogs of the results files: the name preset to "*.stat", the
/// filter "Results (*.stat)", opening in the folder used last. Save adds ".stat" to a name
/// typed without an extension before Qt asks whether an existing file may be replaced, so the
/// question is about the file that will be written. Paths are UTF-8.
class ResultsFileDialogs {
  public:
    /// The section and value name of the folder used last.
    static constexpr const char* kFolderSection = "Results";
    static constexpr const char* kFolderKey = "Folder";

    /// The store must outlive the object; parent may go away.
    ResultsFileDialogs(SettingsStore& settings, QWidget* parent);

    /// The file to save a run to; nothing for Cancel.
    std::optional<std::string> SaveResultsFile();
    /// The results file to open; nothing for Cancel.
    std::optional<std::string> LoadResultsFile();

  private:
    std::optional<std::string> Ask(bool save);

    SettingsStore& settings_;
    QPointer<QWidget> parent_;
};
