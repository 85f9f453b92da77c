#pragma once

#include <string>

/// Questions in the program's message boxes (caption, text and two buttons), as the main
/// window's commands ask them. The program shows message boxes; tests answer with a fake.
class MessageQuestions {
  public:
    virtual ~MessageQuestions() = default;
    /// Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    /// Retry and Discard after a failure; true for Retry.
    virtual bool AskRetryDiscard(const std::string& caption, const std::string& text) = 0;
};
