#include "tester/parameter_sheet_model.h"

int ParameterSheetModel::IndexOf(PageKind kind) const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i]->kind() == kind) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<PageProblem> ParameterSheetModel::LeavePage(int index) {
    if (index < 0 || index >= pageCount()) {
        return std::nullopt;
    }
    return page(index).CheckLeave();
}

std::optional<ParameterSheetModel::Problem> ParameterSheetModel::Check(int index) {
    ParameterPageModel& checked = page(index);
    if (std::optional<PageProblem> problem = checked.CheckLeave()) {
        return Problem{index, *problem};
    }
    if (std::optional<PageProblem> problem = checked.CheckConfirm()) {
        return Problem{index, *problem};
    }
    return std::nullopt;
}

std::optional<ParameterSheetModel::Problem> ParameterSheetModel::Confirm(int currentPage) {
    // The page in front is the one the user looks at: its own complaint comes first.
    if (currentPage >= 0 && currentPage < pageCount()) {
        if (std::optional<PageProblem> problem = page(currentPage).CheckLeave()) {
            return Problem{currentPage, *problem};
        }
    }
    for (int i = 0; i < pageCount(); ++i) {
        if (std::optional<Problem> problem = Check(i)) {
            return problem;
        }
    }
    for (const std::unique_ptr<ParameterPageModel>& each : pages_) {
        if (each->editable()) {
            each->Apply();
        }
    }
    return std::nullopt;
}
