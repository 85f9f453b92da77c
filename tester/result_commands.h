#pragma once

#include <optional>
#include <string>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "tester/test_data.h"
#include "tester/tester_host.h"
#include "tester/tester_sheets.h"

/// The commands that make or keep results besides a typing run: Save Results, Load Results,
/// Save User Text and Compare two text files. They work on the tester's one TestData and
/// reach the window through the host; messages go to the sink under the product name.
class ResultCommands {
  public:
    static constexpr const char* kProductName = kMorvikName;
    static constexpr const char* kResultsFilter =
        "Morvik file (*.2mvk)|*.2mvk|All files (*.*)|*.*||";
    static constexpr const char* kUserTextFilter =
        "Text file (*.txt)|*.txt|All files (*.*)|*.*||\n";
    static constexpr const char* kCannotSaveMessage =
        "Program cannot save data on file. Check filename and permission, please.";
    static constexpr const char* kCannotLoadMessage =
        "The program cannot load the text from file. Check the file name, please.";

    ResultCommands(const PageContext& context, TesterHost& host);

    // Enabling. Commands that replace the texts or the log wait until a re-play has ended.
    bool CanLoadResults() const;
    bool CanSaveResults() const;
    bool CanSaveUserText() const;
    bool CanCompareTwoTextFiles() const;

    /// The file written, or nothing (cancelled, not replaced, or not written).
    std::optional<std::string> SaveResults();
    /// The file loaded, or nothing (cancelled or not loaded).
    std::optional<std::string> LoadResults();
    void SaveUserText();
    void CompareTwoTextFiles();

    /// Load Results without the dialog (a results file named on the command line). True when
    /// the results were loaded and assessed.
    bool LoadResultsFrom(const std::string& path);

    /// The folder "text" beside the program with a file pattern: where the dialogs start.
    static std::string InitialFileName(const std::string& pattern);

  private:
    bool AssessAndShow(const std::string& original, ResultsSheet sheet);
    void Warn(const std::string& text);

    PageContext context_;
    TestData& data_;
    TesterHost& host_;
    MessageSink& messages_;
    YesNoQuestion& questions_;
};
