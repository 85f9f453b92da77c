#pragma once

#include <string>

/// The tutor's small modal message window (the InfoBox), as the core asks for it: a notice to
/// acknowledge or a question to answer with Yes or No. The program shows the dialog; tests
/// answer with a fake.
class InfoBoxPrompts {
  public:
    virtual ~InfoBoxPrompts() = default;
    virtual void ShowInfo(const std::string& text) = 0;
    /// True for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};
