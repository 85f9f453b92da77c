#pragma once

#include <string>

#include "tester/tester_sheets.h"

class Clock;
class TypingRun;
class TypingRunHost;

/// Create a new Typing Test and Load Typing Test (F4): test definitions (".mvkt") made with
/// the "Set parameters for the new test" sheet, and opened to be started.
class TestDefinitionCommands {
  public:
    static constexpr const char* kTestFilter =
        "MorvikTest file (*.mvkt)|*.mvkt|All files (*.*)|*.*||";
    static constexpr const char* kFormatMessage =
        "The format of MVKT file is not correct. Do you have the correct version of Morvik?";

    TestDefinitionCommands(const PageContext& context, TypingRun& run, TypingRunHost& host,
                           Clock& clock);

    /// Neither during a run, nor with the Start dialog open, nor during a re-play.
    bool CanCreateTypingTest() const;
    bool CanLoadTypingTest() const;

    void CreateTypingTest();
    void LoadTypingTest();
    /// Load Typing Test without the dialog (a file named on the command line or chosen from
    /// the recent files). The file is read into a copy of the test, which is taken over only
    /// when the file is a test definition; anything else leaves the current test and its
    /// results as they were. True when the definition was taken and its Start sheet shown.
    bool LoadTypingTestFrom(const std::string& path);

  private:
    void Warn(const std::string& text);

    PageContext context_;
    TestData& data_;
    TypingRun& run_;
    TypingRunHost& host_;
    Clock& clock_;
};
