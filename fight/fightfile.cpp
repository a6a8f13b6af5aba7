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

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>

namespace {

const QStringList KnownKeys = {QStringLiteral("format"), QStringLiteral("round"), QStringLiteral("current"),
                               QStringLiteral("lastId"), QStringLiteral("encounters"),
                               QStringLiteral("combatants"), QStringLiteral("log")};
constexpr int Format = 1;

QString tr(const char *text)
{
    return QCoreApplication::translate("Fight", text);
}

// The file is rewritten on every change of the fight, so its text is put
// together directly: building QJsonObjects first costs ten times as much.
class JsonText
{
public:
    JsonText &open(char bracket)
    {
        separate();
        m_text += bracket;
        m_first = true;
        return *this;
    }
    JsonText &close(char bracket)
    {
        m_text += bracket;
        m_first = false;
        return *this;
    }
    // Each entry of the top level and of its arrays on a line of its own.
    JsonText &newLine()
    {
        m_lineBreak = true;
        return *this;
    }
    JsonText &key(const QString &name)
    {
        value(name);
        m_text += ": ";
        m_afterKey = true;
        return *this;
    }
    JsonText &value(int number)
    {
        separate();
        m_text += QByteArray::number(number);
        return *this;
    }
    JsonText &value(bool truth)
    {
        separate();
        m_text += truth ? "true" : "false";
        return *this;
    }
    JsonText &value(const QString &text)
    {
        separate();
        m_text += '"';
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t unit = text.at(i).unicode();
            if (unit == '"' || unit == '\\') {
                m_text += '\\';
                m_text += char(unit);
            } else if (unit < 0x20) {
                escape(unit);
            } else if (unit < 0x80) {
                m_text += char(unit);
            } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size()
                       && text.at(i + 1).isLowSurrogate()) {
                appendUtf8(QChar::surrogateToUcs4(unit, text.at(++i).unicode()));
            } else if (QChar::isSurrogate(unit)) {
                // A lone half of a pair has no UTF-8; escaped, it reads back as it was.
                escape(unit);
            } else {
                appendUtf8(unit);
            }
        }
        m_text += '"';
        return *this;
    }
    // A value this program does not know, as Qt writes it.
    JsonText &value(const QJsonValue &other)
    {
        separate();
        const QByteArray wrapped = QJsonDocument(QJsonArray{other}).toJson(QJsonDocument::Compact);
        m_text += QByteArrayView(wrapped).sliced(1, wrapped.size() - 2);
        return *this;
    }
    QByteArray text() const { return m_text + '\n'; }

private:
    void escape(char16_t unit)
    {
        static const char hex[] = "0123456789abcdef";
        m_text += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            m_text += hex[(unit >> shift) & 0xf];
    }
    void appendUtf8(char32_t code)
    {
        if (code < 0x800) {
            m_text += char(0xc0 | (code >> 6));
        } else if (code < 0x10000) {
            m_text += char(0xe0 | (code >> 12));
            m_text += char(0x80 | ((code >> 6) & 0x3f));
        } else {
            m_text += char(0xf0 | (code >> 18));
            m_text += char(0x80 | ((code >> 12) & 0x3f));
            m_text += char(0x80 | ((code >> 6) & 0x3f));
        }
        m_text += char(0x80 | (code & 0x3f));
    }
    void separate()
    {
        if (std::exchange(m_afterKey, false))
            return;
        if (!std::exchange(m_first, false))
            m_text += ", ";
        if (std::exchange(m_lineBreak, false))
            m_text += "\n  ";
    }

    QByteArray m_text;
    bool m_first = true;
    bool m_afterKey = false;
    bool m_lineBreak = false;
};

void encodeCombatant(JsonText &json, const Combatant &c)
{
    json.newLine().open('{');
    json.key(QStringLiteral("id")).value(c.id);
    json.key(QStringLiteral("side")).value(c.side == Combatant::Side::Character ? QStringLiteral("character")
                                                                : QStringLiteral("monster"));
    json.key(QStringLiteral("group")).value(c.group);
    json.key(QStringLiteral("name")).value(c.name);
    json.key(QStringLiteral("initiative")).value(c.initiative);
    json.key(QStringLiteral("ac")).value(c.armourClass);
    json.key(QStringLiteral("damage")).value(c.damage);
    json.key(QStringLiteral("hp")).value(c.hitPoints);
    json.key(QStringLiteral("maxHp")).value(c.maximumHitPoints);
    json.key(QStringLiteral("conditions")).open('[');
    for (const Condition &condition : c.conditions) {
        json.open('{').key(QStringLiteral("name")).value(condition.name);
        json.key(QStringLiteral("rounds")).value(condition.rounds).close('}');
    }
    json.close(']');
    json.key(QStringLiteral("hidden")).value(c.hiddenFromPlayers);
    json.close('}');
}

// Thrown by the reader with the reason the bytes are no fight.
struct Refusal
{
    QString reason;
};

// The value as JSON text, for a message.
QString shown(const QJsonValue &value)
{
    if (value.isUndefined())
        return tr("missing");
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2)).left(40);
}

// A whole number from lowest to highest. The range is checked before the
// conversion, which is undefined for a double out of range.
int number(const QJsonValue &value, const QString &what, int lowest, int highest)
{
    const double n = value.toDouble();
    if (!value.isDouble() || !(n >= lowest && n <= highest) || n != std::trunc(n)) {
        throw Refusal{tr("%1 is %2, not a whole number from %3 to %4")
                              .arg(what, shown(value), QString::number(lowest), QString::number(highest))};
    }
    return int(n);
}

QString text(const QJsonObject &o, const QString &key, const QString &what)
{
    const QJsonValue value = o.value(key);
    if (!value.isString())
        throw Refusal{tr("%1 is %2, not text").arg(what, shown(value))};
    return value.toString();
}

Combatant decodeCombatant(const QJsonValue &value, qsizetype index)
{
    using namespace FightLimits;
    const QString where = tr("combatant %1").arg(QString::number(index + 1));
    const auto field = [&where](const char *key) { return QStringLiteral("%1 \"%2\"").arg(where, QLatin1String(key)); };
    if (!value.isObject())
        throw Refusal{tr("%1 is not an object").arg(where)};
    const QJsonObject o = value.toObject();

    Combatant c;
    c.id = number(o[u"id"], field("id"), 1, MaxId);
    const QString side = text(o, QStringLiteral("side"), field("side"));
    if (side != u"monster" && side != u"character")
        throw Refusal{tr("%1 is %2, not \"monster\" or \"character\"").arg(field("side"), shown(QJsonValue(side)))};
    c.side = side == u"character" ? Combatant::Side::Character : Combatant::Side::Monster;
    c.name = text(o, QStringLiteral("name"), field("name"));
    c.group = o[u"group"].toString(c.name);
    c.initiative = number(o[u"initiative"], field("initiative"), MinInitiative, MaxInitiative);
    c.armourClass = o[u"ac"].toString();
    c.damage = o[u"damage"].toString();
    c.maximumHitPoints = number(o[u"maxHp"], field("maxHp"), 0, MaxHitPoints);
    c.hitPoints = number(o[u"hp"], field("hp"), 0, c.maximumHitPoints);
    c.hiddenFromPlayers = o[u"hidden"].toBool();
    if (!o[u"conditions"].isArray())
        throw Refusal{tr("%1 is not a list").arg(field("conditions"))};
    for (const QJsonValue &item : o[u"conditions"].toArray()) {
        const QJsonObject condition = item.toObject();
        c.conditions.append({text(condition, QStringLiteral("name"), field("conditions")),
                             number(condition[u"rounds"], field("conditions"), 0, MaxConditionRounds)});
    }
    return c;
}

FightState decode(const QByteArray &bytes)
{
    using namespace FightLimits;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Refusal{tr("not valid JSON (%1 at byte %2)").arg(error.errorString(), QString::number(error.offset))};
    if (!document.isObject())
        throw Refusal{tr("not a JSON object")};
    const QJsonObject root = document.object();
    if (root[u"format"] != Format)
        throw Refusal{tr("\"format\" is %1, not %2").arg(shown(root[u"format"]), QString::number(Format))};

    FightState state;
    state.round = number(root[u"round"], QStringLiteral("\"round\""), 0, MaxRound);
    state.currentId = number(root[u"current"], QStringLiteral("\"current\""), 0, MaxId);
    state.lastId = number(root[u"lastId"], QStringLiteral("\"lastId\""), 0, MaxId);
    if (!root[u"combatants"].isArray())
        throw Refusal{tr("\"combatants\" is not a list")};
    if (!root[u"encounters"].isArray())
        throw Refusal{tr("\"encounters\" is not a list")};
    QSet<int> ids;
    const QJsonArray combatants = root[u"combatants"].toArray();
    for (qsizetype i = 0; i < combatants.size(); ++i) {
        Combatant combatant = decodeCombatant(combatants[i], i);
        if (combatant.id > state.lastId || ids.contains(combatant.id)) {
            throw Refusal{tr("combatant %1 \"id\" is %2, taken or past \"lastId\"")
                                  .arg(QString::number(i + 1), QString::number(combatant.id))};
        }
        ids.insert(combatant.id);
        state.combatants.append(std::move(combatant));
    }
    for (const QJsonValue &value : root[u"encounters"].toArray())
        state.encounters.append(number(value, QStringLiteral("\"encounters\""), MinEncounter, MaxEncounter));
    if (state.currentId != 0 && !ids.contains(state.currentId))
        throw Refusal{tr("\"current\" is %1, no combatant's id").arg(QString::number(state.currentId))};
    // A file written before the log had none.
    const QJsonArray log = root[u"log"].toArray();
    for (qsizetype i = 0; i < log.size(); ++i) {
        const QString where = tr("log entry %1").arg(i + 1);
        const QJsonObject entry = log[i].toObject();
        const int round = number(entry[u"round"], where, 0, MaxRound);
        if (!entry[u"turn"].isString() || !entry[u"text"].isString())
            throw Refusal{tr("%1 has no \"turn\" or \"text\"").arg(where)};
        state.log.append({round, entry[u"turn"].toString(), entry[u"text"].toString(), int(state.log.size()) + 1});
    }
    if (state.log.size() > FightState::MaxLogLength)
        state.log.remove(0, state.log.size() - FightState::MaxLogLength);
    for (auto key = root.begin(); key != root.end(); ++key) {
        if (!KnownKeys.contains(key.key()))
            state.otherKeys.insert(key.key(), key.value());
    }
    return state;
}

} // namespace

QByteArray encodeFight(const FightState &state)
{
    JsonText json;
    json.open('{');
    for (auto other = state.otherKeys.begin(); other != state.otherKeys.end(); ++other) {
        if (KnownKeys.contains(other.key()))
            continue;
        json.newLine().key(other.key()).value(other.value());
    }
    json.newLine().key(QStringLiteral("format")).value(Format);
    json.newLine().key(QStringLiteral("round")).value(state.round);
    json.newLine().key(QStringLiteral("current")).value(state.currentId);
    json.newLine().key(QStringLiteral("lastId")).value(state.lastId);
    json.newLine().key(QStringLiteral("encounters")).open('[');
    for (int number : state.encounters)
        json.value(number);
    json.close(']');
    json.newLine().key(QStringLiteral("combatants")).open('[');
    for (const Combatant &c : state.combatants)
        encodeCombatant(json, c);
    json.close(']');
    json.newLine().key(QStringLiteral("log")).open('[');
    for (const LogEntry &entry : state.log) {
        json.newLine().open('{').key(QStringLiteral("round")).value(entry.round);
        json.key(QStringLiteral("turn")).value(entry.turn);
        json.key(QStringLiteral("text")).value(entry.text).close('}');
    }
    json.close(']');
    return json.close('}').text();
}

FightRead readFight(const QByteArray &bytes)
{
    try {
        return {decode(bytes), {}};
    } catch (const Refusal &refusal) {
        return {std::nullopt, refusal.reason};
    }
}

std::optional<FightState> decodeFight(const QByteArray &bytes)
{
    return readFight(bytes).state;
}

FightState rebased(const FightState &theirs, const FightState &from, const FightState &to)
{
    if (theirs == from)
        return to;
    FightState result = theirs;
    if (from.round != to.round)
        result.round = to.round;
    if (from.currentId != to.currentId)
        result.currentId = to.currentId;
    for (int encounter : from.encounters) {
        if (!to.encounters.contains(encounter))
            result.encounters.removeAll(encounter);
    }
    for (int encounter : to.encounters) {
        if (!from.encounters.contains(encounter) && !result.encounters.contains(encounter))
            result.encounters.append(encounter);
    }
    if (from.otherKeys != to.otherKeys)
        result.otherKeys = to.otherKeys;
    if (from.log != to.log)
        result.log = to.log;
    // Ids are never given twice, so a combatant is the same one in all three.
    result.lastId = std::max(theirs.lastId, to.lastId);
    QSet<int> ids;
    for (const FightState *state : {&from, &to}) {
        for (const Combatant &c : state->combatants)
            ids.insert(c.id);
    }
    for (int id : std::as_const(ids)) {
        const Combatant *before = from.combatant(id);
        const Combatant *after = to.combatant(id);
        if (before && after && *before == *after)
            continue;
        const auto at = std::find_if(result.combatants.begin(), result.combatants.end(),
                                     [id](const Combatant &c) { return c.id == id; });
        if (!after) {
            if (at != result.combatants.end())
                result.combatants.erase(at);
        } else if (at != result.combatants.end()) {
            *at = *after;
        } else {
            // Back in its place of joining, which breaks ties in the order.
            const auto later = std::find_if(result.combatants.begin(), result.combatants.end(),
                                            [id](const Combatant &c) { return c.id > id; });
            result.combatants.insert(later, *after);
        }
    }
    if (!result.combatant(result.currentId))
        result.currentId = 0;
    return result;
}

KeptAside keepAside(const QString &path)
{
    const QByteArray from = QFile::encodeName(path);
    for (int n = 1; n < 10'000; ++n) {
        const QString aside = n == 1 ? path + QStringLiteral(".damaged")
                                     : QStringLiteral("%1.damaged.%2").arg(path, QString::number(n));
        // Never over a file of that name: it holds an earlier damaged fight.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(aside).constData(),
                        RENAME_NOREPLACE) == 0)
            return {aside, {}};
        if (errno != EEXIST)
            return {{}, QString::fromLocal8Bit(std::strerror(errno))};
    }
    return {{}, QString::fromLocal8Bit(std::strerror(EEXIST))};
}
