#pragma once

#include "storage/encounterfiles.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Storage {
class FileFollower;
}
class QRandomGenerator;

// The range of every number of a fight, one for the Combat window, the
// rules and the fight file's reader alike: what can be typed or reached
// can be saved and read back.
namespace FightLimits {
constexpr int MaxInitiative = 999'999;
constexpr int MinInitiative = -MaxInitiative;
constexpr int MaxHitPoints = 999'999;
constexpr int MaxConditionRounds = 9'999;
// Rounds and ids only count up; they stop here rather than overflow.
constexpr int MaxRound = 1'000'000'000;
constexpr int MaxId = 1'000'000'000;
constexpr int MinEncounter = -32'768; // the encounter numbers of the board
constexpr int MaxEncounter = 32'767;
} // namespace FightLimits

// A condition on a combatant, e.g. "stunned" for 2 rounds. Counted down at
// the start of the combatant's turn and removed at 0; without a number of
// rounds it lasts until the game master removes it.
struct Condition
{
    QString name;
    int rounds = 0; // 0: no count

    bool operator==(const Condition &) const = default;
};

struct Combatant
{
    enum class Side { Monster, Character };

    int id = 0; // the order of joining: ties in initiative keep it
    Side side = Side::Monster;
    QString group; // the monster table's name; one initiative per group
    QString name;  // "Goblin 2"
    int initiative = 0;
    QString armourClass;
    QString damage;
    int hitPoints = 0;
    int maximumHitPoints = 0; // 0: not known, so never defeated
    QList<Condition> conditions;
    bool hiddenFromPlayers = false;

    // A defeated monster is struck through and skipped by the turn.
    bool isDefeated() const
    {
        return side == Side::Monster && maximumHitPoints > 0 && hitPoints == 0;
    }
    bool operator==(const Combatant &) const = default;
};

// One line of the fight's log, with the round and whose turn it was.
struct LogEntry
{
    int round = 0; // 0 before the first turn
    QString turn;  // the name of whose turn it was
    QString text;  // "Goblin 1 takes 5 damage: 2 of 7 left"
    // Counts the entries of a log one by one, so that whoever shows it can
    // tell what is new; not kept in the file.
    int serial = 0;

    bool operator==(const LogEntry &other) const
    {
        return round == other.round && turn == other.turn && text == other.text;
    }
};

struct FightState
{
    QList<Combatant> combatants; // in the order they joined
    QList<int> encounters;       // added already: adding one again only shows the fight
    int round = 0;               // 0 before the first turn
    int currentId = 0;           // whose turn it is; 0 before the first turn
    int lastId = 0;
    QList<LogEntry> log;         // the latest last, at most MaxLogLength
    QJsonObject otherKeys;       // keys of the file this program does not know, kept

    bool operator==(const FightState &) const = default;

    static constexpr int MaxLogLength = 200;

    const Combatant *combatant(int id) const;
    // Indices into combatants, highest initiative first, ties in joining order.
    QList<int> order() const;
};

// --- The rules, without a fight --------------------------------------------------

// The maximum hit points of a monster row's HP cell: the first whole number
// outside dice notation ("22", "22 (4d8+4)"); otherwise its dice are rolled
// ("4d8+4"); 0 when the cell gives neither.
int hitPointsFromCell(const QString &cell, QRandomGenerator &generator);

// A number the game master typed, or why it is refused.
struct TypedNumber
{
    int value = 0;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// What the game master types into the hit point box: "7" and "-7" are
// damage (-7), "+7" is healing (+7).
TypedNumber parseHitPointChange(const QString &text);
// A whole number of initiative, e.g. "15" or "-2".
TypedNumber parseInitiative(const QString &text);

// The HP cell of a combatant: "30" (a new maximum) or "12 / 30" (both).
struct TypedHitPoints
{
    std::optional<int> current; // nothing: only the maximum typed
    int maximum = 0;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
TypedHitPoints parseHitPoints(const QString &text);

// "stunned 2, prone" and back.
QList<Condition> parseConditions(const QString &text);
QString conditionsText(const QList<Condition> &conditions);

// The players' side of the order: no numbers, no AC, no hidden monster.
struct PlayersEntry
{
    QString name;
    bool isCurrent = false;
    QString health; // "Healthy", "Hurt", "Bloodied", "Defeated"; empty for characters

    bool operator==(const PlayersEntry &) const = default;
};
QString healthWord(const Combatant &combatant);
QList<PlayersEntry> playersOrder(const FightState &state);

// What the players' view shows of the fight: the order, the round and turn
// counter, either, both or neither.
struct PlayersOrder
{
    PlayersOrder(QList<PlayersEntry> entries = {}, QString counter = {})
        : entries(std::move(entries)), counter(std::move(counter)) {}

    QList<PlayersEntry> entries;
    QString counter; // "Round 3 · Brakka"

    qsizetype size() const { return entries.size(); }
    bool isEmpty() const { return entries.isEmpty() && counter.isEmpty(); }
    bool operator==(const PlayersOrder &) const = default;
};

// "Round 3 · Brakka": the round and whose turn it is, "Round 3" on the turn
// of a monster hidden from the players; empty before the first turn.
QString turnCounter(const FightState &state);
// "Round 3 · Brakka: Goblin 1 takes 5 damage: 2 of 7 left", one line each.
QString logText(const QList<LogEntry> &log);

// --- The fight kept in its file ---------------------------------------------------

// The fight of one dungeon. Every change is one step of undo and redo and is
// written to the fight file at once, atomically.
class Fight : public QObject
{
    Q_OBJECT

public:
    enum class Opened { New, Restored, DamagedKeptAside, Unreadable };
    struct OpenResult
    {
        Opened opened = Opened::New;
        QString message; // what the game master is told, when anything
    };

    explicit Fight(QObject *parent = nullptr);

    // Reads the fight of the file; the undo of the fight it holds is kept
    // when the file holds it unchanged. A damaged file is renamed to
    // "<path>.damaged" (".damaged.2" and so on when that is taken, so that
    // no damaged file replaces another) and a new fight starts; one that
    // cannot be read or set aside is never written over: the fight is then
    // kept in memory only. The fight then follows the file when another copy
    // of the program changes it.
    OpenResult open(const QString &path);
    QString path() const { return m_path; }
    const FightState &state() const { return m_state; }
    // The outcome of the last write; a failure names the file and the reason.
    const Storage::WriteResult &lastSave() const { return m_lastSave; }

    // Adds the monsters of an encounter table (rows with a name) and the
    // characters not in the fight yet. False, changing nothing, when the
    // encounter is in the fight already.
    bool addEncounter(int number, const Storage::Cells &cells, const QStringList &characters,
                      QRandomGenerator &generator);
    void setInitiative(int id, int initiative);
    void setName(int id, const QString &name);
    void setArmourClass(int id, const QString &armourClass);
    void setDamage(int id, const QString &damage);
    // Both, the current hit points within the maximum.
    void setHitPoints(int id, int hitPoints, int maximumHitPoints);
    // A new maximum: hit points that were not known become the maximum,
    // known ones stay as they are, within it.
    void setMaximumHitPoints(int id, int maximumHitPoints);
    // Damage (negative) or healing, within 0 and the maximum, to each of ids as one step.
    void changeHitPoints(int id, int change);
    void changeHitPoints(const QList<int> &ids, int change);
    void setConditions(int id, const QList<Condition> &conditions);
    void setHiddenFromPlayers(int id, bool hidden);
    // Passes the turn to the next combatant not defeated, counting the round
    // up after the last, and counts down the new combatant's conditions.
    void nextTurn();
    // Takes the combatants out of the fight as one step. When the one whose
    // turn it is leaves, the turn passes on to the next in the order as Next
    // would pass it.
    void remove(const QList<int> &ids);
    void end();

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

signals:
    // Also when another copy of the program changed the file.
    void changed();

private:
    struct Step
    {
        FightState before, after;
    };

    // Applies edit as one undoable step, unless it changes nothing. With a
    // file, the edit is applied to what the file holds, read and written in
    // the dungeon folder's turn alone, so another copy's change stays.
    bool change(const std::function<void(FightState &)> &edit);
    void changeCombatant(int id, const std::function<void(Combatant &)> &edit);
    void changeCombatants(const QList<int> &ids, const std::function<void(Combatant &, FightState &)> &edit);
    // Applies edit to the state the file holds (the state in memory without
    // a file or when the file cannot be read), writes the result and shows
    // it; the state it was applied to and the result.
    Step apply(const std::function<void(FightState &)> &edit);
    void followFile();

    FightState m_state;
    QList<Step> m_undo;
    QList<Step> m_redo;
    QString m_path; // empty: not written
    Storage::WriteResult m_lastSave;
    // What the file held when it last agreed with m_state: a file still
    // holding it needs no reading again. Null when unknown.
    QByteArray m_fileBytes;
    Storage::FileFollower *m_follower = nullptr;
};

// The fight file's JSON, and back; nothing when the bytes are not a fight.
QByteArray encodeFight(const FightState &state);
std::optional<FightState> decodeFight(const QByteArray &bytes);

// The fight the bytes hold, or the reason they hold none, naming the value
// ("round", "revealed", a combatant's "initiative") and why.
struct FightRead
{
    std::optional<FightState> state;
    QString error;
};
FightRead readFight(const QByteArray &bytes);

// `theirs` with the step from `from` to `to` applied: the values and
// combatants the step changed are as in `to`, the others as in theirs.
FightState rebased(const FightState &theirs, const FightState &from, const FightState &to);

// Renames a damaged file to "<path>.damaged", or ".damaged.2" and on when
// that name is taken: no name is ever reused. The new path, or the reason
// the file cannot be moved.
struct KeptAside
{
    QString path;
    QString error;
};
KeptAside keepAside(const QString &path);
