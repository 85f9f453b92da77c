#include "tester/calculation_rules_page_model.h"

#include "common/settings_store.h"
#include "common/text_number.h"
#include "tester/test_data.h"

CalculationRulesPageModel::CalculationRulesPageModel(TestData& data, SettingsStore& settings,
                                                     bool editable)
    : ParameterPageModel(PageKind::CalculationRules, editable), data_(data), settings_(settings) {
    const int points = editable ? settings.ReadInt("", kErrorMinusHitsKey, data.pointsPerError)
                                : data.pointsPerError;
    pointsPerError = std::to_string(points);
}

std::optional<PageProblem> CalculationRulesPageModel::CheckLeave() {
    // The field converts as a number does in C: leading digits count, anything else is 0.
    if (editable() && ParseLeadingInt32(pointsPerError) <= 0) {
        return PageProblem{kNotPositiveMessage, kPointsField};
    }
    return std::nullopt;
}

void CalculationRulesPageModel::Apply() {
    data_.pointsPerError = ParseLeadingInt32(pointsPerError);
    settings_.WriteInt("", kErrorMinusHitsKey, data_.pointsPerError);
}
