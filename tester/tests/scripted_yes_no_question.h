#pragma once

#include <deque>
#include <string>
#include <vector>

#include "tester/yes_no_question.h"

/// Answers questions from a script (No once the script is used up) and keeps every question.
class ScriptedYesNoQuestion final : public YesNoQuestion {
  public:
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        asked.push_back(caption + ": " + text);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers;
    std::vector<std::string> asked;
};
