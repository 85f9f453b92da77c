#pragma once

#include <memory>

#include "tester/parameter_sheet_model.h"
#include "tester/tester_host.h"

class MessageSink;
class PathSettings;
class SettingsStore;
class TestData;
class YesNoQuestion;

/// What the pages of the tester's sheets work with.
struct PageContext {
    TestData& data;
    SettingsStore& settings;
    PathSettings& paths;
    MessageSink& messages;
    YesNoQuestion& questions;
};

/// The parameter sheets of a test, page by page.
class TesterSheets {
  public:
    static constexpr const char* kNewTestCaption = "Set parameters for the new test";
    static constexpr const char* kStartCaption = "Set all these parameters";
    static constexpr const char* kResultsCaption = "Final Summary";
    static constexpr const char* kComparisonCaption = "Select parameters for comparison";

    /// Create a new Typing Test: Description, Controls, Characters, Calculation Rules and
    /// "Author Info", all editable.
    static std::unique_ptr<ParameterSheetModel> NewTest(const PageContext& context);
    /// Start. Plain form: Controls, Characters, Calculation Rules and "User Info", editable.
    /// Test-definition form: the definition's Description, "Author Info", Controls,
    /// Characters and Calculation Rules read-only, then the editable "User Info".
    static std::unique_ptr<ParameterSheetModel> Start(const PageContext& context,
                                                      bool fromDefinition);
    /// Show Results, "Final Summary": Basic Results; the definition's Description for a test
    /// from a definition; Controls; Characters; Calculation Rules and "User Info", all
    /// read-only. Results of a comparison of two files (the Comparison sheet, or twoFilesMode)
    /// show Basic Results and Characters only.
    static std::unique_ptr<ParameterSheetModel> Results(const PageContext& context,
                                                        ResultsSheet kind);
    /// Compare two text files: Select Files and the editable Characters page.
    static std::unique_ptr<ParameterSheetModel> SelectComparison(const PageContext& context);
};
