#pragma once

// Driving the real windows as a user would: presses go to the window at
// window coordinates and Qt decides which control receives them.

#include <QLineEdit>
#include <QTest>
#include <QWidget>

void pressAt(QWidget *window, QPoint position, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {});

// The centre of a control, in the coordinates of its window.
QPoint centreOf(const QWidget *control);

void clickControl(QWidget *control);

// Types text as keys; characters beyond ASCII arrive as the text of a key
// press, as an input method delivers them.
void typeText(QWidget *control, const QString &text);

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

// --- The board and the editor, started as the program starts them ----------

// The windows of the dungeon window and the editor, null while unloaded.
QWidget *board();
QWidget *editor();

// Shows the board and waits until it is on screen; false when it never is.
bool showBoard();

// Unloads both windows and lets Qt delete what they leave behind, so that
// the next test starts from a program with no window loaded.
void unloadWindows();
