#pragma once

#include <string>
#include <vector>

class CParameterPage;
class ParameterPageModel;
class TesterFileDialogs;

/// What the page windows need besides their models.
struct TesterPageContext {
    TesterFileDialogs& dialogs;
    /// The system's locales (LocaleTable::ReadSupported), for the language and country lists.
    std::vector<std::string> localeNames;
};

/// The window of a page model of the tester's sheets, by its kind; nothing for a kind it does
/// not know.
CParameterPage* CreateTesterPage(ParameterPageModel& model, const TesterPageContext& context);
