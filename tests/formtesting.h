#pragma once

// Helpers for driving the real windows as a user would: presses go to the
// window at window coordinates and Qt decides which control receives them.

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

inline void pressAt(QWidget *window, QPoint position, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {})
{
    QTest::mousePress(window->windowHandle(), button, modifiers, position);
    QTest::mouseRelease(window->windowHandle(), button, modifiers, position);
}

// The centre of a control, in the coordinates of its window.
inline QPoint centreOf(const QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}

inline void clickControl(QWidget *control)
{
    pressAt(control->window(), centreOf(control));
}

// Types text as keys; characters beyond ASCII arrive as the text of a key
// press, as an input method delivers them.
inline void typeText(QWidget *control, const QString &text)
{
    for (QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(control, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

template<typename Control = QWidget>
Control *control(const QWidget *window, const QString &name)
{
    auto found = window->findChild<Control *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

inline QString textOf(const QWidget *window, const QString &name)
{
    return control<QLineEdit>(window, name)->text();
}
