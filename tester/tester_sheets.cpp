#include "tester/tester_sheets.h"

#include "tester/basic_results_page_model.h"
#include "tester/calculation_rules_page_model.h"
#include "tester/characters_page_model.h"
#include "tester/controls_page_model.h"
#include "tester/description_page_model.h"
#include "tester/select_files_page_model.h"
#include "tester/test_data.h"
#include "tester/user_info_page_model.h"

std::unique_ptr<ParameterSheetModel> TesterSheets::NewTest(const PageContext& c) {
    auto sheet = std::make_unique<ParameterSheetModel>(kNewTestCaption);
    sheet->AddPage(std::make_unique<DescriptionPageModel>(c.data, c.settings, true));
    sheet->AddPage(std::make_unique<ControlsPageModel>(c.data, c.settings, c.paths, true));
    sheet->AddPage(
        std::make_unique<CharactersPageModel>(c.data, c.settings, c.messages, c.questions, true));
    sheet->AddPage(std::make_unique<CalculationRulesPageModel>(c.data, c.settings, true));
    sheet->AddPage(std::make_unique<UserInfoPageModel>(c.data, c.settings,
                                                       UserInfoPageModel::Role::Author, true));
    return sheet;
}

std::unique_ptr<ParameterSheetModel> TesterSheets::Start(const PageContext& c,
                                                         bool fromDefinition) {
    auto sheet = std::make_unique<ParameterSheetModel>(kStartCaption);
    const bool editable = !fromDefinition;
    if (fromDefinition) {
        sheet->AddPage(std::make_unique<DescriptionPageModel>(c.data, c.settings, false));
        sheet->AddPage(std::make_unique<UserInfoPageModel>(c.data, c.settings,
                                                           UserInfoPageModel::Role::Author, false));
    }
    sheet->AddPage(std::make_unique<ControlsPageModel>(c.data, c.settings, c.paths, editable));
    sheet->AddPage(std::make_unique<CharactersPageModel>(c.data, c.settings, c.messages,
                                                         c.questions, editable));
    sheet->AddPage(std::make_unique<CalculationRulesPageModel>(c.data, c.settings, editable));
    sheet->AddPage(std::make_unique<UserInfoPageModel>(c.data, c.settings,
                                                       UserInfoPageModel::Role::User, true));
    return sheet;
}

std::unique_ptr<ParameterSheetModel> TesterSheets::Results(const PageContext& c,
                                                           ResultsSheet kind) {
    auto sheet = std::make_unique<ParameterSheetModel>(kResultsCaption);
    const bool twoFiles = kind == ResultsSheet::Comparison || c.data.twoFilesMode != 0;
    sheet->AddPage(std::make_unique<BasicResultsPageModel>(c.data, c.settings));
    if (!twoFiles && c.data.fromTestDefinition == 1) {
        sheet->AddPage(std::make_unique<DescriptionPageModel>(c.data, c.settings, false));
    }
    if (!twoFiles) {
        sheet->AddPage(std::make_unique<ControlsPageModel>(c.data, c.settings, c.paths, false));
    }
    sheet->AddPage(
        std::make_unique<CharactersPageModel>(c.data, c.settings, c.messages, c.questions, false));
    if (!twoFiles) {
        sheet->AddPage(std::make_unique<CalculationRulesPageModel>(c.data, c.settings, false));
        sheet->AddPage(std::make_unique<UserInfoPageModel>(c.data, c.settings,
                                                           UserInfoPageModel::Role::User, false));
    }
    return sheet;
}

std::unique_ptr<ParameterSheetModel> TesterSheets::SelectComparison(const PageContext& c) {
    auto sheet = std::make_unique<ParameterSheetModel>(kComparisonCaption);
    sheet->AddPage(std::make_unique<SelectFilesPageModel>(c.paths));
    sheet->AddPage(
        std::make_unique<CharactersPageModel>(c.data, c.settings, c.messages, c.questions, true));
    return sheet;
}
