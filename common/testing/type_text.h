#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

/// Types text into widget key by key, as a person would. QTest::keyClicks knows only the
/// characters of a US keyboard; others arrive here as key events carrying their text (a
/// character outside the Basic Multilingual Plane in one event, as a keyboard sends it).
inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            one += text.at(++i);
        }
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}
