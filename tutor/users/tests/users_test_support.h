#pragma once

#include <deque>
#include <string>
#include <vector>

#include "tutor/users/info_box_prompts.h"

/// Records the InfoBox notices and answers its questions from a queue (No when empty).
class FakeInfoBoxPrompts final : public InfoBoxPrompts {
  public:
    void ShowInfo(const std::string& text) override { infos.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return false;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> infos;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

/// The lines of a ".dat" file of user name with the given result lines.
std::vector<std::string> DatLines(const std::string& name, const std::string& password,
                                  const std::vector<std::string>& resultLines);

/// Writes lines as a line container file at path (folders created); throws when it cannot.
void WriteLineFile(const std::string& path, const std::vector<std::string>& lines);
