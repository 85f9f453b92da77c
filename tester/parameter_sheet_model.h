#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tester/parameter_page_model.h"

/// A property sheet: a caption and pages behind tabs, with OK and Cancel. OK checks the page
/// in front first, then every page in order (leaving, then confirming); the first problem keeps
/// the sheet open on its page. Only when all pass are the pages applied, in order, so a
/// refused OK changes nothing.
class ParameterSheetModel {
  public:
    struct Problem {
        int page = 0;
        PageProblem problem;
    };

    explicit ParameterSheetModel(std::string caption) : caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void AddPage(std::unique_ptr<ParameterPageModel> page) { pages_.push_back(std::move(page)); }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    ParameterPageModel& page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    /// The first page of the given kind, or -1.
    int IndexOf(PageKind kind) const;

    /// The check of switching away from a page.
    std::optional<PageProblem> LeavePage(int index);
    /// OK pressed while currentPage was shown: nothing when the pages were applied.
    std::optional<Problem> Confirm(int currentPage);

  private:
    std::optional<Problem> Check(int index);

    std::string caption_;
    std::vector<std::unique_ptr<ParameterPageModel>> pages_;
};
