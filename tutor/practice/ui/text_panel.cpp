#include "tutor/practice/ui/text_panel.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <QScreen>

#include <algorithm>
#include <map>

#include "common/ui/qt_text.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/practice/panel_shapes.h"
#include "tutor/users/audio_output.h"

namespace {

QRect ToQRect(const PanelRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

PanelRect ToPanelRect(const QRect& rect) {
    return PanelRect{rect.x(), rect.y(), rect.width(), rect.height()};
}

QColor ToQColor(const PanelColor& color) {
    return QColor(color.red, color.green, color.blue);
}

const QColor kKeyFace(236, 236, 236);
const QColor kKeyEdge(96, 96, 96);

}  // namespace

TextPanel::TextPanel(Services services, QWidget* parent)
    : QWidget(parent), s_(std::move(services)), model_(s_.course, s_.display) {
    // Every pixel is painted here, from the model; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click must not take the keys from the main window during a run; the main window hands
    // the panel the focus itself (setFocus) while no run is active.
    setFocusPolicy(Qt::NoFocus);
    metronomeTimer_.setSingleShot(true);
    connect(&metronomeTimer_, &QTimer::timeout, this, [this] {
        model_.MetronomeOff();
        Flush();
    });
    Relayout();
}

void TextPanel::Flush() {
    for (const PanelRect& rect : model_.TakeDamage()) {
        update(ToQRect(rect));
    }
}

void TextPanel::PlayWelcomeOnce() {
    if (s_.audio != nullptr && isVisible() && model_.TakeWelcomeSound()) {
        s_.audio->PlayWav(s_.welcomeSound, false);
    }
}

void TextPanel::SetText(const PanelState& state) {
    model_.SetText(state);
}

void TextPanel::Repaint() {
    model_.Repaint();
    Flush();
    PlayWelcomeOnce();
}

void TextPanel::RepaintAll() {
    model_.RepaintAll();
    Flush();
    PlayWelcomeOnce();
}

void TextPanel::DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                           bool backspaceAwaited) {
    model_.DrawCursor(state, blinkingCursor, cursorShape, backspaceAwaited);
    Flush();
}

void TextPanel::ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) {
    model_.ShowProgress(activeSeconds, speedPercent, errorPercent);
    Flush();
}

void TextPanel::NextMovieFrame() {
    model_.NextMovieFrame();
    Flush();
}

void TextPanel::MetronomeTick() {
    QMetaObject::invokeMethod(this, &TextPanel::Beat, Qt::QueuedConnection);
}

void TextPanel::Beat() {
    model_.MetronomeOn();
    Flush();
    metronomeTimer_.start(kMetronomeFlashMs);
}

int TextPanel::ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands,
                             int maxNeededHeight) {
    showStatistics_ = showStatistics;
    showKeyboard_ = showKeyboard;
    showHands_ = showHands;
    maxNeededHeight_ = maxNeededHeight;
    Relayout();
    return neededHeight();
}

int TextPanel::AvailableHeight() const {
    const QScreen* where = screen();
    if (where == nullptr) {
        return INT_MAX;
    }
    const QWidget* top = window();
    const int frame = top->frameGeometry().height() - height();
    return where->availableGeometry().height() - std::max(0, frame);
}

bool TextPanel::LoadAppearance(const std::string& appearance) {
    const bool loaded = s_.appearance.LoadOrStandard(appearance);
    if (s_.appearance.generation() != appearanceGeneration_) {
        RebuildPictures();
        update();
    }
    return loaded;
}

void TextPanel::Relayout() {
    model_.SetLayout(PanelLayout::Compute(fontMetrics_, width(), height(), showStatistics_,
                                          showKeyboard_, showHands_, maxNeededHeight_));
    const QFont font = PanelFont::TextFont(model_.layout().fontHeight);
    if (font != textFont_ || rawFont_.pixelSize() == 0) {
        textFont_ = font;
        // The fitted font is the panel's own font too.
        setFont(textFont_);
        rawFont_ = QRawFont::fromFont(textFont_);
        for (int byte = 0; byte < 256; ++byte) {
            const QString text = ToQString(std::string(1, static_cast<char>(byte)));
            const QList<quint32> indexes = rawFont_.glyphIndexesForString(text);
            glyphs_[static_cast<std::size_t>(byte)] = indexes.size() == 1 ? indexes.front() : 0;
        }
    }
    const QFontMetrics metrics(textFont_);
    baselineOffset_ = (model_.layout().charHeight - metrics.height()) / 2 + metrics.ascent();
    RebuildPictures();
    Flush();
}

QPixmap TextPanel::Scaled(const QImage& image, QSize size, qreal ratio) const {
    if (image.isNull() || size.isEmpty()) {
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void TextPanel::RebuildPictures() {
    appearanceGeneration_ = s_.appearance.generation();
    // A lesson's pictures are made when a lesson is first painted: the program waits at its
    // idle picture much of the time, and they would only be decoded and held for nothing
    // (and made again on every resize of the window).
    DropLessonPictures();
    if (!model_.Idle()) {
        BuildLessonPictures();
    }
}

void TextPanel::DropLessonPictures() {
    lessonPicturesBuilt_ = false;
    statisticsPixmap_ = QPixmap();
    handsPixmap_ = QPixmap();
    backgroundTile_ = QPixmap();
    for (auto& frames : movieFrames_) {
        frames.fill(QPixmap());
    }
    keyboardPixmap_ = QPixmap();
    keyPaths_.clear();
    fingerPaths_.clear();
}

void TextPanel::BuildLessonPictures() {
    lessonPicturesBuilt_ = true;
    const PanelLayout& layout = model_.layout();
    const qreal ratio = devicePixelRatioF();
    const AppearancePictures& pictures = s_.appearance;
    statisticsPixmap_ = Scaled(pictures.statisticsBackground(),
                               ToQRect(layout.StatisticsBackground()).size(), ratio);
    handsPixmap_ = Scaled(pictures.handsBackground(), ToQRect(layout.hands).size(), ratio);
    const QImage background = pictures.background();
    backgroundTile_ = Scaled(background, background.size(), ratio);

    const int side = layout.MovieSquare().width;
    for (int picture = 0; picture < TextPanelModel::kMoviePictures; ++picture) {
        const QImage movie = side > 0 ? pictures.movie(picture) : QImage();
        // Frame k is the square at k times the picture's height.
        const int frameSide = movie.height();
        for (int frame = 0; frame < TextPanelModel::kMovieFrames; ++frame) {
            QPixmap& target =
                movieFrames_[static_cast<std::size_t>(picture)][static_cast<std::size_t>(frame)];
            target = QPixmap();
            if (side <= 0 || frameSide <= 0 || (frame + 1) * frameSide > movie.width()) {
                continue;
            }
            target = Scaled(movie.copy(frame * frameSide, 0, frameSide, frameSide),
                            QSize(side, side), ratio);
        }
    }
    BuildKeyboard(ratio);
    BuildFingers();
}

void TextPanel::BuildKeyboard(qreal ratio) {
    keyPaths_.clear();
    keyboardPixmap_ = QPixmap();
    const PanelRect area = model_.layout().keyboard;
    if (area.Empty()) {
        return;
    }
    keyboardPixmap_ = QPixmap(ToQRect(area).size() * ratio);
    keyboardPixmap_.setDevicePixelRatio(ratio);
    keyboardPixmap_.fill(Qt::white);
    QPainter painter(&keyboardPixmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.x, -area.y);
    const qreal unit = area.height / 100.0;
    painter.setFont(PanelFont::LabelFont(qRound(5.5 * unit)));
    const std::vector<KeyDef>& keys = s_.display.keyboard().layout().keys();
    for (int key = 0; key < model_.KeyCount(); ++key) {
        const TextPanelModel::KeyArea keyArea = model_.KeyAt(key);
        QPainterPath path;
        path.addRoundedRect(QRectF(ToQRect(keyArea.rect)), keyArea.corner, keyArea.corner);
        keyPaths_.push_back(path);
        if (keyArea.rect.Empty()) {
            continue;
        }
        painter.setPen(QPen(kKeyEdge, 1.0));
        painter.setBrush(kKeyFace);
        painter.drawRoundedRect(QRectF(ToQRect(keyArea.rect)).adjusted(0.5, 0.5, -0.5, -0.5),
                                keyArea.corner, keyArea.corner);
        const QString label = ToQString(keys[static_cast<std::size_t>(key)].label);
        if (!label.isEmpty()) {
            painter.setPen(Qt::black);
            const QRectF inside =
                QRectF(ToQRect(keyArea.rect)).adjusted(2.5 * unit, 1.5 * unit, -unit, -unit);
            painter.save();
            painter.setClipRect(inside);
            painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, label);
            painter.restore();
        }
    }
}

void TextPanel::BuildFingers() {
    fingerPaths_.clear();
    if (model_.layout().hands.Empty()) {
        return;
    }
    for (int finger = 0; finger < s_.display.hands().GroupCount(); ++finger) {
        // Strokes of one pen width make one path; the stroker fills a path's overlaps once,
        // and paths of different widths are joined, so no pixel is inverted twice.
        std::map<int, QPainterPath> byWidth;
        QPointF at;
        for (const auto& step : model_.FingerOutline(finger)) {
            const QPointF point(step.x, step.y);
            if (step.draw) {
                QPainterPath& path = byWidth[std::max(1, step.penWidth)];
                if (path.isEmpty() || path.currentPosition() != at) {
                    path.moveTo(at);
                }
                path.lineTo(point);
            }
            at = point;
        }
        QPainterPath outline;
        for (const auto& [width, path] : byWidth) {
            QPainterPathStroker stroker;
            stroker.setWidth(width);
            stroker.setCapStyle(Qt::RoundCap);
            stroker.setJoinStyle(Qt::RoundJoin);
            const QPainterPath stroke = stroker.createStroke(path);
            outline = outline.isEmpty() ? stroke : outline.united(stroke);
        }
        outline.setFillRule(Qt::WindingFill);
        fingerPaths_.push_back(outline);
    }
}

void TextPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (model_.Idle()) {
        PaintIdle(painter);
        return;
    }
    for (const QRect& area : event->region()) {
        painter.save();
        painter.setClipRect(area);
        PaintArea(painter, area);
        painter.restore();
    }
}

void TextPanel::PaintIdle(QPainter& painter) {
    // The idle picture is decoded and scaled for each paint and not kept: it is painted when the
    // window is shown or resized and when a lesson ends, while a copy held for the screen would
    // take as much memory as the window's own pixels (8 MB on a full-HD screen), all the time
    // the program waits at it. The painter is clipped to the paint event's region already.
    const QPixmap picture =
        Scaled(s_.idlePicture ? s_.idlePicture() : QImage(), size(), devicePixelRatioF());
    if (picture.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawPixmap(0, 0, picture);
    }
}

void TextPanel::PaintArea(QPainter& painter, const QRect& area) {
    if (!lessonPicturesBuilt_) {
        BuildLessonPictures();
    }
    const PanelLayout& layout = model_.layout();
    painter.fillRect(area, Qt::white);

    const QRect background = ToQRect(layout.TextBackground()).intersected(area);
    if (!background.isEmpty()) {
        if (!backgroundTile_.isNull()) {
            const QSize tile = backgroundTile_.deviceIndependentSize().toSize();
            const QPoint origin = ToQRect(layout.TextBackground()).topLeft();
            const QPoint offset((background.x() - origin.x()) % std::max(1, tile.width()),
                                (background.y() - origin.y()) % std::max(1, tile.height()));
            painter.drawTiledPixmap(background, backgroundTile_, offset);
        }
        painter.save();
        painter.setClipRect(background);
        PaintText(painter, background);
        painter.restore();
    }

    if (ToQRect(layout.StatisticsBackground()).intersects(area)) {
        PaintStrip(painter, area);
    }
    const QRect keyboard = ToQRect(layout.keyboard);
    if (keyboard.intersects(area) && !keyboardPixmap_.isNull()) {
        painter.drawPixmap(keyboard.topLeft(), keyboardPixmap_);
    }
    const QRect hands = ToQRect(layout.hands);
    if (hands.intersects(area)) {
        if (!handsPixmap_.isNull()) {
            painter.drawPixmap(hands.topLeft(), handsPixmap_);
        }
        const QRect errorArea = ToQRect(model_.HandsErrorArea());
        if (!model_.handsError().empty() && errorArea.intersects(area)) {
            painter.fillRect(errorArea, Qt::white);
            painter.setPen(Qt::black);
            painter.setFont(textFont_);
            painter.drawText(errorArea, Qt::AlignLeft | Qt::AlignVCenter,
                             ToQString(model_.handsError()));
        }
    }
    PaintInversions(painter, area);
}

void TextPanel::PaintText(QPainter& painter, const QRect& area) {
    const std::vector<TextPanelModel::TextCell> cells = model_.CellsIn(ToPanelRect(area));
    // Runs of one row and colour go out as one glyph run, each glyph at its cell.
    std::size_t i = 0;
    while (i < cells.size()) {
        const TextPanelModel::TextCell& first = cells[i];
        const QColor color = ToQColor(first.color);
        if (first.character == PracticeState::kLineEndMark) {
            for (const PanelRect& stroke : PanelShapes::ReturnArrow(first.cell)) {
                painter.fillRect(ToQRect(stroke), color);
            }
            ++i;
            continue;
        }
        QList<quint32> indexes;
        QList<QPointF> positions;
        std::size_t j = i;
        for (; j < cells.size(); ++j) {
            const TextPanelModel::TextCell& cell = cells[j];
            if (cell.cell.y != first.cell.y || !(cell.color == first.color) ||
                cell.character == PracticeState::kLineEndMark) {
                break;
            }
            const quint32 glyph = glyphs_[static_cast<unsigned char>(cell.character)];
            if (glyph == 0) {
                // Not in the text font: let Qt find a face that has it.
                painter.setPen(color);
                painter.setFont(textFont_);
                painter.drawText(QPointF(cell.cell.x, cell.cell.y + baselineOffset_),
                                 ToQString(std::string(1, cell.character)));
                continue;
            }
            indexes.push_back(glyph);
            positions.push_back(QPointF(cell.cell.x - first.cell.x, 0));
        }
        if (!indexes.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(rawFont_);
            run.setGlyphIndexes(indexes);
            run.setPositions(positions);
            painter.setPen(color);
            painter.drawGlyphRun(QPointF(first.cell.x, first.cell.y + baselineOffset_), run);
        }
        i = j;
    }
}

void TextPanel::PaintStrip(QPainter& painter, const QRect& area) {
    const PanelLayout& layout = model_.layout();
    if (!statisticsPixmap_.isNull()) {
        painter.drawPixmap(ToQRect(layout.StatisticsBackground()).topLeft(), statisticsPixmap_);
    }
    const StatisticsStrip::Figures figures = model_.Figures();
    painter.setFont(textFont_);
    if (ToQRect(figures.speed.frame).intersects(area)) {
        PaintBar(painter, figures.speed);
    }
    if (ToQRect(figures.error.frame).intersects(area)) {
        PaintBar(painter, figures.error);
    }
    if (ToQRect(figures.timeArea).intersects(area)) {
        const QRect time = ToQRect(figures.timeArea);
        const QFontMetrics metrics(textFont_);
        DrawInCells(painter,
                    QPoint(time.left(),
                           time.top() + (time.height() - metrics.height()) / 2 + metrics.ascent()),
                    figures.time, ToQColor(PanelColor::LightGrey()));
    }
    const std::optional<TextPanelModel::MovieFrame> movie = model_.shownMovieFrame();
    const QRect square = ToQRect(layout.MovieSquare());
    if (movie && square.intersects(area)) {
        const QPixmap& frame = movieFrames_[static_cast<std::size_t>(movie->picture)]
                                           [static_cast<std::size_t>(movie->frame)];
        if (!frame.isNull()) {
            painter.drawPixmap(square.topLeft(), frame);
        }
    }
}

void TextPanel::PaintBar(QPainter& painter, const StatisticsStrip::Bar& bar) {
    const QRect frame = ToQRect(bar.frame);
    if (frame.isEmpty()) {
        return;
    }
    painter.fillRect(frame, Qt::black);
    painter.fillRect(frame.adjusted(1, 1, -1, -1), Qt::white);
    painter.fillRect(ToQRect(bar.filled), ToQColor(bar.fillColor));
    for (const PanelRect& line : bar.limitMark) {
        painter.fillRect(ToQRect(line), Qt::black);
    }
    // The label keeps to the character cells the bar is counted in: laid out by the font's
    // own advances it would run past them wherever the cells come out narrower.
    const QFontMetrics metrics(textFont_);
    const int baseline = frame.top() + (frame.height() - metrics.height()) / 2 + metrics.ascent();
    painter.save();
    painter.setClipRect(frame);
    DrawInCells(painter, QPoint(frame.left(), baseline), bar.label, Qt::black);
    painter.restore();
}

void TextPanel::DrawInCells(QPainter& painter, QPoint origin, const std::string& text,
                            const QColor& color) {
    const int cell = model_.layout().charWidth;
    QList<quint32> indexes;
    QList<QPointF> positions;
    painter.setPen(color);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int x = static_cast<int>(i) * cell;
        const quint32 glyph = glyphs_[static_cast<unsigned char>(text[i])];
        if (glyph == 0) {
            // Not in the text font: let Qt find a face that has it.
            painter.setFont(textFont_);
            painter.drawText(origin + QPoint(x, 0), ToQString(std::string(1, text[i])));
            continue;
        }
        indexes.push_back(glyph);
        positions.push_back(QPointF(x, 0));
    }
    if (!indexes.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(rawFont_);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(origin, run);
    }
}

void TextPanel::PaintInversions(QPainter& painter, const QRect& area) {
    const PanelLayout& layout = model_.layout();
    painter.save();
    // Inverting twice restores a pixel; each pixel is inverted at most once per paint.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect text = ToQRect(layout.TextBackground()).intersected(area);
    for (const PanelRect& pixels : model_.InvertedPixels()) {
        const QRect rect = ToQRect(pixels).intersected(text);
        if (!rect.isEmpty()) {
            painter.fillRect(rect, Qt::white);
        }
    }
    const QRect keyboard = ToQRect(layout.keyboard).intersected(area);
    if (!keyboard.isEmpty()) {
        painter.setClipRect(keyboard);
        for (int key : model_.InvertedKeys()) {
            if (key < static_cast<int>(keyPaths_.size()) &&
                ToQRect(model_.KeyAt(key).rect).intersects(keyboard)) {
                painter.fillPath(keyPaths_[static_cast<std::size_t>(key)], Qt::white);
            }
        }
    }
    const QRect hands = ToQRect(layout.hands).intersected(area);
    if (!hands.isEmpty()) {
        painter.setClipRect(hands);
        for (int finger : model_.InvertedFingers()) {
            if (finger < static_cast<int>(fingerPaths_.size()) &&
                ToQRect(model_.FingerBounds(finger)).intersects(hands)) {
                painter.fillPath(fingerPaths_[static_cast<std::size_t>(finger)], Qt::white);
            }
        }
    }
    painter.restore();
}

void TextPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void TextPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlayWelcomeOnce();
}

bool TextPanel::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        // Another pixel ratio: the pictures are scaled for the new screen.
        RebuildPictures();
        update();
    }
    return QWidget::event(event);
}
