#pragma once

#include <array>
#include <optional>
#include <string>

#include "tester/parameter_page_model.h"

class SettingsStore;
class TestData;

/// The Calculation Rules page (dialog 144): the points an error costs in the strokes unit.
class CalculationRulesPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 144;
    static constexpr int kPointsField = 1030;
    static constexpr int kMaxLength = 4;
    static constexpr std::array<int, 4> kChoices = {10, 50, 100, 200};
    static constexpr const char* kNotPositiveMessage = "Insert or select a positive integer.";
    static constexpr const char* kErrorMinusHitsKey = "ErrorMinusHits";

    CalculationRulesPageModel(TestData& data, SettingsStore& settings, bool editable);

    std::string Caption() const override { return "Calculation Rules"; }
    /// A value that is not a positive number is refused: nothing, zero, and negative
    /// numbers, which would raise the net speed with every error.
    std::optional<PageProblem> CheckLeave() override;
    void Apply() override;

    /// The field as typed or chosen.
    std::string pointsPerError;

  private:
    TestData& data_;
    SettingsStore& settings_;
};
