#include "tester/ui/tester_pages.h"

#include "tester/basic_results_page_model.h"
#include "tester/calculation_rules_page_model.h"
#include "tester/characters_page_model.h"
#include "tester/controls_page_model.h"
#include "tester/description_page_model.h"
#include "tester/select_files_page_model.h"
#include "tester/ui/c_basic_results_page.h"
#include "tester/ui/c_calculation_rules_page.h"
#include "tester/ui/c_characters_page.h"
#include "tester/ui/c_controls_page.h"
#include "tester/ui/c_description_page.h"
#include "tester/ui/c_select_files_page.h"
#include "tester/ui/c_user_info_page.h"
#include "tester/user_info_page_model.h"

CParameterPage* CreateTesterPage(ParameterPageModel& model, const TesterPageContext& context) {
    switch (model.kind()) {
        case PageKind::Controls:
            return new CControlsPage(static_cast<ControlsPageModel&>(model), context.dialogs);
        case PageKind::Description:
            return new CDescriptionPage(static_cast<DescriptionPageModel&>(model),
                                        context.localeNames);
        case PageKind::Characters:
            return new CCharactersPage(static_cast<CharactersPageModel&>(model));
        case PageKind::CalculationRules:
            return new CCalculationRulesPage(static_cast<CalculationRulesPageModel&>(model));
        case PageKind::UserInfo:
            return new CUserInfoPage(static_cast<UserInfoPageModel&>(model), context.localeNames);
        case PageKind::BasicResults:
            return new CBasicResultsPage(static_cast<BasicResultsPageModel&>(model));
        case PageKind::SelectFiles:
            return new CSelectFilesPage(static_cast<SelectFilesPageModel&>(model), context.dialogs);
    }
    return nullptr;
}
