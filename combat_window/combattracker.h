#pragma once

#include "kit/combatform.h"
#include "fight/fight.h"

class CombatantsModel;
class CombatantsView;
class FightLogBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// The "Combat" window: the fight in initiative order with hit points and
// conditions, the turn and round, undo and redo, and a dice box. It shows
// the fight of the dungeon on display and follows it to another dungeon.
// Each load reads the fight from its file; the undo survives closing the
// window.
class CombatTracker : public CombatForm
{
    Q_OBJECT

public:
    static CombatTracker &instance();

    void joinFight(const EncounterOnDisplay &encounter) override;

    // The file of the dungeon's fight, e.g. ".../Dungeons/Dungeon1/fight.json".
    static QString fightFile();
    // Whether the dungeon's fight file holds combatants; reads nothing else.
    static bool fightGoingOn();

    // What the players' screen shows of the fight: nothing unless the game
    // master switched the order or the round and turn on and the window is loaded.
    PlayersOrder orderForPlayers() const;
    // The switch "Show the order on the players' view", kept while the window is closed.
    bool showsOrderToPlayers() const { return m_showOrderToPlayers; }
    void setShowOrderToPlayers(bool show);

signals:
    // What orderForPlayers() returns may have changed.
    void playersOrderChanged();

protected:
    void setupUi(QWidget *window) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    CombatTracker();

    void setupTurnBar(QWidget *window, QVBoxLayout *page);
    void setupTable(QWidget *window, QVBoxLayout *page);
    void setupHitPointsAndDice(QWidget *window, QVBoxLayout *page);
    void setupFooter(QWidget *window, QVBoxLayout *page);
    void setupShortcuts(QWidget *window);

    void openFightOfDungeon();
    void showFight();
    void showSelected();
    void hideSelectedFromPlayers(bool hidden);
    void typeHitPoints(const QString &text);
    void applyHitPointChange();
    void removeSelected();
    void showRefusal(const QModelIndex &index, const QString &reason);
    void rollDice();
    void endFight();
    void report(const QString &message);
    int selectedId() const;

    Fight &m_fight; // the fight of the dungeon on display
    QString m_fightFile; // the file opened, even when it could not be read
    QString m_openingReport; // what reading the file found, e.g. a damaged file
    QString m_report;        // the last thing the game master was told
    bool m_showOrderToPlayers = false; // kept while the window is closed
    bool m_showCounterToPlayers = false;

    QLabel *turn = nullptr;
    QPushButton *next = nullptr;
    QPushButton *undo = nullptr;
    QPushButton *redo = nullptr;
    CombatantsModel *model = nullptr;
    CombatantsView *combatants = nullptr;
    QLabel *cellError = nullptr;
    QLabel *selected = nullptr;
    QLineEdit *hpChange = nullptr;
    QLabel *hpError = nullptr;
    QCheckBox *hiddenFromPlayers = nullptr;
    QLineEdit *diceExpression = nullptr;
    QLabel *diceError = nullptr;
    QListWidget *diceLog = nullptr;
    FightLogBox *fightLog = nullptr;
    QLabel *status = nullptr;
    QCheckBox *showOrderToPlayers = nullptr;
    QCheckBox *showCounterToPlayers = nullptr;
    QPushButton *endFightButton = nullptr;
};
