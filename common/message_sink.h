#pragma once

#include <string>

/// Where a core operation shows a message to the user: a modal message box in the programs,
/// standard error in the command-line modes, a recorded list in the tests.
class MessageSink {
  public:
    enum class Icon { None, Information, Question, Warning, Stop };

    virtual ~MessageSink() = default;
    /// Shows text under caption and returns when the user has closed it.
    virtual void ShowMessage(const std::string& caption, const std::string& text, Icon icon) = 0;
};
