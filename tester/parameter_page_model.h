#pragma once

#include <optional>
#include <string>

/// The pages the tester's property sheets are made of (Create a new Typing Test, Start, the
/// results and the comparison sheets).
enum class PageKind {
    BasicResults,
    Description,
    Controls,
    Characters,
    CalculationRules,
    UserInfo,
    SelectFiles,
};

/// Why a page cannot be left or confirmed: the message to show and the field (its control
/// number) that gets the focus.
struct PageProblem {
    std::string message;
    int field = 0;

    bool operator==(const PageProblem&) const = default;
};

/// One page of a property sheet as a model: the values its controls show and the rules of
/// leaving it and confirming it. Each page exists in an editable form, which starts from the
/// settings (with the TestData values as defaults) and writes the TestData and the settings
/// when the sheet is confirmed, and a read-only form, which shows the TestData values and
/// changes nothing. The window copies the values in and out and carries out the verdicts.
class ParameterPageModel {
  public:
    ParameterPageModel(PageKind kind, bool editable) : kind_(kind), editable_(editable) {}
    virtual ~ParameterPageModel() = default;
    ParameterPageModel(const ParameterPageModel&) = delete;
    ParameterPageModel& operator=(const ParameterPageModel&) = delete;

    PageKind kind() const { return kind_; }
    bool editable() const { return editable_; }
    /// The tab text.
    virtual std::string Caption() const = 0;

    /// Whether the values may leave the page (another page chosen, or OK): their form and
    /// ranges. Read-only pages always may.
    virtual std::optional<PageProblem> CheckLeave() { return std::nullopt; }
    /// What OK needs beyond well-formed values (the text file loads, a nickname is given).
    virtual std::optional<PageProblem> CheckConfirm() { return std::nullopt; }
    /// Writes the values to the TestData and the settings. Called only once every page of
    /// the sheet has passed its checks; read-only pages write nothing.
    virtual void Apply() {}

  private:
    PageKind kind_;
    bool editable_;
};
