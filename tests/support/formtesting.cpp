#include "formtesting.h"

#include "current/currentdungeon.h"

#include "kit/combatform.h"
#include "kit/form.h"
#include "kit/module1.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

void pressAt(QWidget *window, QPoint position, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(window->windowHandle(), button, modifiers, position);
    QTest::mouseRelease(window->windowHandle(), button, modifiers, position);
}

QPoint centreOf(const QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void clickControl(QWidget *control)
{
    pressAt(control->window(), centreOf(control));
}

void typeText(QWidget *control, const QString &text)
{
    for (QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(control, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

QWidget *board()
{
    return Module1::DungeonWindow->window();
}

QWidget *editor()
{
    return Module1::EditorWindow->window();
}

bool showBoard()
{
    Module1::DungeonWindow->show();
    return QTest::qWaitForWindowExposed(board());
}

void unloadWindows()
{
    Module1::CombatWindow->unload();
    Module1::EditorWindow->unload();
    Module1::DungeonWindow->unload();
    // As a program started afresh, the next board opens on dungeon 1.
    if (Module1::DungeonOnDisplay && Module1::DungeonOnDisplay->number() != 1)
        Module1::DungeonOnDisplay->open(1, {});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
