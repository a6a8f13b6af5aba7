#include "combatantsview.h"

#include "combatantsmodel.h"

#include <QAction>
#include <QKeyEvent>

CombatantsView::CombatantsView(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Any other key would start editing the name: typed damage would rename.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    auto remove = new QAction(tr("Remove from the fight"), this);
    remove->setObjectName(QStringLiteral("removeCombatants"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    addAction(remove);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(remove, &QAction::triggered, this, &CombatantsView::removeRequested);
}

QList<int> CombatantsView::selectedIds() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QList<int> ids;
    for (const QModelIndex &row : rows)
        ids.append(row.data(CombatantsModel::IdRole).toInt());
    return ids;
}

void CombatantsView::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool numberKey = text.size() == 1 && (text[0].isDigit() || text == u"+" || text == u"-");
    if (numberKey && state() != EditingState && selectionModel()->hasSelection()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit hitPointsTyped(text);
        return;
    }
    QTableView::keyPressEvent(event);
}
