#include "tutor/practice/tests/panel_test_support.h"

#include <stdexcept>

std::vector<std::string> PanelKeyboardLines() {
    return {
        "00000409",         "60:20:1:a:A::0:",     "60:36:1:b:B::3:",
        "60:52:1:c:C::2:",  "60:68:1:x:X::1:",     "60:116:1:y:Y::6:",
        "60:132:1:z:Z::7:", "80:0:2:Shift:::0:",   "80:250:2:Shift:::9:",
        "0:260:2:Bck:::9:", "40:250:-2:\xA4:::9:", "99:60:120: :::5:",
        "60:148:1:,:::8:",  "60:164:1:.:::8:",     "40:200:1:-:_::8:",
    };
}

std::vector<std::string> PanelHandsLines(int groups) {
    std::vector<std::string> lines;
    for (int f = 0; f < groups; ++f) {
        lines.push_back(std::to_string(10 + 60 * f) + ":10:0:1:0:0:0:");
        lines.push_back(std::to_string(40 + 60 * f) + ":90:1:1:0:0:0:");
        lines.push_back("END");
    }
    return lines;
}

PanelFixture::PanelFixture(bool statistics, bool keyboardShown, bool handsShown, int handsGroups,
                           std::vector<std::string> courseLines)
    : PracticeFixture(false, std::move(courseLines)) {
    KeyLayout layout;
    if (!layout.ParseLines(PanelKeyboardLines(), "/data/config/00000409.kdd") ||
        !hands.ParseLines(PanelHandsLines(handsGroups))) {
        throw std::runtime_error("test keyboard not loaded");
    }
    keyboard.SetLayout(std::move(layout));
    display = std::make_unique<HelpingKeyboardDisplay>(keyboard, hands);
    model = std::make_unique<TextPanelModel>(course, *display);
    Layout(statistics, keyboardShown, handsShown);
    panelSession = std::make_unique<PracticeSession>(
        PracticeSession::Services{clock, course, log, profile, settings, *this, host, host, host,
                                  host},
        "petr", false);
    host.Attach(*panelSession);
    panelSession->SetAcceptedCharacters(std::string("abcxyz .,_") + PracticeState::kLineEndMark);
}

void PanelFixture::Layout(bool statistics, bool keyboardShown, bool handsShown) {
    model->SetLayout(
        PanelLayout::Compute(metrics, kWidth, kHeight, statistics, keyboardShown, handsShown));
}

void PanelFixture::Begin(int lesson) {
    if (!panelSession->BeginLesson(lesson)) {
        throw std::runtime_error("lesson did not begin");
    }
    model->RepaintAll();
    model->TakeDamage();
}

std::set<std::tuple<int, int, int, int>> PanelFixture::Damage() {
    std::set<std::tuple<int, int, int, int>> rects;
    for (const PanelRect& rect : model->TakeDamage()) {
        rects.insert(Key(rect));
    }
    return rects;
}
