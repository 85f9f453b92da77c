#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "common/ui/window_placement.h"

class DiagramView;
class FiguresPage;
class MessageSink;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class RandomSource;
class ResultsDialogModel;
class ResultsListView;
class SettingsStore;
class StrokeLog;

/// "Results": one run's evaluation on eight tabs (the written evaluation, the figures, the
/// typing-error and typing-speed lists, three diagrams and the copied text). It keeps its
/// place and the widths of its list columns; "Save Picture..." saves the diagram shown as a
/// PNG picture.
class ResultsDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kPlacementName = "statisticdlg";
    static constexpr const char* kErrorColumnsName = "Faults";
    static constexpr const char* kSpeedColumnsName = "Speed";
    /// Where "Save Picture..." opens, kept between runs.
    static constexpr const char* kPictureFolderSection = "Results";
    static constexpr const char* kPictureFolderKey = "PictureFolder";

    /// What the dialog needs besides the log. All must outlive the call.
    struct Services {
        /// "textinfo.ddd" in the "config" folder; a missing file leaves out the evaluation.
        std::string evaluationTextsPath;
        RandomSource& random;
        SettingsStore& settings;
        MessageSink& messages;
    };

    /// Shows the results of log and returns when the user has closed them.
    static void Run(const StrokeLog& log, const Services& services, QWidget* parent);

    /// model and the services must outlive the dialog.
    ResultsDialog(const ResultsDialogModel& model, SettingsStore& settings, MessageSink& messages,
                  QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    QPlainTextEdit* informationText() const { return information_; }
    FiguresPage* figuresPage() const { return figures_; }
    ResultsListView* errorList() const { return errorList_; }
    ResultsListView* speedList() const { return speedList_; }
    /// The error, average-speed and current-speed diagrams.
    DiagramView* diagramView(int index) const {
        return diagrams_.at(static_cast<std::size_t>(index));
    }
    QPlainTextEdit* copiedText() const { return copied_; }
    QPushButton* savePictureButton() const { return savePicture_; }
    QPushButton* okButton() const { return ok_; }

    /// Asks for a file name and saves the diagram of the current tab; a failure is told,
    /// naming the file. True when saved.
    bool savePicture();

  protected:
    void done(int result) override;

  private:
    DiagramView* shownDiagram() const;
    void tabChanged();

    const ResultsDialogModel& model_;
    SettingsStore& settings_;
    MessageSink& messages_;
    WindowPlacement placement_;
    QTabWidget* tabs_;
    QPlainTextEdit* information_;
    FiguresPage* figures_;
    ResultsListView* errorList_;
    ResultsListView* speedList_;
    std::array<DiagramView*, 3> diagrams_{};
    QPlainTextEdit* copied_;
    QPushButton* savePicture_;
    QPushButton* ok_;
};
