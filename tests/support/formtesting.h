#pragma once

// Driving the real windows as a user would: presses go to the window at
// window coordinates and Qt decides which control receives them.

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <type_traits>

void pressAt(QWidget *window, QPoint position, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {});

// The centre of a control, in the coordinates of its window.
QPoint centreOf(const QWidget *control);

void clickControl(QWidget *control);

// Types text as keys; characters beyond ASCII arrive as the text of a key
// press, as an input method delivers them.
void typeText(QWidget *control, const QString &text);

// The control of that name and kind. Where the window has none, the test
// that asked fails, and goes on to its end with a hidden stand-in, so that
// one missing control costs that test and not the whole suite.
template<typename Control = QWidget>
Control *control(const QWidget *window, const QString &name)
{
    if (auto found = window->findChild<Control *>(name))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
    auto parent = const_cast<QWidget *>(window);
    Control *standIn;
    if constexpr (std::is_constructible_v<Control, QWidget *>)
        standIn = new Control(parent);
    else
        standIn = new Control({}, parent); // a control made from something, made from nothing
    standIn->hide();
    return standIn;
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

// Unloads every window and lets Qt delete what they leave behind, so that
// the next test starts from a program with no window loaded, on dungeon 1.
void unloadWindows();
