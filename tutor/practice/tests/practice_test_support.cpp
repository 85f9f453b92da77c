#include "tutor/practice/tests/practice_test_support.h"

#include <stdexcept>

void FakePracticeHost::TakeFocus() {
    if (focus == Focus::Main) {
        return;
    }
    focus = Focus::Main;
    session_->OnSetFocus();
}

void FakePracticeHost::FocusToTextPanel() {
    const bool hadFocus = focus == Focus::Main;
    focus = Focus::Panel;
    if (hadFocus) {
        session_->OnKillFocus();
    }
}

void FakePracticeHost::Modal(const std::function<void()>& show) {
    const Focus before = focus;
    focus = Focus::Dialog;
    if (before == Focus::Main) {
        session_->OnKillFocus();
    }
    clock_.AdvanceMs(dialogMs);
    show();
    focus = before;
    if (before == Focus::Main) {
        session_->OnSetFocus();
    }
}

void FakePracticeHost::NoteBox(const std::string& text) {
    Modal([&] {
        notes.push_back(text);
        if (whileNoteOpen) {
            whileNoteOpen();
        }
    });
}

bool FakePracticeHost::InfoBox(const std::string& text, bool repeatCheckBox) {
    bool checked = true;
    Modal([&] {
        infos.push_back(text);
        infoCheckBoxes.push_back(repeatCheckBox);
        if (repeatCheckBox && !repeatChecked.empty()) {
            checked = repeatChecked.front();
            repeatChecked.pop_front();
        }
    });
    return checked;
}

EndOfLessonChoice FakePracticeHost::EndOfLesson(const EndOfLessonDialogModel& model) {
    EndOfLessonChoice choice;
    Modal([&] {
        endDialogs.push_back(model);
        if (whileEndDialogOpen) {
            auto action = std::move(whileEndDialogOpen);
            whileEndDialogOpen = nullptr;
            action();
        }
        if (!endChoices.empty()) {
            choice = endChoices.front();
            endChoices.pop_front();
        }
    });
    return choice;
}

void FakePracticeHost::UserDetails() {
    Modal([&] { ++userDetailsShown; });
}

int FakePracticeHost::InitialTestWizard(bool atTestPage) {
    int lesson = -1;
    Modal([&] {
        wizardAtTestPage.push_back(atTestPage);
        if (!wizardLessons.empty()) {
            lesson = wizardLessons.front();
            wizardLessons.pop_front();
        }
    });
    return lesson;
}

void FakePracticeHost::Type(const std::string& text, std::int64_t delayMs) {
    for (char c : text) {
        clock_.AdvanceMs(delayMs);
        session_->OnChar(c);
    }
}

bool FakePracticeHost::Tick() {
    clock_.AdvanceMs(PracticeWindow::kPracticeTimerMs);
    if (!timerSet || focus != Focus::Main) {
        return false;
    }
    session_->OnTimer(PracticeWindow::kPracticeTimerId);
    return true;
}

void FakePracticeHost::SwitchAway(std::int64_t ms) {
    const Focus before = focus;
    focus = Focus::Elsewhere;
    if (before == Focus::Main) {
        session_->OnKillFocus();
    }
    clock_.AdvanceMs(ms);
    focus = before;
    if (before == Focus::Main) {
        session_->OnSetFocus();
    }
}

std::vector<std::string> PracticeFixture::CourseLines() {
    return {"00000409_a", "Home row",      "abc:1:120:1.5:",
            "abc",        "cab",           "",
            "Second",     "ab :1:60:2.0:", std::string("ab ba") + PracticeState::kLineEndMark,
            "",           "Third",         "c:1:30:10:",
            "cc"};
}

PracticeFixture::PracticeFixture(bool newUser, std::vector<std::string> courseLines,
                                 const std::string& coursePath) {
    if (!course.LoadLines(courseLines, coursePath)) {
        throw std::runtime_error("test course not loaded");
    }
    Recreate(newUser);
}

void PracticeFixture::Recreate(bool newUser) {
    session.reset();
    session = std::make_unique<PracticeSession>(
        PracticeSession::Services{clock, course, log, profile, settings, host, host, host, host,
                                  host},
        "petr", newUser);
    host.Attach(*session);
    session->SetAcceptedCharacters(std::string("abcxyz .,_") + PracticeState::kLineEndMark);
}
