#include "fight.h"

#include "dice.h"

#include "storage/filefollower.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Fight", text);
}

} // namespace

// --- The state ---------------------------------------------------------------------

const Combatant *FightState::combatant(int id) const
{
    const auto found = std::find_if(combatants.begin(), combatants.end(),
                                    [id](const Combatant &c) { return c.id == id; });
    return found == combatants.end() ? nullptr : &*found;
}

QList<int> FightState::order() const
{
    QList<int> indices(combatants.size());
    std::iota(indices.begin(), indices.end(), 0);
    std::stable_sort(indices.begin(), indices.end(), [this](int a, int b) {
        return combatants[a].initiative > combatants[b].initiative;
    });
    return indices;
}

// --- The rules ---------------------------------------------------------------------

int hitPointsFromCell(const QString &cell, QRandomGenerator &generator)
{
    static const QRegularExpression wholeNumber(QStringLiteral(R"(\d+)"));
    const QRegularExpressionMatch number = wholeNumber.match(Dice::withoutDice(cell));
    if (number.hasMatch())
        return number.capturedLength() > 6 ? FightLimits::MaxHitPoints : number.capturedView().toInt();
    const Dice::Parsed dice = Dice::parse(cell);
    return dice.ok() ? std::max(1, Dice::roll(cell, dice.expression, generator).total) : 0;
}

namespace {

// Typed numbers stay within what the fight file holds.
constexpr int MaxTyped = FightLimits::MaxHitPoints;
static_assert(FightLimits::MaxInitiative == MaxTyped && -FightLimits::MinInitiative == MaxTyped);

// A whole number with an optional sign, or why not; the sign is returned apart.
TypedNumber typedNumber(const QString &text, QStringView *sign, const QString &notANumber,
                        const char *tooLargeText)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?)\s*(\d+)\s*$)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return {0, notANumber};
    const QStringView digits = match.capturedView(2);
    const qint64 value = digits.size() > 12 ? qint64(MaxTyped) + 1 : digits.toLongLong();
    if (value > MaxTyped)
        return {0, tr(tooLargeText).arg(digits.toString(), QString::number(MaxTyped))};
    *sign = match.capturedView(1);
    return {int(value), {}};
}

} // namespace

TypedNumber parseHitPointChange(const QString &text)
{
    QStringView sign;
    TypedNumber typed = typedNumber(text, &sign, tr("Type a number: 7 or -7 is damage, +7 is healing."),
                                    QT_TR_NOOP("%1 is too large: at most %2 at a time."));
    if (typed.ok() && sign != u"+")
        typed.value = -typed.value;
    return typed;
}

TypedNumber parseInitiative(const QString &text)
{
    QStringView sign;
    TypedNumber typed = typedNumber(
            text, &sign, tr("\"%1\" is not an initiative: type a whole number, e.g. 15.").arg(text.trimmed()),
            QT_TR_NOOP("%1 is too large for an initiative: at most %2."));
    if (typed.ok() && sign == u"-")
        typed.value = -typed.value;
    return typed;
}

TypedHitPoints parseHitPoints(const QString &text)
{
    static const QRegularExpression hitPoints(QStringLiteral(R"(^\s*(\d+)(?:\s*/\s*(\d+))?\s*$)"));
    const QRegularExpressionMatch match = hitPoints.match(text);
    if (!match.hasMatch())
        return {{}, 0, tr("\"%1\" is not hit points: type 30, or 12 / 30.").arg(text.trimmed())};
    QList<int> numbers;
    for (int group = 1; group <= 2 && match.hasCaptured(group); ++group) {
        const QStringView digits = match.capturedView(group);
        if (digits.size() > 6)
            return {{}, 0, tr("%1 is too large for hit points: at most %2.").arg(digits.toString(),
                                                                                   QString::number(MaxTyped))};
        numbers.append(digits.toInt());
    }
    if (numbers.size() == 1)
        return {{}, numbers[0], {}};
    return {numbers[0], numbers[1], {}};
}

QList<Condition> parseConditions(const QString &text)
{
    static_assert(FightLimits::MaxConditionRounds == 9'999); // four digits
    static const QRegularExpression counted(QStringLiteral(R"(^(.*\S)\s+(\d{1,4})$)"));
    QList<Condition> conditions;
    for (const QString &item : text.split(QRegularExpression(QStringLiteral("[,;]")))) {
        const QString trimmed = item.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QRegularExpressionMatch match = counted.match(trimmed);
        if (match.hasMatch() && match.capturedView(2).toInt() > 0)
            conditions.append({match.captured(1), match.capturedView(2).toInt()});
        else if (!match.hasMatch())
            conditions.append({trimmed, 0});
    }
    return conditions;
}

QString conditionsText(const QList<Condition> &conditions)
{
    QStringList items;
    for (const Condition &condition : conditions)
        items.append(condition.rounds ? QStringLiteral("%1 %2").arg(condition.name, QString::number(condition.rounds))
                                      : condition.name);
    return items.join(QStringLiteral(", "));
}

QString healthWord(const Combatant &combatant)
{
    if (combatant.side == Combatant::Side::Character)
        return {};
    if (combatant.maximumHitPoints == 0 || combatant.hitPoints == combatant.maximumHitPoints)
        return tr("Healthy");
    if (combatant.hitPoints == 0)
        return tr("Defeated");
    return 2 * combatant.hitPoints <= combatant.maximumHitPoints ? tr("Bloodied") : tr("Hurt");
}

QList<PlayersEntry> playersOrder(const FightState &state)
{
    QList<PlayersEntry> entries;
    for (int index : state.order()) {
        const Combatant &combatant = state.combatants[index];
        if (!combatant.hiddenFromPlayers)
            entries.append({combatant.name, combatant.id == state.currentId, healthWord(combatant)});
    }
    return entries;
}

QString turnCounter(const FightState &state)
{
    const Combatant *current = state.combatant(state.currentId);
    if (!current)
        return {};
    // A monster hidden from the players is not named to them.
    return current->hiddenFromPlayers ? tr("Round %1").arg(state.round)
                                      : tr("Round %1 \u00B7 %2").arg(QString::number(state.round), current->name);
}

QString logText(const QList<LogEntry> &log)
{
    QString text;
    for (const LogEntry &entry : log) {
        text += entry.round == 0 ? tr("Before the first turn: %1").arg(entry.text)
                                 : tr("Round %1 \u00B7 %2: %3").arg(QString::number(entry.round), entry.turn,
                                                                   entry.text);
        text += u'\n';
    }
    return text;
}

namespace {

void note(FightState &state, const QString &text)
{
    const Combatant *current = state.combatant(state.currentId);
    state.log.append({state.round, current ? current->name : QString(), text,
                      state.log.isEmpty() ? 1 : state.log.last().serial + 1});
    if (state.log.size() > FightState::MaxLogLength)
        state.log.remove(0, state.log.size() - FightState::MaxLogLength);
}

QString hitPointsNote(const Combatant &before, const Combatant &after)
{
    const QString name = after.name;
    const QString left = QString::number(after.hitPoints), of = QString::number(after.maximumHitPoints);
    if (after.hitPoints < before.hitPoints) {
        const QString damage = QString::number(before.hitPoints - after.hitPoints);
        return after.isDefeated() ? tr("%1 takes %2 damage and is defeated").arg(name, damage)
                                  : tr("%1 takes %2 damage: %3 of %4 left").arg(name, damage, left, of);
    }
    return tr("%1 is healed by %2: %3 of %4").arg(name, QString::number(after.hitPoints - before.hitPoints),
                                                  left, of);
}

// Passes the turn on from the combatant at position in order to the next
// one not defeated, counting the round up after the last.
void passTurn(FightState &state, const QList<int> &order, qsizetype position)
{
    const auto isUp = [&](qsizetype at) { return !state.combatants[order[at]].isDefeated(); };
    state.round = std::max(state.round, 1);
    do {
        if (++position >= order.size()) {
            position = 0;
            state.round = std::min(state.round + 1, FightLimits::MaxRound);
        }
    } while (!isUp(position));

    Combatant &next = state.combatants[order[position]];
    state.currentId = next.id;
    QList<Condition> lasting;
    for (Condition condition : std::as_const(next.conditions)) {
        if (condition.rounds == 0 || --condition.rounds > 0)
            lasting.append(condition);
        else
            note(state, tr("%1 is no longer %2").arg(next.name, condition.name));
    }
    state.combatants[order[position]].conditions = lasting;
}

} // namespace

// --- The fight -------------------------------------------------------------------

Fight::Fight(QObject *parent) : QObject(parent) {}

Fight::OpenResult Fight::open(const QString &path)
{
    const bool sameFile = path == m_path;
    const FightState before = std::exchange(m_state, {});
    m_path.clear();
    m_lastSave = {};
    m_fileBytes.clear();
    OpenResult result;

    const QString folder = QFileInfo(path).path();
    const Storage::FileRead file = Storage::readFileShared(folder, path);
    const QString name = QDir::toNativeSeparators(path);
    if (!file.error.isEmpty()) {
        result = {Opened::Unreadable, tr("Cannot read %1: %2. This fight is not saved.").arg(name, file.error)};
    } else if (!file.content) {
        m_path = path;
    } else if (FightRead read = readFight(*file.content); read.state) {
        m_state = std::move(*read.state);
        m_fileBytes = *file.content;
        m_path = path;
        result.opened = Opened::Restored;
    } else if (const KeptAside aside = keepAside(path); aside.error.isEmpty()) {
        m_path = path;
        result = {Opened::DamagedKeptAside,
                  tr("The fight file %1 was damaged: %2. It is kept as %3 and a new fight begins.")
                          .arg(name, read.error, QFileInfo(aside.path).fileName())};
    } else {
        result = {Opened::Unreadable,
                  tr("The fight file %1 is damaged (%2) and cannot be set aside: %3. This fight is not saved.")
                          .arg(name, read.error, aside.error)};
    }
    // Reading back the fight just written keeps its undo.
    if (!sameFile || m_state != before) {
        m_undo.clear();
        m_redo.clear();
    }
    followFile();
    emit changed();
    return result;
}

bool Fight::addEncounter(int number, const Storage::Cells &cells, const QStringList &characters,
                         QRandomGenerator &generator)
{
    if (number > 0 && m_state.encounters.contains(number))
        return false;
    return change([&](FightState &state) {
        // Another copy of the program may have added it meanwhile.
        if (number > 0 && state.encounters.contains(number))
            return;
        if (number > 0 && number <= FightLimits::MaxEncounter)
            state.encounters.append(number);
        constexpr int Rows = EncounterShape::MonsterRows;
        const auto cell = [&cells](int column, int row) {
            return cells[EncounterShape::cellIndex(column, row)].trimmed();
        };

        QStringList names;
        for (int row = 0; row < Rows; ++row)
            names.append(cell(0, row));
        for (int row = 0; row < Rows; ++row) {
            const QString &group = names[row];
            if (group.isEmpty() || state.lastId == FightLimits::MaxId)
                continue;
            Combatant monster;
            monster.id = ++state.lastId;
            monster.group = group;
            const auto inGroup = std::count_if(state.combatants.begin(), state.combatants.end(),
                                               [&group](const Combatant &c) { return c.group == group; });
            const auto sameNameRows = names.count(group);
            monster.name = inGroup == 0 && sameNameRows == 1
                    ? group
                    : QStringLiteral("%1 %2").arg(group, QString::number(inGroup + 1));
            const auto relative = std::find_if(state.combatants.begin(), state.combatants.end(),
                                               [&group](const Combatant &c) { return c.group == group; });
            monster.initiative = relative != state.combatants.end() ? relative->initiative
                                                                    : int(generator.bounded(20)) + 1;
            monster.armourClass = cell(1, row);
            monster.damage = cell(2, row);
            monster.maximumHitPoints = monster.hitPoints
                    = std::min(hitPointsFromCell(cell(3, row), generator), FightLimits::MaxHitPoints);
            state.combatants.append(monster);
        }

        for (const QString &name : characters) {
            const QString trimmed = name.trimmed();
            const bool present = std::any_of(state.combatants.begin(), state.combatants.end(), [&](const Combatant &c) {
                return c.side == Combatant::Side::Character && c.name == trimmed;
            });
            if (trimmed.isEmpty() || present || state.lastId == FightLimits::MaxId)
                continue;
            Combatant character;
            character.id = ++state.lastId;
            character.side = Combatant::Side::Character;
            character.group = character.name = trimmed;
            state.combatants.append(character);
        }
    });
}

void Fight::setInitiative(int id, int initiative)
{
    initiative = std::clamp(initiative, FightLimits::MinInitiative, FightLimits::MaxInitiative);
    changeCombatant(id, [initiative](Combatant &c) { c.initiative = initiative; });
}

void Fight::setName(int id, const QString &name)
{
    if (!name.trimmed().isEmpty())
        changeCombatant(id, [&name](Combatant &c) { c.name = name.trimmed(); });
}

void Fight::setArmourClass(int id, const QString &armourClass)
{
    changeCombatant(id, [&armourClass](Combatant &c) { c.armourClass = armourClass.trimmed(); });
}

void Fight::setDamage(int id, const QString &damage)
{
    changeCombatant(id, [&damage](Combatant &c) { c.damage = damage.trimmed(); });
}

void Fight::setHitPoints(int id, int hitPoints, int maximumHitPoints)
{
    changeCombatants({id}, [=](Combatant &c, FightState &state) {
        c.maximumHitPoints = std::clamp(maximumHitPoints, 0, FightLimits::MaxHitPoints);
        c.hitPoints = std::clamp(hitPoints, 0, c.maximumHitPoints);
        note(state, tr("%1 has %2 of %3 hit points")
                            .arg(c.name, QString::number(c.hitPoints), QString::number(c.maximumHitPoints)));
    });
}

void Fight::setMaximumHitPoints(int id, int maximumHitPoints)
{
    if (const Combatant *c = m_state.combatant(id))
        setHitPoints(id, c->maximumHitPoints == 0 ? maximumHitPoints : c->hitPoints, maximumHitPoints);
}

void Fight::changeHitPoints(int id, int change)
{
    changeHitPoints(QList<int>{id}, change);
}

void Fight::changeHitPoints(const QList<int> &ids, int change)
{
    changeCombatants(ids, [change](Combatant &c, FightState &state) {
        const Combatant before = c;
        c.hitPoints = int(std::clamp(qint64(c.hitPoints) + change, qint64(0), qint64(c.maximumHitPoints)));
        if (c.hitPoints != before.hitPoints)
            note(state, hitPointsNote(before, c));
    });
}

void Fight::setConditions(int id, const QList<Condition> &conditions)
{
    QList<Condition> kept = conditions;
    for (Condition &condition : kept)
        condition.rounds = std::clamp(condition.rounds, 0, FightLimits::MaxConditionRounds);
    changeCombatants({id}, [&kept](Combatant &c, FightState &state) {
        if (c.conditions == kept)
            return;
        c.conditions = kept;
        note(state, kept.isEmpty() ? tr("%1 has no conditions").arg(c.name)
                                   : tr("%1: %2").arg(c.name, conditionsText(kept)));
    });
}

void Fight::setHiddenFromPlayers(int id, bool hidden)
{
    changeCombatant(id, [hidden](Combatant &c) { c.hiddenFromPlayers = hidden; });
}

void Fight::nextTurn()
{
    change([](FightState &state) {
        const QList<int> order = state.order();
        if (std::all_of(order.begin(), order.end(), [&](int index) { return state.combatants[index].isDefeated(); }))
            return; // nobody left to act
        qsizetype position = -1;
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (state.combatants[order[i]].id == state.currentId)
                position = i;
        }
        passTurn(state, order, position);
    });
}

void Fight::remove(const QList<int> &ids)
{
    change([&ids](FightState &state) {
        const QList<int> order = state.order();
        // The one whose turn it is leaves: the turn passes on from its place
        // among those who stay, so the rest of the round is not lost.
        qsizetype position = -1;
        bool currentLeaves = false;
        QList<int> staying;
        for (int index : order) {
            const Combatant &c = state.combatants[index];
            if (c.id == state.currentId) {
                currentLeaves = ids.contains(c.id);
                position = staying.size() - 1;
            }
            if (!ids.contains(c.id))
                staying.append(c.id);
        }
        for (const Combatant &c : std::as_const(state.combatants)) {
            if (ids.contains(c.id))
                note(state, tr("%1 leaves the fight").arg(c.name));
        }
        state.combatants.removeIf([&ids](const Combatant &c) { return ids.contains(c.id); });
        if (state.combatants.isEmpty()) {
            state.round = 0;
            state.currentId = 0;
        } else if (currentLeaves) {
            const QList<int> left = state.order();
            if (std::all_of(left.begin(), left.end(), [&](int index) { return state.combatants[index].isDefeated(); }))
                state.currentId = 0;
            else
                passTurn(state, left, position);
        }
    });
}

void Fight::end()
{
    change([](FightState &state) {
        QJsonObject otherKeys = state.otherKeys;
        state = {};
        state.otherKeys = otherKeys;
    });
}

void Fight::undo()
{
    if (m_undo.isEmpty())
        return;
    const Step step = m_undo.takeLast();
    // The step is taken back from what the file holds now: changes another
    // copy made since stay.
    apply([&step](FightState &state) { state = rebased(state, step.after, step.before); });
    m_redo.append(step);
}

void Fight::redo()
{
    if (m_redo.isEmpty())
        return;
    const Step step = m_redo.takeLast();
    apply([&step](FightState &state) { state = rebased(state, step.before, step.after); });
    m_undo.append(step);
}

bool Fight::change(const std::function<void(FightState &)> &edit)
{
    const Step step = apply(edit);
    if (step.before == step.after)
        return false;
    m_undo.append(step);
    m_redo.clear();
    return true;
}

void Fight::changeCombatant(int id, const std::function<void(Combatant &)> &edit)
{
    changeCombatants({id}, [&edit](Combatant &c, FightState &) { edit(c); });
}

// The edit may note what it did in the log; a combatant it leaves unchanged
// is noted nothing.
void Fight::changeCombatants(const QList<int> &ids, const std::function<void(Combatant &, FightState &)> &edit)
{
    change([&](FightState &state) {
        for (qsizetype i = 0; i < state.combatants.size(); ++i) {
            if (!ids.contains(state.combatants[i].id))
                continue;
            Combatant edited = state.combatants[i];
            FightState noted = state;
            edit(edited, noted);
            if (edited != state.combatants[i]) {
                state.log = noted.log;
                state.combatants[i] = edited;
            }
        }
    });
}

Fight::Step Fight::apply(const std::function<void(FightState &)> &edit)
{
    Step step{m_state, m_state};
    if (m_path.isEmpty()) {
        edit(step.after);
    } else {
        QByteArray written;
        m_lastSave = Storage::updateFile(QFileInfo(m_path).path(), m_path, [&](const QByteArray *old) {
            // The file as this copy wrote or read it last needs no reading again.
            if (old && *old == m_fileBytes) {
                step.before = step.after = m_state;
            } else if (old) {
                FightRead theirs = readFight(*old);
                if (!theirs.state)
                    return Storage::Update{std::nullopt, tr("it cannot be read: %1").arg(theirs.error)};
                step.before = step.after = std::move(*theirs.state);
            }
            edit(step.after);
            written = encodeFight(step.after);
            return Storage::Update{written, {}};
        });
        // Unsaved, the change is still shown: the game master is told.
        if (!m_lastSave.ok()) {
            m_fileBytes.clear();
            step = {m_state, m_state};
            edit(step.after);
        } else if (!written.isNull()) {
            m_fileBytes = written;
        }
        if (m_follower)
            m_follower->watch();
    }
    if (step.after != m_state) {
        m_state = step.after;
        emit changed();
    }
    return step;
}

void Fight::followFile()
{
    delete m_follower;
    m_follower = nullptr;
    if (m_path.isEmpty())
        return;
    m_follower = new Storage::FileFollower(m_path, this);
    connect(m_follower, &Storage::FileFollower::mayHaveChanged, this, [this] {
        const Storage::FileRead file = Storage::readFileShared(QFileInfo(m_path).path(), m_path);
        if (!file.content || *file.content == m_fileBytes)
            return;
        std::optional<FightState> state = decodeFight(*file.content);
        if (!state)
            return;
        m_fileBytes = *file.content;
        if (*state != m_state) {
            m_state = std::move(*state);
            emit changed();
        }
    });
}
