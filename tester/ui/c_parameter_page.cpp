#include "tester/ui/c_parameter_page.h"

#include "tester/parameter_page_model.h"

CParameterPage::CParameterPage(ParameterPageModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {}

QWidget* CParameterPage::Field(int id) const {
    auto it = fields_.find(id);
    return it == fields_.end() ? nullptr : it->second;
}

void CParameterPage::RegisterField(int id, QWidget* control) {
    control->setObjectName(QString::number(id));
    fields_[id] = control;
}
