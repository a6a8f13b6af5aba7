// The fight file: one JSON object, written whole on every change.
//   {"format": 1, "round": 2, "current": 3, "lastId": 7, "encounters": [12],
//    "combatants": [{"id": 1, "side": "monster", "group": "Goblin",
//                    "name": "Goblin 1", "initiative": 14, "ac": "15",
//                    "damage": "1d6", "hp": 7, "maxHp": 7,
//                    "conditions": [{"name": "stunned", "rounds": 2}],
//                    "hidden": false}],
//    "log": [{"round": 1, "turn": "Aria", "text": "Goblin 1 leaves the fight"}]}
// Keys this program does not know are kept at the top level.

#include "fight.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace {

const QStringList KnownKeys = {QStringLiteral("format"), QStringLiteral("round"), QStringLiteral("current"),
                               QStringLiteral("lastId"), QStringLiteral("encounters"),
                               QStringLiteral("combatants"), QStringLiteral("log")};
constexpr int Format = 1;
constexpr int Limit = 1'000'000; // no number of a fight comes near it

QJsonObject encodeCombatant(const Combatant &c)
{
    QJsonArray conditions;
    for (const Condition &condition : c.conditions)
        conditions.append(QJsonObject{{QStringLiteral("name"), condition.name},
                                      {QStringLiteral("rounds"), condition.rounds}});
    return {{QStringLiteral("id"), c.id},
            {QStringLiteral("side"), c.side == Combatant::Side::Character ? QStringLiteral("character")
                                                                         : QStringLiteral("monster")},
            {QStringLiteral("group"), c.group},
            {QStringLiteral("name"), c.name},
            {QStringLiteral("initiative"), c.initiative},
            {QStringLiteral("ac"), c.armourClass},
            {QStringLiteral("damage"), c.damage},
            {QStringLiteral("hp"), c.hitPoints},
            {QStringLiteral("maxHp"), c.maximumHitPoints},
            {QStringLiteral("conditions"), conditions},
            {QStringLiteral("hidden"), c.hiddenFromPlayers}};
}

// A whole number within the limits, or nothing.
std::optional<int> number(const QJsonValue &value, int lowest)
{
    if (!value.isDouble())
        return std::nullopt;
    const double n = value.toDouble();
    if (n != double(qint64(n)) || n < lowest || n > Limit)
        return std::nullopt;
    return int(n);
}

std::optional<Combatant> decodeCombatant(const QJsonValue &value)
{
    const QJsonObject o = value.toObject();
    const auto id = number(o[u"id"], 1);
    const auto initiative = number(o[u"initiative"], -Limit);
    const auto hitPoints = number(o[u"hp"], 0);
    const auto maximum = number(o[u"maxHp"], 0);
    const QString side = o[u"side"].toString();
    if (!value.isObject() || !id || !initiative || !hitPoints || !maximum || *hitPoints > *maximum
        || !o[u"name"].isString() || (side != u"monster" && side != u"character")
        || !o[u"conditions"].isArray())
        return std::nullopt;

    Combatant c;
    c.id = *id;
    c.side = side == u"character" ? Combatant::Side::Character : Combatant::Side::Monster;
    c.name = o[u"name"].toString();
    c.group = o[u"group"].toString(c.name);
    c.initiative = *initiative;
    c.armourClass = o[u"ac"].toString();
    c.damage = o[u"damage"].toString();
    c.hitPoints = *hitPoints;
    c.maximumHitPoints = *maximum;
    c.hiddenFromPlayers = o[u"hidden"].toBool();
    for (const QJsonValue &item : o[u"conditions"].toArray()) {
        const auto rounds = number(item[u"rounds"], 0);
        if (!item[u"name"].isString() || !rounds)
            return std::nullopt;
        c.conditions.append({item[u"name"].toString(), *rounds});
    }
    return c;
}

} // namespace

QByteArray encodeFight(const FightState &state)
{
    QJsonObject root = state.otherKeys;
    QJsonArray combatants;
    for (const Combatant &c : state.combatants)
        combatants.append(encodeCombatant(c));
    QJsonArray encounters;
    for (int number : state.encounters)
        encounters.append(number);
    root.insert(QStringLiteral("format"), Format);
    root.insert(QStringLiteral("round"), state.round);
    root.insert(QStringLiteral("current"), state.currentId);
    root.insert(QStringLiteral("lastId"), state.lastId);
    root.insert(QStringLiteral("encounters"), encounters);
    root.insert(QStringLiteral("combatants"), combatants);
    QJsonArray log;
    for (const LogEntry &entry : state.log)
        log.append(QJsonObject{{QStringLiteral("round"), entry.round}, {QStringLiteral("turn"), entry.turn},
                               {QStringLiteral("text"), entry.text}});
    root.insert(QStringLiteral("log"), log);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<FightState> decodeFight(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    const auto round = number(root[u"round"], 0);
    const auto currentId = number(root[u"current"], 0);
    const auto lastId = number(root[u"lastId"], 0);
    if (error.error != QJsonParseError::NoError || !document.isObject() || number(root[u"format"], 1) != Format
        || !round || !currentId || !lastId || !root[u"combatants"].isArray() || !root[u"encounters"].isArray())
        return std::nullopt;

    FightState state;
    state.round = *round;
    state.currentId = *currentId;
    state.lastId = *lastId;
    QSet<int> ids;
    for (const QJsonValue &value : root[u"combatants"].toArray()) {
        std::optional<Combatant> combatant = decodeCombatant(value);
        if (!combatant || combatant->id > state.lastId || ids.contains(combatant->id))
            return std::nullopt;
        ids.insert(combatant->id);
        state.combatants.append(std::move(*combatant));
    }
    for (const QJsonValue &value : root[u"encounters"].toArray()) {
        const auto encounter = number(value, -Limit);
        if (!encounter)
            return std::nullopt;
        state.encounters.append(*encounter);
    }
    // A file written before the log had none.
    for (const QJsonValue &value : root[u"log"].toArray()) {
        const auto round = number(value[u"round"], 0);
        if (!round || !value[u"turn"].isString() || !value[u"text"].isString())
            return std::nullopt;
        state.log.append({*round, value[u"turn"].toString(), value[u"text"].toString(), int(state.log.size()) + 1});
    }
    if (state.log.size() > FightState::MaxLogLength)
        state.log.remove(0, state.log.size() - FightState::MaxLogLength);
    if (state.currentId != 0 && !ids.contains(state.currentId))
        return std::nullopt;
    for (auto key = root.begin(); key != root.end(); ++key) {
        if (!KnownKeys.contains(key.key()))
            state.otherKeys.insert(key.key(), key.value());
    }
    return state;
}
