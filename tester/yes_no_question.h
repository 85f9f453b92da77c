#pragma once

#include <string>

/// A question the user answers with Yes or No (a message sink only shows). The program asks in
/// a modal message box; tests answer from a script.
class YesNoQuestion {
  public:
    virtual ~YesNoQuestion() = default;
    /// True for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
};
