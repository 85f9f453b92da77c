#pragma once

#include <optional>
#include <string>

class ParameterSheetModel;

/// The results sheets the commands open.
enum class ResultsSheet {
    /// "Final Summary" with all pages.
    FinalSummary,
    /// Basic Results and Characters only, after a comparison of two files.
    Comparison,
};

/// The tester's window as the core commands see it: file dialogs, the title, the views and
/// the results sheets. The Qt layer implements it; tests record the calls.
class TesterHost {
  public:
    virtual ~TesterHost() = default;

    /// An open-file dialog; nothing when cancelled. filter is in the "Name|*.ext|...||" form.
    virtual std::optional<std::string> AskOpenFileName(const std::string& filter,
                                                       const std::string& initialName) = 0;
    /// A save-file dialog; nothing when cancelled.
    virtual std::optional<std::string> AskSaveFileName(const std::string& filter,
                                                       const std::string& initialName) = 0;
    /// Shows a parameter sheet modally; true when it was confirmed (its pages are applied then).
    virtual bool RunSheet(ParameterSheetModel& sheet) = 0;

    virtual void SetWindowTitle(const std::string& title) = 0;
    /// The status panes "ARROWS", "ENTER" and "ERASE"; all false empties them.
    virtual void ShowAllowedKeys(bool arrows, bool enter, bool erase) = 0;
    virtual void ShowOriginalText(const std::string& text) = 0;
    virtual void ShowTypedText(const std::string& text) = 0;
    /// The busy indicator of the original view, around an assessment.
    virtual void SetBusy(bool busy) = 0;
    /// Refreshes the views after an assessment; the assessed-text view shows typedText with
    /// the new marks.
    virtual void ShowAssessedText(const std::string& typedText) = 0;
    virtual void ShowResults(ResultsSheet sheet) = 0;
};
