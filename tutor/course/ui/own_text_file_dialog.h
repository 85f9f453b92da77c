#pragma once

#include <QFileDialog>
#include <QStringList>

#include <optional>
#include <string>

/// The "Open" dialog of "Choose a Text File": plain and rich-text files, shown together at
/// first.
class OwnTextFileDialog {
  public:
    OwnTextFileDialog() = delete;

    /// The filters, the first chosen when the dialog opens.
    static QStringList NameFilters();

    /// Asks for the file to practise on; its path (UTF-8), or nothing after Cancel. The dialog
    /// opens in lastFolder when it names one, else in the folder "text" beside the program;
    /// a chosen file's folder becomes lastFolder.
    static std::optional<std::string> Choose(QWidget* parent, std::string& lastFolder,
                                             QFileDialog::Options options = {});
};
