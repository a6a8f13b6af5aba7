#include "boardmenu.h"

#include "kit/theme.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

BoardMenu::BoardMenu(QWidget *board, QWidget *mapBox)
    : QObject(board), m_board(board), m_mapBox(mapBox), m_dark(Theme::darkAction(board))
{
    board->installEventFilter(this);
}

void BoardMenu::addDungeonCommand(const QString &text, QKeySequence keys, std::function<void()> run)
{
    m_dungeonCommands.append({text, keys, std::move(run)});
}

QMenu *BoardMenu::menu()
{
    if (!m_menu) {
        m_menu = new QMenu(m_board);
        m_menu->setObjectName(QStringLiteral("boardMenu"));
        QMenu *dungeon = m_menu->addMenu(tr("Dungeon"));
        dungeon->setObjectName(QStringLiteral("dungeon"));
        for (const Command &command : std::as_const(m_dungeonCommands)) {
            QAction *action = dungeon->addAction(command.text, command.run);
            // Shown beside the text; the board's shortcut runs it.
            action->setShortcut(command.keys);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QMenu *view = m_menu->addMenu(tr("View"));
        view->setObjectName(QStringLiteral("view"));
        view->addAction(m_dark);
    }
    return m_menu;
}

bool BoardMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_board || event->type() != QEvent::ContextMenu)
        return false;
    const auto menuEvent = static_cast<QContextMenuEvent *>(event);
    const QWidget *under = m_board->childAt(menuEvent->pos());
    if (under && (under == m_mapBox || m_mapBox->isAncestorOf(under)))
        return false;
    menu()->popup(menuEvent->globalPos());
    return true;
}
