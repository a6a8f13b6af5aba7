#include "combatantsmodel.h"

#include "fight/fight.h"

#include <QColor>
#include <QFont>

namespace {

QList<Combatant> rowsOf(const FightState &state)
{
    QList<Combatant> rows;
    rows.reserve(state.combatants.size());
    for (int index : state.order())
        rows.append(state.combatants[index]);
    return rows;
}

QList<int> idsOf(const QList<Combatant> &rows)
{
    QList<int> ids;
    ids.reserve(rows.size());
    for (const Combatant &c : rows)
        ids.append(c.id);
    return ids;
}

// Whether part is whole with some items left out, in the same order.
bool isPartOf(const QList<int> &part, const QList<int> &whole)
{
    qsizetype at = 0;
    for (int item : whole) {
        if (at < part.size() && part[at] == item)
            ++at;
    }
    return at == part.size();
}

} // namespace

CombatantsModel::CombatantsModel(Fight *fight, QObject *parent)
    : QAbstractTableModel(parent), m_fight(fight), m_rows(rowsOf(fight->state()))
{
    connect(fight, &Fight::changed, this, &CombatantsModel::refresh);
}

// Rows that move, leave or come back keep the selection of the others and
// any open editor: a change made in a cell must not destroy the editor that
// is committing it, and a removal must not lay the whole table out again.
void CombatantsModel::refresh()
{
    const QList<Combatant> rows = rowsOf(m_fight->state());
    const QList<int> before = idsOf(m_rows), after = idsOf(rows);
    // A few rows are cheaper taken out or put back one by one; many, such as
    // an encounter joining, laid out anew.
    const bool few = !before.isEmpty() && !after.isEmpty() && std::abs(after.size() - before.size()) <= 4;
    if (few && after.size() < before.size() && isPartOf(after, before)) {
        // From the bottom, so that the rows above keep their numbers.
        for (int row = int(before.size()) - 1; row >= 0; --row) {
            if (after.contains(before[row]))
                continue;
            int first = row;
            while (first > 0 && !after.contains(before[first - 1]))
                --first;
            beginRemoveRows({}, first, row);
            m_rows.remove(first, row - first + 1);
            endRemoveRows();
            row = first;
        }
    } else if (few && after.size() > before.size() && isPartOf(before, after)) {
        for (int row = 0; row < after.size(); ++row) {
            if (row < m_rows.size() && m_rows[row].id == after[row])
                continue;
            int last = row;
            while (last + 1 < after.size() && !before.contains(after[last + 1]))
                ++last;
            beginInsertRows({}, row, last);
            for (int added = row; added <= last; ++added)
                m_rows.insert(added, rows[added]);
            endInsertRows();
            row = last;
        }
    } else if (after.size() != before.size()) {
        beginResetModel();
        m_rows = rows;
        m_currentId = m_fight->state().currentId;
        endResetModel();
        return;
    } else if (after != before) {
        emit layoutAboutToBeChanged();
        const QModelIndexList persistent = persistentIndexList();
        QModelIndexList moved;
        for (const QModelIndex &index : persistent)
            moved.append(this->index(int(after.indexOf(before[index.row()])), index.column()));
        m_rows = rows;
        changePersistentIndexList(persistent, moved);
        emit layoutChanged();
    }
    const QList<Combatant> shown = std::exchange(m_rows, rows);
    const int wasCurrent = std::exchange(m_currentId, m_fight->state().currentId);
    // Only the rows that look different are painted again: a change of a
    // fight mostly touches one or two combatants.
    for (int row = 0; row < m_rows.size(); ++row) {
        const int id = m_rows[row].id;
        if (shown[row] != m_rows[row] || (id == wasCurrent) != (id == m_currentId))
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    // A header change makes the view lay itself out again: only when the turn passes.
    if (wasCurrent != m_currentId && !m_rows.isEmpty())
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int CombatantsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CombatantsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int CombatantsModel::rowOf(int id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].id == id)
            return row;
    }
    return -1;
}

QVariant CombatantsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const FightState &state = m_fight->state();
    const Combatant &c = m_rows[index.row()];
    const bool current = c.id == state.currentId;

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        // Typed in a plain text box, which takes a negative number as well.
        case Initiative: return QString::number(c.initiative);
        case Name: return c.name;
        case ArmourClass: return c.armourClass;
        case HitPoints:
            if (c.maximumHitPoints == 0 && role == Qt::DisplayRole)
                return QStringLiteral("\u2013");
            return QStringLiteral("%1 / %2").arg(QString::number(c.hitPoints), QString::number(c.maximumHitPoints));
        case Damage: return c.damage;
        case Conditions: return conditionsText(c.conditions);
        }
        break;
    case Qt::FontRole: {
        QFont font;
        font.setBold(current);
        font.setStrikeOut(c.isDefeated());
        font.setItalic(c.hiddenFromPlayers);
        return font;
    }
    case Qt::ForegroundRole:
        return c.isDefeated() ? QVariant(QColor(Qt::gray)) : QVariant();
    case Qt::BackgroundRole:
        return current ? QVariant(QColor(255, 236, 179)) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Name || index.column() == Conditions
                   ? int(Qt::AlignLeft | Qt::AlignVCenter)
                   : int(Qt::AlignCenter);
    case Qt::ToolTipRole:
        if (c.isDefeated())
            return tr("%1 is defeated").arg(c.name);
        if (c.hiddenFromPlayers)
            return tr("%1 is hidden from the players").arg(c.name);
        if (c.side == Combatant::Side::Character && index.column() == Initiative)
            return tr("Type the initiative %1 rolled").arg(c.name);
        break;
    case IdRole:
        return c.id;
    }
    return {};
}

bool CombatantsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int id = data(index, IdRole).toInt();
    const QString text = value.toString().trimmed();
    switch (index.column()) {
    case Initiative: {
        const TypedNumber initiative = parseInitiative(text);
        if (!initiative.ok()) {
            emit refused(index, initiative.error);
            return false;
        }
        m_fight->setInitiative(id, initiative.value);
        return true;
    }
    case Name:
        m_fight->setName(id, text);
        return true;
    case ArmourClass:
        m_fight->setArmourClass(id, text);
        return true;
    case HitPoints: {
        const TypedHitPoints hitPoints = parseHitPoints(text);
        if (!hitPoints.ok()) {
            emit refused(index, hitPoints.error);
            return false;
        }
        if (hitPoints.current)
            m_fight->setHitPoints(id, *hitPoints.current, hitPoints.maximum);
        else
            m_fight->setMaximumHitPoints(id, hitPoints.maximum);
        return true;
    }
    case Damage:
        m_fight->setDamage(id, text);
        return true;
    case Conditions:
        m_fight->setConditions(id, parseConditions(text));
        return true;
    }
    return false;
}

QVariant CombatantsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        const bool current = section < m_rows.size() && m_rows[section].id == m_fight->state().currentId;
        if (role == Qt::DisplayRole)
            return current ? QStringLiteral("\u25B6") : QString();
        if (role == Qt::ToolTipRole && current)
            return tr("Whose turn it is");
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Initiative: return tr("Initiative");
    case Name: return tr("Name");
    case ArmourClass: return tr("AC");
    case HitPoints: return tr("HP");
    case Damage: return tr("DMG");
    case Conditions: return tr("Conditions");
    }
    return {};
}

Qt::ItemFlags CombatantsModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}
