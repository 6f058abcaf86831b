#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QTest>
#include <QWidget>

// Types `text` into `target` key by key. QTest spells only Latin-1 characters as keys, so
// other characters (Cyrillic, or what Windows-1251 cannot hold) arrive as the text of an
// unnamed key, as an input method delivers them.
inline void typetext(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Lets posted events run, the deferred deletions of closed editors included, as the
// program's own event loop would between two events of the user.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
