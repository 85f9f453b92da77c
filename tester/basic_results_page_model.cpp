#include "tester/basic_results_page_model.h"

#include "common/settings_store.h"
#include "common/text_number.h"

namespace {

bool IsUnit(int unit) {
    return unit == TestData::kStrokesUnit || unit == TestData::kWordsUnit;
}

}  // namespace

BasicResultsPageModel::BasicResultsPageModel(TestData& data, SettingsStore& settings)
    : ParameterPageModel(PageKind::BasicResults, false), data_(data), settings_(settings) {
    int unit = settings.ReadInt("", kCalculationTypeKey, data.speedUnit);
    // A stored value that is no unit is not one to compute with.
    if (!IsUnit(unit)) {
        unit = IsUnit(data.speedUnit) ? data.speedUnit : TestData::kWordsUnit;
    }
    results_ = data_.ComputeBasicResults(unit);
}

bool BasicResultsPageModel::ChooseUnit(int unit) {
    if (!IsUnit(unit) || unit == results_.unit) {
        return false;
    }
    settings_.WriteInt("", kCalculationTypeKey, unit);
    results_ = data_.ComputeBasicResults(unit);
    return true;
}

std::string BasicResultsPageModel::grossStrokes() const {
    return FormatInt(results_.grossStrokes);
}

std::string BasicResultsPageModel::netSpeed() const {
    return FormatFixed(results_.netSpeed, 2);
}

std::string BasicResultsPageModel::errors() const {
    return FormatInt(results_.errors);
}
