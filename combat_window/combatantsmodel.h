#pragma once

#include "fight/fight.h"

#include <QAbstractTableModel>

// The combatants of a fight in initiative order, one row each; the current
// combatant's row is marked in the vertical header, a defeated monster is
// struck through. Every cell can be edited.
class CombatantsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Initiative, Name, ArmourClass, HitPoints, Damage, Conditions, ColumnCount };
    static constexpr int IdRole = Qt::UserRole;

    explicit CombatantsModel(Fight *fight, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The row showing the combatant, -1 for none.
    int rowOf(int id) const;

signals:
    // What was typed into the cell at index is not taken, for that reason.
    void refused(const QModelIndex &index, const QString &reason);

private:
    void refresh();

    Fight *m_fight;
    QList<Combatant> m_rows; // as shown, in initiative order
    int m_currentId = 0;
};
