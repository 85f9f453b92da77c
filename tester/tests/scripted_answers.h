#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

/// The next of the answers a test has queued for a file dialog (a name, or for queues of
/// optional names possibly none, a cancel); none, as if cancelled, once they are used up.
template <typename Answer>
std::optional<std::string> NextAnswer(std::deque<Answer>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
