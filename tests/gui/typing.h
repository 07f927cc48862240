#pragma once
// Types any text, Cyrillic included, as key presses into a widget; QTest's
// own keyClicks only takes Latin-1 characters.
#include <QString>
#include <QTest>

inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        const QString one(character);
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}
