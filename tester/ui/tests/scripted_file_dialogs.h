#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tester/tests/scripted_answers.h"
#include "tester/ui/tester_file_dialogs.h"

/// Answers file dialogs from queues (cancel when empty) and writes down every question.
class ScriptedFileDialogs final : public TesterFileDialogs {
  public:
    std::optional<std::string> AskOpenFileName(QWidget*, const std::string& filter,
                                               const std::string& initialName) override {
        asked.push_back("open " + filter + " " + initialName);
        return NextAnswer(openAnswers);
    }
    std::optional<std::string> AskSaveFileName(QWidget*, const std::string& filter,
                                               const std::string& initialName) override {
        asked.push_back("save " + filter + " " + initialName);
        return NextAnswer(saveAnswers);
    }

    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<std::string> asked;
};
