#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class CParameterPage;
class MessageSink;
class ParameterPageModel;
class ParameterSheetModel;
class QDialogButtonBox;
class QTabWidget;

/// A property sheet: the pages of a sheet model behind tabs, with OK and Cancel. Leaving a
/// page and OK run the model's checks; a refused check shows its message, keeps (or puts)
/// the sheet on the page and puts the focus on the field. Ctrl+Tab moves between the pages.
class CParameterSheet final : public QDialog {
    Q_OBJECT

  public:
    /// Makes the window of one page model; a page it does not know (nothing) shows empty.
    using PageFactory = std::function<CParameterPage*(ParameterPageModel&)>;

    CParameterSheet(ParameterSheetModel& model, const PageFactory& factory, MessageSink& messages,
                    QWidget* parent = nullptr);

    ParameterSheetModel& model() const { return model_; }
    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    CParameterPage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnCurrentChanged(int index);
    void ShowProblem(int page, const std::string& message, int field);

    ParameterSheetModel& model_;
    MessageSink& messages_;
    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    std::vector<CParameterPage*> pages_;
    int current_ = 0;
    bool switching_ = false;
    bool shown_ = false;
};
