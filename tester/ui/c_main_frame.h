#pragma once

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "common/ui/window_placement.h"
#include "tester/lock_key_leds.h"
#include "tester/tester_command.h"

class COrigTextView;
class CResultTextView;
class CStatusView;
class CUserTextView;
class MessageSink;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolBar;
class SettingsStore;

/// Morvik's main window: menus, toolbar and status bar around the original text above and
/// the typing view or the assessed text below. Commands whose work is not there yet say so
/// and change nothing.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

  public:
    /// The panes of the status bar, in their order.
    enum class Pane { Message, Caps, Num, Arrows, Enter, Erase, Time };
    static constexpr int kPaneCount = 7;

    /// The welcome text of the original view, code-page bytes with CR LF line ends.
    static constexpr const char* kWelcomeText =
        "Welcome!\r\nLet's start practising.\r\nOpen the \"Practice\" menu and click on "
        "\"Start (F2)\".\r\nFirst of all, select a text file and set parameters.\r\nNow you "
        "may start copying from the upper window.\r\nGood luck.";

    /// settings: Morvik's settings store. messages: where messages go; message boxes over
    /// this window when none is given.
    explicit CMainFrame(SettingsStore& settings, MessageSink* messages = nullptr,
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// The menu item of a command (the toolbar shows the same actions); its data() is the id.
    QAction* Action(TesterCommand command) const;
    /// Runs a command as its menu item does.
    void OnCommand(TesterCommand command);

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
    QSplitter* outerSplitter() const { return outerSplitter_; }
    QSplitter* textSplitter() const { return textSplitter_; }
    /// The lower pane shows the typing view (focus on it) or the assessed text (focus on
    /// the original view).
    void ShowUserTextView();
    void ShowResultTextView();
    bool IsUserTextViewShown() const;

    /// A file named on the command line, kept to be opened once the window stands.
    void SetStartupFile(std::string path) { startupFile_ = std::move(path); }
    const std::string& startupFile() const { return startupFile_; }

    WindowPlacement& placement() { return placement_; }
    MessageSink& messages() { return messages_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildViews();
    QAction* AddCommand(QMenu* menu, const QString& text, TesterCommand command,
                        const QString& statusTip);
    void ShowAbout();

    SettingsStore& settings_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink& messages_;
    WindowPlacement placement_;
    std::map<TesterCommand, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, kPaneCount> panes_{};
    LockKeyLeds lockKeyLeds_;
    QTimer* lockTimer_ = nullptr;
    QSplitter* outerSplitter_ = nullptr;
    QSplitter* textSplitter_ = nullptr;
    QStackedWidget* lowerPane_ = nullptr;
    CStatusView* statusView_ = nullptr;
    COrigTextView* origTextView_ = nullptr;
    CUserTextView* userTextView_ = nullptr;
    CResultTextView* resultTextView_ = nullptr;
    bool splitterPlaced_ = false;
    std::string startupFile_;
};
