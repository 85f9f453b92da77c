#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/window_placement.h"
#include "tester/display_settings.h"
#include "tester/lock_key_leds.h"
#include "tester/recent_file_list.h"
#include "tester/replay_target.h"
#include "tester/tester_command.h"
#include "tester/sleeper.h"
#include "tester/typing_run_host.h"
#include "tester/ui/tester_services.h"

class COrigTextView;
class CResultTextView;
class CStartDialog;
class CStatusView;
class CUserTextView;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolBar;
class QtReportOutput;
class ReplayWorker;
class ReportCommands;
class ResultCommands;
class TestDefinitionCommands;
class TypingRun;

/// Morvik's main window: menus, toolbar and status bar around the original text above and
/// the typing view or the assessed text below. It carries the typing run (TypingRun), the
/// test-definition, results and report commands and the re-play (ReplayWorker) out on its
/// views.
class CMainFrame final : public QMainWindow, private TypingRunHost, private ReplayTarget {
    Q_OBJECT

  public:
    /// The panes of the status bar, in their order.
    enum class Pane { Message, Caps, Num, Arrows, Enter, Erase, Time };
    static constexpr int kPaneCount = 7;
    static constexpr int kRunTimerMs = 1000;

    /// The welcome text of the original view, code-page bytes with CR LF line ends.
    static constexpr const char* kWelcomeText =
        "Welcome!\r\nLet's start practising.\r\nOpen the \"Practice\" menu and click on "
        "\"Start (F2)\".\r\nFirst of all, select a text file and set parameters.\r\nNow you "
        "may start copying from the upper window.\r\nGood luck.";
    static constexpr const char* kMarkingColorTitle =
        "Select a color to mark errors and cursor position";

    explicit CMainFrame(const TesterServices& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// The menu item of a command (the toolbar shows the same actions); its data() is the id.
    QAction* Action(TesterCommand command) const;
    /// Runs a command as its menu item does.
    void OnCommand(TesterCommand command);
    /// The entries of the recent files in the File menu, newest first.
    std::vector<QAction*> RecentFileActions() const { return recentActions_; }
    /// Opens a test definition (".mvkt", started) or results (".2mvk") as the command line
    /// and the recent files do; other names are left alone.
    void OpenFile(const std::string& path);

    /// The height of the original view for a window of the given height.
    static int OriginalViewHeight(int windowHeight);

    QToolBar* toolBar() const { return toolBar_; }
    QLabel* PaneLabel(Pane pane) const { return panes_[static_cast<std::size_t>(pane)]; }
    /// The run panes: "ARROWS", "ENTER" and "ERASE" for what the run allows.
    void ShowRunPanes(bool arrows, bool enter, bool erase);
    void ShowElapsedTime(const QString& time);
    /// Outside a run the four run panes are empty.
    void ClearRunPanes();
    /// Where the CAPS and NUM panes look (tests use a folder of their own).
    void SetLockKeyLeds(LockKeyLeds leds);
    void UpdateLockPanes();

    CStatusView* statusView() const { return statusView_; }
    COrigTextView* origTextView() const { return origTextView_; }
    CUserTextView* userTextView() const { return userTextView_; }
    CResultTextView* resultTextView() const { return resultTextView_; }
    CStartDialog* startDialog() const { return startDialog_; }
    QSplitter* outerSplitter() const { return outerSplitter_; }
    QSplitter* textSplitter() const { return textSplitter_; }
    /// The lower pane shows the typing view (focus on it) or the assessed text (focus on
    /// the original view).
    void ShowUserTextView();
    void ShowResultTextView();
    bool IsUserTextViewShown() const;

    /// The one-second tick of a run (the run timer calls it).
    void OnRunTimer();
    bool IsRunTimerActive() const;

    /// A file named on the command line, opened once the window stands.
    void SetStartupFile(std::string path) { startupFile_ = std::move(path); }
    const std::string& startupFile() const { return startupFile_; }

    const DisplaySettings& display() const { return display_; }
    TypingRun& run() { return *run_; }
    /// Where the report goes (tests choose the printer through it).
    QtReportOutput& reportOutput() { return *reportOutput_; }
    ReplayWorker& replay() { return *replay_; }
    WindowPlacement& placement() { return placement_; }
    MessageSink& messages() { return messages_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // TesterHost
    std::optional<std::string> AskOpenFileName(const std::string& filter,
                                               const std::string& initialName) override;
    std::optional<std::string> AskSaveFileName(const std::string& filter,
                                               const std::string& initialName) override;
    bool RunSheet(ParameterSheetModel& sheet) override;
    void SetWindowTitle(const std::string& title) override;
    void ShowAllowedKeys(bool arrows, bool enter, bool erase) override;
    void ShowOriginalText(const std::string& text) override;
    void ShowTypedText(const std::string& text) override;
    void SetBusy(bool busy) override;
    void ShowAssessedText(const std::string& typedText) override;
    void ShowResults(ResultsSheet sheet) override;
    // ReplayTarget
    void BeginReplay() override;
    void PostToViewThread(std::function<void()> task) override;
    void ReplayEvent(const KeystrokeRecord& record) override;
    void ReplayEnded() override;
    // TypingRunHost
    void ShowTypingView() override;
    void ShowStartDialog() override;
    std::string TypedText() override;
    void StartRunTimer() override;
    void StopRunTimer() override;
    void ShowElapsed(const std::string& time, int percent) override;
    void BeginRunView(bool follow) override;
    void EndRunView() override;
    void UpdateCommands() override;
    void FileUsed(const std::string& path) override;

    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildViews();
    QAction* AddCommand(QMenu* menu, const QString& text, TesterCommand command,
                        const QString& statusTip);
    void SetCommandText(TesterCommand command, const std::string& text);
    void RebuildRecentFiles();
    void ApplyDisplay();
    void ChooseFont();
    void ChooseColor(bool marking);
    void ShowAbout();
    /// The assessed-text view shows the last assessment of the typed text.
    void RefreshAssessedView();
    /// Stop, User Text and Text after Assessment end a re-play; its worker notices.
    void EndReplay();

    SettingsStore& settings_;
    PathSettings& paths_;
    Clock& clock_;
    TestData& data_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink& messages_;
    std::unique_ptr<YesNoQuestion> ownQuestions_;
    YesNoQuestion& questions_;
    std::unique_ptr<TesterFileDialogs> ownFileDialogs_;
    TesterFileDialogs& fileDialogs_;
    std::unique_ptr<TypingRun> run_;
    std::unique_ptr<TestDefinitionCommands> definitions_;
    std::unique_ptr<ResultCommands> results_;
    std::unique_ptr<QtReportOutput> reportOutput_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<Sleeper> ownSleeper_;
    Sleeper& sleeper_;
    std::unique_ptr<ReplayWorker> replay_;
    RecentFileList recentFiles_;
    DisplaySettings display_;
    WindowPlacement placement_;
    std::map<TesterCommand, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, kPaneCount> panes_{};
    LockKeyLeds lockKeyLeds_;
    QTimer* lockTimer_ = nullptr;
    QTimer* runTimer_ = nullptr;
    QSplitter* outerSplitter_ = nullptr;
    QSplitter* textSplitter_ = nullptr;
    QStackedWidget* lowerPane_ = nullptr;
    CStatusView* statusView_ = nullptr;
    COrigTextView* origTextView_ = nullptr;
    CUserTextView* userTextView_ = nullptr;
    CResultTextView* resultTextView_ = nullptr;
    CStartDialog* startDialog_ = nullptr;
    bool splitterPlaced_ = false;
    bool iconGiven_ = false;
    bool startupFileOpened_ = false;
    std::string startupFile_;
};
