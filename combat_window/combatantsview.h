#pragma once

#include <QTableView>

// The combatants as the game master handles them at the table: a number
// typed with combatants selected is damage or healing for them, not a new
// name (a cell is edited by double-click or F2); Delete and the context menu
// take the selected combatants out of the fight.
class CombatantsView : public QTableView
{
    Q_OBJECT

public:
    explicit CombatantsView(QWidget *parent = nullptr);

    // The ids of the selected combatants, in the order shown.
    QList<int> selectedIds() const;

signals:
    // The first key of a hit point change, e.g. "5", "-" or "+".
    void hitPointsTyped(const QString &text);
    void removeRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
