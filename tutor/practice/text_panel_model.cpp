#include "tutor/practice/text_panel_model.h"

#include <algorithm>
#include <cstddef>

#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/lesson_course.h"
#include "tutor/practice/panel_shapes.h"
#include "tutor/practice/practice_session.h"

namespace {

constexpr int kPreviousLineRow = 0;
constexpr int kPreviousMarksRow = 1;
constexpr int kCurrentLineRow = 2;
constexpr int kMarksRow = 3;
constexpr int kFollowingRow = 4;

}  // namespace

TextPanelModel::TextPanelModel(const LessonCourse& course, HelpingKeyboardDisplay& display)
    : course_(course), display_(display) {}

void TextPanelModel::Damage(const PanelRect& rect) {
    const PanelRect visible = rect.Intersected(layout_.Client());
    if (!visible.Empty()) {
        damage_.push_back(visible);
    }
}

void TextPanelModel::DamageAll() {
    damage_.clear();
    Damage(layout_.Client());
}

std::vector<PanelRect> TextPanelModel::TakeDamage() {
    std::vector<PanelRect> taken;
    taken.swap(damage_);
    return taken;
}

bool TextPanelModel::TakeWelcomeSound() {
    if (welcomePlayed_ || !Idle()) {
        return false;
    }
    welcomePlayed_ = true;
    return true;
}

void TextPanelModel::SetLayout(const PanelLayout& layout) {
    layout_ = layout;
    DamageAll();
}

const std::string& TextPanelModel::Line(int lineIndex) const {
    return course_.Line(state_.lessonIndex, lineIndex);
}

bool TextPanelModel::SameLines(const PanelState& a, const PanelState& b) {
    return a.lessonIndex == b.lessonIndex && a.lineIndex == b.lineIndex &&
           a.lineCount == b.lineCount && a.previousMarks == b.previousMarks;
}

void TextPanelModel::SetText(const PanelState& state) {
    state_ = state;
}

void TextPanelModel::LeaveIdlePicture() {
    // A run shows its first update: what the idle picture covered is all to be painted, even
    // when no repaint was asked for in between.
    if (idlePainted_ && !Idle()) {
        idlePainted_ = false;
        DamageAll();
    }
}

void TextPanelModel::ClearHighlight() {
    display_.Repainted();
    highlighted_.clear();
    handsError_.clear();
}

void TextPanelModel::Repaint() {
    blinkCounter_ = 0;
    cursorVisible_ = false;
    movieCounter_ = 0;
    if (Idle() || idlePainted_) {
        // The idle picture covers the whole panel, and leaving it shows every part anew.
        ClearHighlight();
        shownMovie_.reset();
        idlePainted_ = Idle();
        DamageAll();
        return;
    }
    Damage(layout_.TextBackground());
}

void TextPanelModel::RepaintAll() {
    blinkCounter_ = 0;
    cursorVisible_ = false;
    movieCounter_ = 0;
    shownMovie_.reset();
    ClearHighlight();
    idlePainted_ = Idle();
    DamageAll();
}

PanelRect TextPanelModel::CursorCell(int column, CursorShape shape) const {
    return layout_.Cell(shape == CursorShape::Pointer ? kMarksRow : kCurrentLineRow, column);
}

void TextPanelModel::HideCursor() {
    if (cursorVisible_) {
        cursorVisible_ = false;
        Damage(CursorCell(cursorColumn_, cursorShape_));
    }
}

void TextPanelModel::ToggleCursor(int column, CursorShape shape) {
    if (cursorVisible_ && cursorColumn_ == column && cursorShape_ == shape) {
        HideCursor();
        return;
    }
    // There is one cursor: one still shown elsewhere goes before it shows here.
    HideCursor();
    cursorVisible_ = true;
    cursorColumn_ = column;
    cursorShape_ = shape;
    Damage(CursorCell(column, shape));
}

void TextPanelModel::DamageChangedCells(const PanelState& before, const PanelState& after) {
    if (!SameLines(before, after)) {
        Damage(layout_.TextBackground());
        return;
    }
    // The characters between the old and the new cursor changed colour.
    const int from = std::max(0, std::min(before.column, after.column));
    const int to = std::max(before.column, after.column);
    for (int column = from; column < to; ++column) {
        Damage(layout_.Cell(kCurrentLineRow, column));
    }
    for (int column = 0; column < PracticeState::kMarkWidth; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (before.errorMarks[c] != after.errorMarks[c]) {
            Damage(layout_.Cell(kMarksRow, column));
        }
    }
}

void TextPanelModel::DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                                bool backspaceAwaited) {
    const PanelState before = state_;
    state_ = state;
    if (Idle()) {
        return;
    }
    LeaveIdlePicture();
    DamageChangedCells(before, state_);

    const int column = state_.column;
    const CursorShape shape = CursorShapeOf(cursorShape);
    if (column > 0 && column != lastCursorColumn_ && cursorVisible_) {
        ++blinkCounter_;
        HideCursor();
    }
    // A steady cursor stays as it is between strokes; a blinking one turns at every update.
    const bool steady = !blinkingCursor && column == lastCursorColumn_ && cursorVisible_;
    if (!steady) {
        ++blinkCounter_;
        ToggleCursor(column, shape);
    }
    lastCursorColumn_ = column;

    char next = 0;
    if (backspaceAwaited) {
        next = PracticeSession::kBackspace;
    } else {
        const std::string& line = Line(state_.lineIndex);
        if (column >= 0 && static_cast<std::size_t>(column) < line.size()) {
            next = line[static_cast<std::size_t>(column)];
        }
    }
    ShowNextKey(next);
}

void TextPanelModel::ShowNextKey(char character) {
    HighlightUpdate update =
        display_.ShowNextKey(character, layout_.keyboard.width, layout_.hands.height);
    for (const HighlightUpdate::Inversion& inversion : update.inversions) {
        const Highlight highlight{inversion.target, inversion.index};
        if (!highlighted_.erase(highlight)) {
            highlighted_.insert(highlight);
        }
        Damage(HighlightArea(highlight));
    }
    if (update.errorText != handsError_ && !update.errorText.empty()) {
        handsError_ = update.errorText;
        Damage(HandsErrorArea());
    }
    display_.AdvanceBlinkPhase();
}

PanelRect TextPanelModel::HighlightArea(const Highlight& highlight) const {
    if (highlight.first == HighlightUpdate::Target::Key) {
        return KeyAt(highlight.second).rect;
    }
    return FingerBounds(highlight.second);
}

void TextPanelModel::ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) {
    const StatisticsStrip::Figures before = Figures();
    activeSeconds_ = activeSeconds;
    speedPercent_ = speedPercent;
    errorPercent_ = errorPercent;
    if (Idle()) {
        return;
    }
    LeaveIdlePicture();
    const StatisticsStrip::Figures after = Figures();
    if (before.time != after.time) {
        Damage(after.timeArea);
    }
    if (before.speed != after.speed) {
        Damage(after.speed.frame);
    }
    if (before.error != after.error) {
        Damage(after.error.frame);
    }
}

void TextPanelModel::NextMovieFrame() {
    const int picture = StatisticsStrip::MoviePicture(activeSeconds_, speedPercent_, errorPercent_);
    if (picture != moviePicture_ || movieCounter_ >= kMovieFrames) {
        movieCounter_ = 0;
    }
    moviePicture_ = picture;
    shownMovie_ = MovieFrame{picture, movieCounter_};
    ++movieCounter_;
    if (!Idle()) {
        LeaveIdlePicture();
        Damage(layout_.MovieSquare());
    }
}

void TextPanelModel::MetronomeOn() {
    if (!metronomeOn_) {
        metronomeOn_ = true;
        Damage(layout_.MetronomeLine());
    }
}

void TextPanelModel::MetronomeOff() {
    if (metronomeOn_) {
        metronomeOn_ = false;
        Damage(layout_.MetronomeLine());
    }
}

std::vector<TextPanelModel::TextCell> TextPanelModel::CellsIn(const PanelRect& area) const {
    std::vector<TextCell> cells;
    if (Idle()) {
        return cells;
    }
    const int cw = layout_.charWidth;
    // One cell more on each side: a glyph may reach a little into its neighbour.
    const PanelRect wanted = area.Adjusted(cw, 0).Intersected(layout_.TextBackground());
    if (wanted.Empty()) {
        return cells;
    }
    const int firstColumn = std::max(0, (wanted.x - layout_.text.x) / cw);
    const int endColumn = (wanted.right() - layout_.text.x + cw - 1) / cw;

    auto addRow = [&](int row, const std::string& text, auto colorOf) {
        if (!layout_.Row(row).Intersects(wanted)) {
            return;
        }
        const int end = std::min(endColumn, static_cast<int>(text.size()));
        for (int column = firstColumn; column < end; ++column) {
            const char c = text[static_cast<std::size_t>(column)];
            if (c == ' ') {
                continue;
            }
            cells.push_back(TextCell{layout_.Cell(row, column), c, colorOf(column)});
        }
    };
    auto marks = [](const MarkLine& line) { return std::string(line.begin(), line.end()); };
    auto fixed = [](PanelColor color) { return [color](int) { return color; }; };

    if (state_.lineIndex > 0) {
        // The marks of the line above belong to it; without that line they would be strays.
        addRow(kPreviousLineRow, Line(state_.lineIndex - 1), fixed(PanelColor::Grey()));
        addRow(kPreviousMarksRow, marks(state_.previousMarks), fixed(PanelColor::Red()));
    }
    const int column = state_.column;
    addRow(kCurrentLineRow, Line(state_.lineIndex),
           [column](int c) { return c < column ? PanelColor::Grey() : PanelColor::Black(); });
    addRow(kMarksRow, marks(state_.errorMarks), fixed(PanelColor::Red()));
    const int following = layout_.FollowingRows();
    for (int k = 0; k < following; ++k) {
        const int lineIndex = state_.lineIndex + 1 + k;
        if (lineIndex >= state_.lineCount) {
            break;
        }
        addRow(kFollowingRow + k, Line(lineIndex), fixed(PanelColor::Black()));
    }
    return cells;
}

std::vector<PanelRect> TextPanelModel::InvertedPixels() const {
    std::vector<PanelRect> pixels;
    if (Idle()) {
        return pixels;
    }
    if (cursorVisible_) {
        pixels = PanelShapes::Cursor(cursorShape_, layout_.Cell(kCurrentLineRow, cursorColumn_),
                                     layout_.Cell(kMarksRow, cursorColumn_));
    }
    if (metronomeOn_) {
        pixels.push_back(layout_.MetronomeLine());
    }
    return pixels;
}

std::vector<int> TextPanelModel::InvertedKeys() const {
    std::vector<int> keys;
    if (Idle() || layout_.keyboard.Empty()) {
        return keys;
    }
    for (const Highlight& highlight : highlighted_) {
        if (highlight.first == HighlightUpdate::Target::Key &&
            !KeyAt(highlight.second).rect.Empty()) {
            keys.push_back(highlight.second);
        }
    }
    return keys;
}

std::vector<int> TextPanelModel::InvertedFingers() const {
    std::vector<int> fingers;
    if (Idle() || layout_.hands.Empty()) {
        return fingers;
    }
    for (const Highlight& highlight : highlighted_) {
        if (highlight.first == HighlightUpdate::Target::Finger && highlight.second >= 0 &&
            highlight.second < display_.hands().GroupCount()) {
            fingers.push_back(highlight.second);
        }
    }
    return fingers;
}

StatisticsStrip::Figures TextPanelModel::Figures() const {
    return StatisticsStrip::Compute(layout_, activeSeconds_, speedPercent_, errorPercent_);
}

PanelRect TextPanelModel::HandsErrorArea() const {
    const PanelRect& hands = layout_.hands;
    const int length = static_cast<int>(HelpingKeyboardDisplay::kHandsErrorText.size());
    return PanelRect{hands.x, hands.y + HighlightUpdate::kErrorTextTop, length * layout_.charWidth,
                     layout_.charHeight}
        .Intersected(hands);
}

int TextPanelModel::KeyCount() const {
    return static_cast<int>(display_.keyboard().layout().keys().size());
}

TextPanelModel::KeyArea TextPanelModel::KeyAt(int key) const {
    const std::vector<KeyDef>& keys = display_.keyboard().layout().keys();
    const PanelRect& area = layout_.keyboard;
    if (key < 0 || key >= static_cast<int>(keys.size()) || area.Empty()) {
        return KeyArea{PanelRect{area.x, area.y, 0, 0}, 0};
    }
    const HelpingKeyboardGeometry::KeyRect rect = HelpingKeyboardGeometry::KeyRectangle(
        keys[static_cast<std::size_t>(key)], area.width, area.height);
    // The keyboard is centred in its area.
    return KeyArea{PanelRect{area.x + rect.left, area.y + rect.top, rect.width, rect.height},
                   rect.corner};
}

std::vector<HelpingKeyboardGeometry::OutlineStep> TextPanelModel::FingerOutline(int finger) const {
    const auto& groups = display_.hands().groups();
    const PanelRect& area = layout_.hands;
    if (finger < 0 || finger >= static_cast<int>(groups.size()) || area.Empty()) {
        return {};
    }
    std::vector<HelpingKeyboardGeometry::OutlineStep> steps = HelpingKeyboardGeometry::Outline(
        groups[static_cast<std::size_t>(finger)], area.width, area.height);
    for (HelpingKeyboardGeometry::OutlineStep& step : steps) {
        step.x += area.x;
        step.y += area.y;
    }
    return steps;
}

PanelRect TextPanelModel::FingerBounds(int finger) const {
    const std::vector<HelpingKeyboardGeometry::OutlineStep> steps = FingerOutline(finger);
    if (steps.empty()) {
        return PanelRect{layout_.hands.x, layout_.hands.y, 0, 0};
    }
    int left = steps.front().x;
    int right = left;
    int top = steps.front().y;
    int bottom = top;
    int reach = 1;
    for (const HelpingKeyboardGeometry::OutlineStep& step : steps) {
        left = std::min(left, step.x);
        right = std::max(right, step.x);
        top = std::min(top, step.y);
        bottom = std::max(bottom, step.y);
        if (step.draw) {
            reach = std::max(reach, step.penWidth);
        }
    }
    // Half a pen on each side, rounded up, and a pixel for the rasteriser's rounding.
    const int margin = reach / 2 + 2;
    return PanelRect{left - margin, top - margin, right - left + 1 + 2 * margin,
                     bottom - top + 1 + 2 * margin}
        .Intersected(layout_.hands);
}
