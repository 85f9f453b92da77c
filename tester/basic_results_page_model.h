#pragma once

#include <array>
#include <string>

#include "tester/parameter_page_model.h"
#include "tester/test_data.h"

class SettingsStore;

/// The Basic Results page (dialog 143): the figures of the results in one unit, all read-only,
/// and the list of the two units. Choosing the other unit stores it as "CalculationType" and
/// computes the figures again in it, which also makes it the unit of the view and the report.
class BasicResultsPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 143;
    static constexpr int kTotalTimeField = 1009;
    static constexpr int kGrossStrokesField = 1010;
    static constexpr int kNetSpeedField = 1011;
    static constexpr int kErrorsField = 1012;
    static constexpr int kErrorRateField = 1013;
    static constexpr int kTimeEndedField = 1027;
    static constexpr int kDateField = 1028;
    static constexpr int kUnitField = 1061;
    static constexpr const char* kCalculationTypeKey = "CalculationType";
    /// The entries of the unit list, by unit (TestData::kStrokesUnit, kWordsUnit).
    static constexpr std::array<const char*, 2> kUnitNames = {"net strokes/minute",
                                                              "net words/minute"};

    /// The figures in the unit of the "CalculationType" setting (default: the results' own).
    BasicResultsPageModel(TestData& data, SettingsStore& settings);

    std::string Caption() const override { return "Basic Results"; }

    int unit() const { return results_.unit; }
    /// The unit list's choice: stored and computed again when it is another unit. True when
    /// the figures changed.
    bool ChooseUnit(int unit);

    const BasicResults& results() const { return results_; }
    std::string grossStrokes() const;
    /// Two decimals, as the report prints it; a negative speed shows as it is.
    std::string netSpeed() const;
    std::string errors() const;

  private:
    TestData& data_;
    SettingsStore& settings_;
    BasicResults results_;
};
