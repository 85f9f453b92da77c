#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

/// The open and save dialogs of the tester's commands and pages. Filters come in the
/// "Name (*.ext)|*.ext|...||" form; paths are UTF-8. Tests put a scripted one in place.
class TesterFileDialogs {
  public:
    virtual ~TesterFileDialogs() = default;
    /// Nothing when cancelled.
    virtual std::optional<std::string> AskOpenFileName(QWidget* parent, const std::string& filter,
                                                       const std::string& initialName);
    /// Nothing when cancelled. The dialog asks before replacing the file it returns.
    virtual std::optional<std::string> AskSaveFileName(QWidget* parent, const std::string& filter,
                                                       const std::string& initialName);

    /// "Text file (*.txt)|*.txt|All files (*.*)|*.*||" as Qt writes it:
    /// "Text file (*.txt);;All files (*.*)".
    static QString QtFilter(std::string_view filter);
};
