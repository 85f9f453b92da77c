#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tester/parameter_sheet_model.h"
#include "tester/tests/scripted_answers.h"
#include "tester/typing_run_host.h"

/// A window that writes down every call ("timer on", "start dialog") and answers sheets and
/// file dialogs as the test says. The typing view is a string the test types into.
class FakeTypingRunHost final : public TypingRunHost {
  public:
    // TesterHost
    std::optional<std::string> AskOpenFileName(const std::string& filter,
                                               const std::string& initialName) override {
        calls.push_back("open " + filter + " " + initialName);
        return NextAnswer(openAnswers);
    }
    std::optional<std::string> AskSaveFileName(const std::string& filter,
                                               const std::string& initialName) override {
        calls.push_back("save " + filter + " " + initialName);
        return NextAnswer(saveAnswers);
    }
    void SetWindowTitle(const std::string& text) override {
        title = text;
        calls.push_back("title " + text);
    }
    void ShowAllowedKeys(bool arrows, bool enter, bool erase) override {
        calls.push_back(std::string("keys ") + (arrows ? "A" : "-") + (enter ? "E" : "-") +
                        (erase ? "B" : "-"));
    }
    void ShowOriginalText(const std::string& text) override {
        original = text;
        calls.push_back("original");
    }
    void ShowTypedText(const std::string& text) override {
        typed = text;
        calls.push_back("typed " + text);
    }
    void SetBusy(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
    void ShowAssessedText(const std::string& text) override { calls.push_back("assessed " + text); }
    void ShowResults(ResultsSheet) override { calls.push_back("results"); }

    // TypingRunHost
    bool RunSheet(ParameterSheetModel& sheet) override {
        calls.push_back("sheet " + sheet.caption());
        return answerSheet ? answerSheet(sheet) : false;
    }
    void ShowTypingView() override { calls.push_back("typing view"); }
    void ShowStartDialog() override { calls.push_back("start dialog"); }
    std::string TypedText() override { return typed; }
    void StartRunTimer() override {
        timerOn = true;
        calls.push_back("timer on");
    }
    void StopRunTimer() override {
        timerOn = false;
        calls.push_back("timer off");
    }
    void ShowElapsed(const std::string& time, int percent) override {
        elapsed = time;
        this->percent = percent;
    }
    void BeginRunView(bool follow) override {
        calls.push_back(follow ? "run view following" : "run view");
    }
    void EndRunView() override { calls.push_back("end run view"); }
    void UpdateCommands() override { ++commandUpdates; }
    void FileUsed(const std::string& path) override { calls.push_back("used " + path); }

    bool Called(const std::string& call) const {
        for (const std::string& each : calls) {
            if (each == call) {
                return true;
            }
        }
        return false;
    }

    std::function<bool(ParameterSheetModel&)> answerSheet;
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<std::string> calls;
    std::string title;
    std::string original;
    std::string typed;
    std::string elapsed;
    int percent = -1;
    bool timerOn = false;
    int commandUpdates = 0;
};
