#pragma once

#include <QMainWindow>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>

#include "common/ui/window_placement.h"
#include "tutor/practice/main_frame_window.h"
#include "tutor/practice/practice_window.h"
#include "tutor/practice/tutor_command.h"

class MainFrameCommands;
class MainFrameFocus;
class MessageSink;
class ModalWindowWatcher;
class PracticeSession;
class PracticeTextPanel;
class QAction;
class QMenu;
class SettingsStore;

/// Kelvane's main window: the menu, the practice panel in the middle and a status bar. It
/// translates its events for the practice engine (typed characters, the practice timer, its
/// activation and the modal windows opened over it) and for the commands (menu, dropped
/// files, size, closing); the work is theirs.
class CMainFrame final : public QMainWindow, public PracticeWindow, public MainFrameWindow {
    Q_OBJECT

  public:
    static constexpr int kMinimumWidth = 550;
    /// The lowest height after a reset; the practice layout raises it.
    static constexpr int kResetMinimumHeight = 220;

    /// settings: the program's settings store (the window's placement); messages: where the
    /// window's own messages go (help). panelWidget is the practice panel, which becomes the
    /// window's central widget; textPanel is the same panel as the engine draws on it.
    CMainFrame(SettingsStore& settings, MessageSink& messages, QWidget* panelWidget,
               PracticeTextPanel& textPanel, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// The engine and the commands, which are made after the window (they need it); both
    /// must outlive the window or be detached before they go.
    void Attach(PracticeSession& session, MainFrameCommands& commands);
    void Detach();

    /// The menu item (or menu-bar item) of a command; the command id is its data().
    QAction* Action(TutorCommand command) const;
    /// Runs a command as its menu item does.
    void OnCommand(TutorCommand command);

    PracticeTextPanel& textPanel() const { return textPanel_; }
    QWidget* panelWidget() const { return panelWidget_; }
    WindowPlacement& placement() { return placement_; }
    const QTimer& practiceTimer() const { return practiceTimer_; }
    /// Whether the main window has the focus as the engine counts it.
    bool mainHasFocus() const;
    /// The exit code asked for by QuitProgram, if any.
    std::optional<int> quitCode() const { return quitCode_; }

    // PracticeWindow
    void SetPracticeTimer() override;
    void KillPracticeTimer() override;
    void TakeFocus() override;
    void FocusToTextPanel() override;
    void RepaintWindow() override;
    void ApplyLayout() override;
    void EnterInitialTestMenu() override;
    void LeaveInitialTestMenu() override;

    // MainFrameWindow
    void SetNeededPanelHeight(int panelHeight) override;
    void CloseWindow() override;
    void QuitProgram(int exitCode) override;
    void SavePlacement() override;
    void RestorePlacement() override;
    void ShowStatusText(const std::string& text) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenu();
    QAction* AddCommand(QMenu* menu, const QString& text, TutorCommand command);
    QAction* AddBarCommand(const QString& text, TutorCommand command);
    QAction* Register(QAction* action, TutorCommand command);
    void ShowAbout();
    bool RunActive() const;
    /// Each code-page byte to the engine as one character.
    void Type(const std::string& bytes);

    SettingsStore& settings_;
    MessageSink& messages_;
    QWidget* panelWidget_;
    PracticeTextPanel& textPanel_;
    WindowPlacement placement_;
    std::map<TutorCommand, QAction*> actions_;
    QAction* endOfTest_ = nullptr;
    QTimer practiceTimer_;
    PracticeSession* session_ = nullptr;
    MainFrameCommands* commands_ = nullptr;
    std::unique_ptr<MainFrameFocus> focus_;
    std::unique_ptr<ModalWindowWatcher> modalWatcher_;
    std::optional<int> quitCode_;
    bool layingOut_ = false;
};
