#include "tester/ui/c_result_text_view.h"

#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <utility>

#include "common/code_page.h"
#include "tester/test_data.h"
#include "tester/ui/assessed_line_painter.h"

namespace {

const QColor kText(0, 0, 0);
const QColor kBackground(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

AssessedText Assessed(const std::string& text, std::vector<CharClass> classes,
                      std::vector<std::uint16_t> errors = {}) {
    TestData data;
    data.typedText = text;
    data.classification.charClasses = std::move(classes);
    data.classification.errorPositions = std::move(errors);
    return AssessedText::From(data);
}

QImage Grab(CResultTextView& view) {
    return view.viewport()->grab().toImage();
}

// The pixels of one colour inside a logical rectangle, as logical offsets from its corner.
QList<QPointF> PixelsOf(const QImage& image, const QRectF& rect, const QColor& color) {
    const qreal dpr = image.devicePixelRatio();
    QList<QPointF> found;
    const QRect device(QPoint(qFloor(rect.left() * dpr), qFloor(rect.top() * dpr)),
                       QPoint(qCeil(rect.right() * dpr), qCeil(rect.bottom() * dpr)));
    for (int y = qMax(0, device.top()); y <= qMin(image.height() - 1, device.bottom()); ++y) {
        for (int x = qMax(0, device.left()); x <= qMin(image.width() - 1, device.right()); ++x) {
            if (image.pixelColor(x, y) == color) {
                found << QPointF(x / dpr - rect.left(), y / dpr - rect.top());
            }
        }
    }
    return found;
}

// Whether anything but the background is drawn inside a logical rectangle.
bool Drawn(const QImage& image, const QRectF& rect) {
    const qreal dpr = image.devicePixelRatio();
    for (int y = qMax(0, qFloor(rect.top() * dpr));
         y < qMin(image.height(), qCeil(rect.bottom() * dpr)); ++y) {
        for (int x = qMax(0, qFloor(rect.left() * dpr));
             x < qMin(image.width(), qCeil(rect.right() * dpr)); ++x) {
            if (image.pixelColor(x, y) != kBackground) {
                return true;
            }
        }
    }
    return false;
}

// What is drawn inside a logical rectangle, cut to the device pixels that are not background.
QImage DrawnPart(const QImage& image, const QRectF& rect) {
    const qreal dpr = image.devicePixelRatio();
    QRect drawn;
    for (int y = qMax(0, qFloor(rect.top() * dpr));
         y < qMin(image.height(), qCeil(rect.bottom() * dpr)); ++y) {
        for (int x = qMax(0, qFloor(rect.left() * dpr));
             x < qMin(image.width(), qCeil(rect.right() * dpr)); ++x) {
            if (image.pixelColor(x, y) != kBackground) {
                drawn |= QRect(x, y, 1, 1);
            }
        }
    }
    return image.copy(drawn);
}

int CountOf(const QImage& image, const QColor& color) {
    return static_cast<int>(PixelsOf(image,
                                     QRectF(0, 0, image.width() / image.devicePixelRatio(),
                                            image.height() / image.devicePixelRatio()),
                                     color)
                                .size());
}

}  // namespace

class CResultTextViewTest : public QObject {
    Q_OBJECT

  private:
    // A shown view with a large text font, black text on white, red marks.
    void Prepare(CResultTextView& view, int width = 700, int height = 300) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(28);
        view.setFont(font);
        view.SetColors(kText, kBackground, kRed);
        view.resize(width, height);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    // Each word's middle "W" carries one class; bands are the heights (in line heights) the
    // mark may cover, and whether it runs across the whole character or is as wide as an "f".
    void MarksCoverExactlyTheirCharacter_data() {
        QTest::addColumn<int>("charClass");
        QTest::addColumn<QList<QPointF>>("bands");
        QTest::addColumn<bool>("acrossCharacter");
        QTest::newRow("WrongChar")
            << int(CharClass::WrongChar) << QList<QPointF>{{0.25, 0.25}} << true;
        QTest::newRow("ExtraChar")
            << int(CharClass::ExtraChar) << QList<QPointF>{{0.5, 0.5}, {2.0 / 3, 2.0 / 3}} << true;
        QTest::newRow("OmissionBefore")
            << int(CharClass::OmissionBefore) << QList<QPointF>{{0.25, 0.75}} << false;
        QTest::newRow("WrongCharAndOmission")
            << int(CharClass::WrongCharAndOmission) << QList<QPointF>{{0.25, 0.75}} << true;
        QTest::newRow("NotAssessed")
            << int(CharClass::NotAssessed) << QList<QPointF>{{0.5, 2.0 / 3}} << true;
    }

    void MarksCoverExactlyTheirCharacter() {
        QFETCH(int, charClass);
        QFETCH(QList<QPointF>, bands);
        QFETCH(bool, acrossCharacter);
        CResultTextView view;
        Prepare(view);
        const std::string text = "WWW WWW";
        std::vector<CharClass> classes(text.size(), CharClass::Correct);
        const std::size_t marked = 5;
        classes[marked] = static_cast<CharClass>(charClass);
        view.SetAssessedText(Assessed(text, classes), TestData::kStrokesUnit);
        const QImage image = Grab(view);

        const QRectF box = *view.CharRect(marked);
        const qreal h = view.linePainter().lineHeight();
        const QList<QPointF> red = PixelsOf(image, box.adjusted(-4, -4, 4, 4), kRed);
        QVERIFY(!red.isEmpty());
        // Nothing red anywhere else: the other characters, the numbers, the margins.
        QCOMPARE(CountOf(image, kRed), red.size());

        const qreal tolerance = 1.0 + 1.0 / image.devicePixelRatio();
        qreal top = 1e9, bottom = -1e9, left = 1e9, right = -1e9;
        for (const QPointF& p : red) {
            const qreal y = p.y() - 4;
            const qreal x = p.x() - 4;
            bool inBand = false;
            for (const QPointF& band : bands) {
                inBand |= y >= band.x() * h - tolerance && y <= band.y() * h + tolerance;
            }
            QVERIFY2(inBand, qPrintable(QStringLiteral("red at height %1 of %2").arg(y).arg(h)));
            top = qMin(top, y);
            bottom = qMax(bottom, y);
            left = qMin(left, x);
            right = qMax(right, x);
        }
        QVERIFY(qAbs(top - bands.first().x() * h) <= tolerance);
        QVERIFY(qAbs(bottom - bands.last().y() * h) <= tolerance);
        const qreal f = QFontMetricsF(view.font()).horizontalAdvance(QLatin1Char('f'));
        const qreal expectedLeft = acrossCharacter ? 0 : box.width() / 2 - f / 2;
        const qreal expectedRight = acrossCharacter ? box.width() : box.width() / 2 + f / 2;
        QVERIFY2(qAbs(left - expectedLeft) <= tolerance, qPrintable(QString::number(left)));
        QVERIFY2(qAbs(right - expectedRight) <= tolerance, qPrintable(QString::number(right)));
    }

    // The pen is 2 pixels whatever the screen's scale: a horizontal mark is 2 logical rows.
    void MarkPenIsTwoPixelsWide() {
        CResultTextView view;
        Prepare(view);
        view.SetAssessedText(
            Assessed("WWW", {CharClass::Correct, CharClass::WrongChar, CharClass::Correct}),
            TestData::kStrokesUnit);
        const QImage image = Grab(view);
        const qreal dpr = image.devicePixelRatio();
        const QRectF box = *view.CharRect(1);
        const int x = qRound(box.center().x() * dpr);
        int rows = 0;
        for (int y = qFloor(box.top() * dpr); y < qCeil(box.bottom() * dpr); ++y) {
            rows += image.pixelColor(x, y) == kRed ? 1 : 0;
        }
        QCOMPARE(rows, qRound(2 * dpr));
    }

    void AMarkOnALineBreakStandsAfterTheLastCharacter() {
        CResultTextView view;
        Prepare(view);
        view.SetAssessedText(
            Assessed("WW\r\nWW", {CharClass::Correct, CharClass::Correct, CharClass::ExtraChar,
                                  CharClass::ExtraChar, CharClass::Correct, CharClass::Correct}),
            TestData::kStrokesUnit);
        const QImage image = Grab(view);
        const QRectF lastW = *view.CharRect(1);
        const QRectF lineBreak = *view.CharRect(2);
        QCOMPARE(lineBreak.left(), lastW.right());
        QCOMPARE(lineBreak.top(), lastW.top());
        QVERIFY(!PixelsOf(image, lineBreak, kRed).isEmpty());
        QCOMPARE(view.CharRect(3), view.CharRect(2));
        QCOMPARE(CountOf(image, kRed),
                 PixelsOf(image, lineBreak.adjusted(-2, -2, 2, 2), kRed).size());
    }

    void NewColoursAndFontsAreDrawnAtOnce() {
        CResultTextView view;
        Prepare(view);
        view.SetAssessedText(
            Assessed("WWW", {CharClass::Correct, CharClass::WrongChar, CharClass::Correct}),
            TestData::kStrokesUnit);
        QVERIFY(CountOf(Grab(view), kRed) > 0);
        view.SetColors(kText, kBackground, kBlue);
        QImage image = Grab(view);
        QCOMPARE(CountOf(image, kRed), 0);
        QVERIFY(!PixelsOf(image, *view.CharRect(1), kBlue).isEmpty());
        const QColor paper(250, 240, 200);
        view.SetColors(kText, paper, kBlue);
        QCOMPARE(Grab(view).pixelColor(1, 1), paper);

        const qreal before = view.CharRect(1)->width();
        QFont larger = view.font();
        larger.setPixelSize(40);
        view.setFont(larger);
        QVERIFY(view.CharRect(1)->width() > before);
        QVERIFY(!PixelsOf(Grab(view), *view.CharRect(1), kBlue).isEmpty());
    }

    void NumbersShowTheFiguresOfTheUnit() {
        CResultTextView view;
        Prepare(view);
        // Five capitals: 2+2+2+1+1 points, five characters; one error at the second.
        view.SetAssessedText(Assessed("ABCDE",
                                      {CharClass::Correct, CharClass::WrongChar, CharClass::Correct,
                                       CharClass::Correct, CharClass::Correct},
                                      {1}),
                             TestData::kStrokesUnit);
        QCOMPARE(view.figures(), (std::vector<LineFigures>{{8, 1}}));
        view.SetUnit(TestData::kWordsUnit);
        QCOMPARE(view.figures(), (std::vector<LineFigures>{{5, 1}}));

        // The total stands left of the text, the errors right of it; between them and the
        // text there is nothing.
        const QImage image = Grab(view);
        const QRectF first = *view.CharRect(0);
        const QRectF last = *view.CharRect(4);
        const qreal width = view.viewport()->width();
        const qreal digits = 3 * view.linePainter().digitWidth();
        QVERIFY(Drawn(image, QRectF(0, first.top(), first.left() - 2, first.height())));
        QVERIFY(Drawn(image, QRectF(width - digits - CResultTextView::kMargin, first.top(), digits,
                                    first.height())));
        QVERIFY(!Drawn(image, QRectF(last.right() + 2, first.top(),
                                     width - digits - last.right() - 8, first.height())));
    }

    // The totals and error counts keep their own plain face whatever the text's font is: a
    // bold, italic or underlined text font leaves them as they were.
    void NumbersKeepTheirFaceWhateverTheTextFont() {
        CResultTextView view;
        Prepare(view);
        view.SetAssessedText(
            Assessed("WWW", {CharClass::Correct, CharClass::WrongChar, CharClass::Correct}, {1}),
            TestData::kStrokesUnit);
        const auto numbers = [&view] {
            const QImage image = Grab(view);
            const QRectF text = *view.CharRect(0);
            const qreal width = view.viewport()->width();
            return std::make_pair(
                DrawnPart(image, QRectF(0, text.top(), text.left() - 1, text.height())),
                DrawnPart(image, QRectF(width - 4 * view.linePainter().digitWidth(), text.top(),
                                        4 * view.linePainter().digitWidth(), text.height())));
        };
        const auto plain = numbers();
        QVERIFY(!plain.first.isNull() && !plain.second.isNull());
        QFont decorated = view.font();
        decorated.setBold(true);
        decorated.setItalic(true);
        decorated.setUnderline(true);
        view.setFont(decorated);
        const auto after = numbers();
        QCOMPARE(after.first, plain.first);
        QCOMPARE(after.second, plain.second);
    }

    void ResizingBreaksTheLinesAgain() {
        CResultTextView view;
        Prepare(view, 700, 400);
        std::string text;
        for (int i = 0; i < 30; ++i) {
            text += "word ";
        }
        view.SetAssessedText(Assessed(text, std::vector<CharClass>(text.size())),
                             TestData::kWordsUnit);
        const std::size_t wide = view.layout().lines().size();
        view.resize(350, 400);
        QTRY_VERIFY(view.layout().lines().size() > wide);
        QCOMPARE(view.layout().boxes().size(), text.size());
        QCOMPARE(view.figures().back().runningTotal, static_cast<int>(text.size()));
        // Every line fits the narrower view.
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != ' ' && view.CharRect(i)) {
                QVERIFY(view.CharRect(i)->right() <= view.viewport()->width());
            }
        }
    }

    void ScrollsByKeysAndWheel() {
        CResultTextView view;
        Prepare(view, 500, 300);
        std::string text;
        for (int i = 0; i < 100; ++i) {
            text += "line\r\n";
        }
        view.SetAssessedText(Assessed(text, std::vector<CharClass>(text.size())),
                             TestData::kWordsUnit);
        const int page = view.verticalScrollBar()->pageStep();
        QVERIFY(page >= 2);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(view.firstLine(), page);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.firstLine(), page + 1);
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_PageUp);
        QCOMPARE(view.firstLine(), 0);
        QVERIFY(!view.CharRect(page * 6 + 6));
        QTest::keyClick(&view, Qt::Key_PageDown);
        QVERIFY(view.CharRect(page * 6 + 6).has_value());
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.firstLine(), 0);

        const QPointF at(50, 50);
        QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &wheel);
        QVERIFY(view.firstLine() > 0);
    }
};

QTEST_MAIN(CResultTextViewTest)
#include "c_result_text_view_test.moc"
