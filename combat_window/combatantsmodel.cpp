#include "combatantsmodel.h"

#include "fight/fight.h"

#include <QColor>
#include <QFont>
#include <QRegularExpression>

CombatantsModel::CombatantsModel(Fight *fight, QObject *parent)
    : QAbstractTableModel(parent), m_fight(fight), m_order(fight->state().order())
{
    connect(fight, &Fight::changed, this, &CombatantsModel::refresh);
}

// Rows that only move keep their selection and any open editor: a change
// made in a cell must not destroy the editor that is committing it.
void CombatantsModel::refresh()
{
    const QList<int> order = m_fight->state().order();
    if (order.size() != m_order.size()) {
        beginResetModel();
        m_order = order;
        m_currentId = m_fight->state().currentId;
        endResetModel();
        return;
    }
    if (order != m_order) {
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex &index : before)
            after.append(this->index(int(order.indexOf(m_order[index.row()])), index.column()));
        m_order = order;
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    // A header change makes the view lay itself out again: only when the turn passes.
    if (std::exchange(m_currentId, m_fight->state().currentId) != m_currentId)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int CombatantsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int CombatantsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int CombatantsModel::rowOf(int id) const
{
    for (int row = 0; row < m_order.size(); ++row) {
        if (m_fight->state().combatants[m_order[row]].id == id)
            return row;
    }
    return -1;
}

QVariant CombatantsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const FightState &state = m_fight->state();
    const Combatant &c = state.combatants[m_order[index.row()]];
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
        bool ok = false;
        const int initiative = text.toInt(&ok);
        // What the fight file could not hold back is refused as it is typed.
        if (!ok || initiative < FightLimits::MinInitiative || initiative > FightLimits::MaxInitiative)
            return false;
        m_fight->setInitiative(id, initiative);
        return true;
    }
    case Name:
        m_fight->setName(id, text);
        return true;
    case ArmourClass:
        m_fight->setArmourClass(id, text);
        return true;
    case HitPoints: {
        // "30" is a new maximum; "12 / 30" sets both. Six digits at most.
        static_assert(FightLimits::MaxHitPoints == 999'999);
        static const QRegularExpression hitPoints(QStringLiteral(R"(^(\d{1,6})(?:\s*/\s*(\d{1,6}))?$)"));
        const QRegularExpressionMatch match = hitPoints.match(text);
        if (!match.hasMatch())
            return false;
        const Combatant *c = m_fight->state().combatant(id);
        if (match.hasCaptured(2))
            m_fight->setHitPoints(id, match.captured(1).toInt(), match.captured(2).toInt());
        else
            m_fight->setHitPoints(id, c->maximumHitPoints == 0 ? match.captured(1).toInt() : c->hitPoints,
                                  match.captured(1).toInt());
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
        const bool current = section < m_order.size()
                             && m_fight->state().combatants[m_order[section]].id == m_fight->state().currentId;
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
