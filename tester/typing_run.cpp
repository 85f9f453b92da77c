#include "tester/typing_run.h"

#include <algorithm>
#include <limits>

#include "common/clock.h"
#include "common/code_page.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/time_text.h"
#include "tester/test_data.h"
#include "tester/typing_run_host.h"
#include "tester/yes_no_question.h"

namespace {

// The text on one line: each line break a space, then no double spaces.
std::string WithoutLineBreaks(std::string text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            joined += ' ';
        } else if (text[i] == '\r' || text[i] == '\n') {
            joined += ' ';
        } else {
            joined += text[i];
        }
    }
    std::string single;
    single.reserve(joined.size());
    for (char c : joined) {
        if (!(c == ' ' && !single.empty() && single.back() == ' ')) {
            single += c;
        }
    }
    return single;
}

}  // namespace

TypingRun::TypingRun(const PageContext& context, TypingRunHost& host, Clock& clock)
    : context_(context), data_(context.data), host_(host), clock_(clock) {}

bool TypingRun::CanStart() const {
    return data_.startDialogOpen == 0 && data_.replayRunning == 0;
}

std::string TypingRun::StartMenuText() const {
    return data_.running != 0 ? "Stop\tF2" : "Start\tF2";
}

bool TypingRun::CanPause() const {
    return data_.running != 0 && data_.allowPause != 0 && data_.startDialogOpen == 0;
}

std::string TypingRun::PauseMenuText() const {
    return data_.paused != 0 ? "Pause Off\tF5" : "Pause On\tF5";
}

bool TypingRun::PauseChecked() const {
    return data_.paused != 0;
}

bool TypingRun::CanShowResults() const {
    return data_.resultsAvailable != 0;
}

void TypingRun::Show(const std::string& text) {
    context_.messages.ShowMessage(kMorvikName, text, MessageSink::Icon::Information);
}

void TypingRun::Start() {
    if (data_.running != 0) {
        Stop();
        return;
    }
    RunStartSheet(false);
}

void TypingRun::StartFromDefinition() {
    if (data_.running == 0) {
        RunStartSheet(true);
    }
}

void TypingRun::RunStartSheet(bool fromDefinition) {
    if (!CanStart()) {
        return;
    }
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::Start(context_, fromDefinition);
    if (!host_.RunSheet(*sheet)) {
        return;
    }
    if (!fromDefinition) {
        host_.SetWindowTitle(std::string(kMorvikName) + " - " + data_.sourceFileName);
    }
    const std::string definitionId = data_.testId;
    data_.Reset();
    data_.fromTestDefinition = fromDefinition ? 1 : 0;
    data_.testId = fromDefinition ? definitionId : std::string();
    host_.ShowTypingView();
    if (data_.allowEnter == 0) {
        Show(kNoEnterMessage);
        data_.originalText = WithoutLineBreaks(std::move(data_.originalText));
    }
    data_.startDialogOpen = 1;
    data_.resultsAvailable = 0;
    data_.paused = 0;
    host_.ShowTypedText("");
    host_.ShowOriginalText(data_.originalText);
    host_.ShowStartDialog();
    host_.UpdateCommands();
}

void TypingRun::OnStartDialogClosed() {
    if (data_.startDialogOpen == 0) {
        return;
    }
    data_.running = 1;
    data_.startTime = clock_.NowSeconds();
    data_.durationSeconds = 0;
    host_.ShowAllowedKeys(data_.allowArrows != 0, data_.allowEnter != 0, data_.allowBackspace != 0);
    host_.ShowElapsed(TimeText::Span(0), 0);
    host_.StartRunTimer();
    lastTick_ = clock_.TickMs();
    data_.startDialogOpen = 0;
    host_.BeginRunView(data_.scrollingType == 0);
    host_.UpdateCommands();
}

void TypingRun::OnTimer() {
    if (data_.running == 0 || data_.paused != 0) {
        return;
    }
    const std::int64_t elapsed = clock_.NowSeconds() - data_.startTime;
    if (elapsed < data_.durationSeconds || elapsed > data_.durationSeconds + kTickSlackSeconds) {
        host_.StopRunTimer();
        data_.runValid = 0;
        context_.messages.ShowMessage(kMorvikName, kTimeChangedMessage, MessageSink::Icon::Warning);
        data_.running = 0;
        data_.resultsAvailable = 0;
        data_.twoFilesMode = 0;
        data_.startDialogOpen = 0;
        data_.paused = 0;
        data_.Reset();
        host_.EndRunView();
        host_.ShowAllowedKeys(false, false, false);
        host_.ShowElapsed("", 0);
        host_.UpdateCommands();
        return;
    }
    data_.durationSeconds = elapsed;
    const std::int64_t limitSeconds = static_cast<std::int64_t>(data_.timeLimitMinutes) * 60;
    const int percent =
        limitSeconds > 0
            ? static_cast<int>(std::min<std::int64_t>(elapsed * 100 / limitSeconds, 100))
            : 100;
    host_.ShowElapsed(TimeText::Span(elapsed), percent);
    if (elapsed / 60 >= data_.timeLimitMinutes) {
        host_.StopRunTimer();
        Show(kTimeLimitMessage);
        Stop();
    }
}

void TypingRun::Pause() {
    if (!CanPause()) {
        return;
    }
    if (data_.paused == 0) {
        data_.paused = 1;
        host_.StopRunTimer();
    } else {
        data_.paused = 0;
        // The paused time does not count, and the first delay after it starts now.
        data_.startTime = clock_.NowSeconds() - data_.durationSeconds;
        host_.StartRunTimer();
        lastTick_ = clock_.TickMs();
    }
    host_.UpdateCommands();
}

void TypingRun::Stop() {
    if (data_.running == 0) {
        return;
    }
    data_.typedText = host_.TypedText();
    data_.endTime = clock_.NowSeconds();
    data_.twoFilesMode = 0;
    data_.resultsAvailable = 1;
    data_.paused = 0;
    data_.running = 0;
    host_.StopRunTimer();
    host_.EndRunView();
    host_.UpdateCommands();

    const std::string original = TestData::ExtendOriginal(data_.originalText, data_.typedText);
    host_.SetBusy(true);
    const bool assessed = data_.Assess(original, data_.typedText);
    host_.SetBusy(false);
    if (!assessed) {
        data_.resultsAvailable = 0;
        context_.messages.ShowMessage(kMorvikName, TestData::kTooLongMessage,
                                      MessageSink::Icon::Warning);
        host_.UpdateCommands();
        return;
    }
    host_.ShowAssessedText(data_.typedText);
    host_.ShowResults(ResultsSheet::FinalSummary);
}

void TypingRun::LogKey(int message, std::int32_t wParam, std::int32_t lParam) {
    if (data_.replayRunning != 0) {
        return;
    }
    const std::int64_t now = clock_.TickMs();
    const std::int64_t delay =
        std::clamp<std::int64_t>(now - lastTick_, 0, std::numeric_limits<std::int32_t>::max());
    data_.keystrokeLog.push_back({static_cast<std::int32_t>(delay), message, wParam, lParam});
    lastTick_ = now;
}

std::vector<TypingRun::KeyOutcome> TypingRun::Decide(const KeyTranslation& translation, bool shift,
                                                     bool ctrl, int typedLength) {
    std::vector<KeyOutcome> outcomes;
    KeyContext context;
    context.shift = shift;
    context.ctrl = ctrl;
    context.typedLength = typedLength;
    for (const KeystrokeRecord& message : translation.messages) {
        KeyVerdict verdict = KeyFilter::Filter(data_, message, context);
        if (verdict.log) {
            LogKey(message.message, message.wParam, message.lParam);
        }
        if (!verdict.message.empty()) {
            Show(verdict.message);
        }
        if (message.message == KeystrokeRecord::kChar && verdict.action == KeyAction::Pass) {
            context.typedLength += message.wParam == 13 ? 2 : message.wParam == 8 ? 0 : 1;
        }
        outcomes.push_back({message, std::move(verdict)});
    }
    if (translation.unmappable) {
        context.unmappable = true;
        KeystrokeRecord none{0, KeystrokeRecord::kChar, 0, 0};
        KeyVerdict verdict = KeyFilter::Filter(data_, none, context);
        if (!verdict.message.empty()) {
            Show(verdict.message);
        }
        outcomes.push_back({none, std::move(verdict)});
    }
    return outcomes;
}

std::vector<TypingRun::KeyOutcome> TypingRun::OnKeyEvent(const KeyEvent& event, int typedLength) {
    const bool shift = (event.modifiers & KeyCode::kShiftModifier) != 0;
    const bool ctrl = (event.modifiers & KeyCode::kControlModifier) != 0 &&
                      (event.modifiers & KeyCode::kGroupSwitchModifier) == 0;
    return Decide(KeyMessages::Translate(event, CodePage::Program()), shift, ctrl, typedLength);
}

std::vector<TypingRun::KeyOutcome> TypingRun::OnCommit(std::u32string_view text, int typedLength) {
    return Decide(KeyMessages::TranslateCommit(text, CodePage::Program()), false, false,
                  typedLength);
}

void TypingRun::EndRun() {
    data_.running = 0;
    data_.paused = 0;
    data_.startDialogOpen = 0;
    data_.replayRunning = 0;
    data_.replayPaused = 0;
    host_.StopRunTimer();
    host_.EndRunView();
}

bool TypingRun::ConfirmExit() {
    if (data_.running != 0 && !context_.questions.AskYesNo(kMorvikName, kExitQuestion)) {
        return false;
    }
    EndRun();
    return true;
}
