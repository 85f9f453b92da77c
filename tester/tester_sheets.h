#pragma once

#include <memory>

#include "tester/parameter_sheet_model.h"

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

    /// Create a new Typing Test: Description, Controls, Characters, Calculation Rules and
    /// "Author Info", all editable.
    static std::unique_ptr<ParameterSheetModel> NewTest(const PageContext& context);
    /// Start. Plain form: Controls, Characters, Calculation Rules and "User Info", editable.
    /// Test-definition form: the definition's Description, "Author Info", Controls,
    /// Characters and Calculation Rules read-only, then the editable "User Info".
    static std::unique_ptr<ParameterSheetModel> Start(const PageContext& context,
                                                      bool fromDefinition);
};
