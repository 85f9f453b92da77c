#include "tutor/users/ui/results_dialog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/code_page.h"
#include "common/file_error.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/qt_text.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/recent_folder.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/ui/diagram_view.h"
#include "tutor/users/ui/figures_page.h"
#include "tutor/users/ui/results_list_view.h"

namespace {

using Tab = ResultsDialogModel::Tab;

constexpr int kDefaultWidth = 940;
constexpr int kDefaultHeight = 460;

// Centred on the parent, or on the screen without one: where the dialog opens the first time.
QPoint CentredOn(const QWidget* parent) {
    QRect area = parent ? parent->frameGeometry() : QRect();
    if (area.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        area = screen ? screen->availableGeometry() : QRect(0, 0, kDefaultWidth, kDefaultHeight);
    }
    return area.center() - QPoint(kDefaultWidth / 2, kDefaultHeight / 2);
}

QPlainTextEdit* ReadOnlyText(const std::string& text) {
    auto* edit = new QPlainTextEdit;
    edit->setReadOnly(true);
    edit->setTabChangesFocus(true);
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    edit->setPlainText(shown);
    return edit;
}

template <std::size_t N>
std::vector<ResultsListView::Column> Columns(
    const std::array<ResultsDialogModel::Column, N>& columns) {
    std::vector<ResultsListView::Column> result;
    for (const ResultsDialogModel::Column& column : columns) {
        result.push_back({column.title, column.width});
    }
    return result;
}

}  // namespace

void ResultsDialog::Run(const StrokeLog& log, const Services& services, QWidget* parent) {
    EvaluationTexts texts;
    texts.Load(services.evaluationTextsPath);  // without the file there is no evaluation
    const ResultsDialogModel model(log, texts, services.random);
    ResultsDialog dialog(model, services.settings, services.messages, parent);
    dialog.exec();
}

ResultsDialog::ResultsDialog(const ResultsDialogModel& model, SettingsStore& settings,
                             MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      model_(model),
      settings_(settings),
      messages_(messages),
      placement_(settings, kPlacementName, this, CentredOn(parent).x(), kDefaultWidth,
                 CentredOn(parent).y(), kDefaultHeight) {
    setWindowTitle(QString::fromLatin1(ResultsDialogModel::kCaption));
    setSizeGripEnabled(true);

    tabs_ = new QTabWidget(this);
    // All eight titles in view: the dialog is as wide as they need.
    tabs_->setUsesScrollButtons(false);
    const auto title = [](Tab tab) {
        return QString::fromLatin1(ResultsDialogModel::kTabTitles[static_cast<int>(tab)]);
    };
    information_ = ReadOnlyText(model.initialInformation());
    tabs_->addTab(information_, title(Tab::Information));
    figures_ = new FiguresPage(model);
    tabs_->addTab(figures_, title(Tab::Figures));

    errorList_ = new ResultsListView(Columns(ResultsDialogModel::kErrorColumns));
    for (const ResultsDialogModel::ErrorRow& row : model.errorRows()) {
        errorList_->AddRow(ResultsDialogModel::Cells(row), row.image);
    }
    tabs_->addTab(errorList_, title(Tab::ErrorList));
    speedList_ = new ResultsListView(Columns(ResultsDialogModel::kSpeedColumns));
    for (const ResultsDialogModel::SpeedRow& row : model.speedRows()) {
        speedList_->AddRow(ResultsDialogModel::Cells(row), row.image);
    }
    tabs_->addTab(speedList_, title(Tab::SpeedList));
    placement_.LoadColumns(kErrorColumnsName, *errorList_->header());
    placement_.LoadColumns(kSpeedColumnsName, *speedList_->header());

    const Tab diagramTabs[] = {Tab::ErrorDiagram, Tab::AverageSpeedDiagram,
                               Tab::CurrentSpeedDiagram};
    for (std::size_t i = 0; i < diagrams_.size(); ++i) {
        diagrams_[i] = new DiagramView(*model.diagramOf(diagramTabs[i]));
        connect(diagrams_[i], &DiagramView::savePictureRequested, this,
                &ResultsDialog::savePicture);
        tabs_->addTab(diagrams_[i], title(diagramTabs[i]));
    }
    copied_ = ReadOnlyText(model.copiedText());
    tabs_->addTab(copied_, title(Tab::Text));

    savePicture_ = new QPushButton(tr("Save &Picture..."), this);
    savePicture_->setAutoDefault(false);
    connect(savePicture_, &QPushButton::clicked, this, &ResultsDialog::savePicture);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(savePicture_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(tabs_, &QTabWidget::currentChanged, this, &ResultsDialog::tabChanged);
    tabChanged();

    const QRect placed = placement_.NormalGeometry();
    resize(placed.size());
    move(placed.topLeft());
    if (placement_.Read().maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

DiagramView* ResultsDialog::shownDiagram() const {
    return qobject_cast<DiagramView*>(tabs_->currentWidget());
}

void ResultsDialog::tabChanged() {
    savePicture_->setEnabled(shownDiagram() != nullptr);
}

bool ResultsDialog::savePicture() {
    DiagramView* view = shownDiagram();
    if (!view) {
        return false;
    }
    RecentFolder folder(settings_, kPictureFolderSection, kPictureFolderKey);
    const QString start = PathToQString(folder.Folder(
        PathFromQString(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))));
    QFileDialog dialog(
        this, tr("Save Picture"),
        start + QLatin1Char('/') + tabs_->tabText(tabs_->currentIndex()) + QStringLiteral(".png"),
        tr("PNG picture (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const QString path = dialog.selectedFiles().constFirst();
    folder.RememberFileFolder(PathFromQString(path));
    if (!view->Picture().save(path, "PNG")) {
        messages_.ShowMessage(
            kKelvaneName,
            FileError::Format(FileError::Kind::General,
                              CodePage::Program().FromUtf8(PathFromQString(path))),
            MessageSink::Icon::Warning);
        return false;
    }
    return true;
}

void ResultsDialog::done(int result) {
    placement_.Save();
    placement_.SaveColumns(kErrorColumnsName, *errorList_->header());
    placement_.SaveColumns(kSpeedColumnsName, *speedList_->header());
    QDialog::done(result);
}
