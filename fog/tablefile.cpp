#include "tablefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <vector>

namespace TableFile {

namespace {

const QString RevealedKey = QStringLiteral("revealed");
const QString CurrentKey = QStringLiteral("current");
const QString RevealedAreasKey = QStringLiteral("revealedAreas");
const QString CurrentAreaKey = QStringLiteral("currentArea");
constexpr int SpotCount = EncounterShape::EncounterCount;

QString tr(const char *text)
{
    return QCoreApplication::translate("TableFile", text);
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).path();
}

// The value as JSON text, for a message.
QString shown(const QJsonValue &value)
{
    if (value.isString())
        return u'"' + value.toString().left(40) + u'"';
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1).left(40);
}

// Range first, then wholeness: converting a number out of range is undefined.
bool isNumberFrom1To(int last, const QJsonValue &value)
{
    const double n = value.toDouble(-1);
    return value.isDouble() && n >= 1 && n <= last && n == int(n);
}

// One list of numbers and the current one of them, for spots or for areas.
struct Numbers
{
    QString listKey, currentKey;
    int last;
    const char *notANumber; // "%1" holds %2, not a ... from 1 to %3
    const char *notRevealed; // "%1" is %2, not one of the revealed ...
};

// Reads one list and its current number into `fog`, each number made a room
// name by `sign` (areas are negative); false with the reason in `error`.
bool readNumbers(const QJsonObject &object, const Numbers &numbers, int sign, FogState *fog, int *current,
                 QString *error)
{
    const QJsonValue list = object.value(numbers.listKey);
    if (!list.isUndefined() && !list.isArray()) {
        *error = tr("\"%1\" is %2, not a list of numbers").arg(numbers.listKey, shown(list));
        return false;
    }
    // Marked first and listed after, so that a long list reads in linear time.
    std::vector<bool> isRevealed(numbers.last + 1);
    for (const QJsonValue &n : list.toArray()) {
        if (!isNumberFrom1To(numbers.last, n)) {
            *error = tr(numbers.notANumber).arg(numbers.listKey, shown(n), QString::number(numbers.last));
            return false;
        }
        isRevealed[n.toInt()] = true;
    }
    for (int i = 1; i <= numbers.last; ++i) {
        const int n = sign > 0 ? i : numbers.last + 1 - i; // ascending room names
        if (isRevealed[n])
            fog->revealed.append(sign * n);
    }
    const QJsonValue value = object.value(numbers.currentKey);
    *current = 0;
    if (value.isUndefined() || value == 0)
        return true;
    if (isNumberFrom1To(numbers.last, value) && isRevealed[value.toInt()]) {
        *current = sign * value.toInt();
        return true;
    }
    *error = tr(numbers.notRevealed).arg(numbers.currentKey, shown(value));
    return false;
}

QJsonObject objectOf(const QByteArray &bytes, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        *error = tr("not valid JSON (%1 at byte %2)").arg(parseError.errorString(), QString::number(parseError.offset));
    else if (!document.isObject())
        *error = tr("not a JSON object");
    return document.object();
}

} // namespace

QString path(const QString &dungeonFolder)
{
    return dungeonFolder + QStringLiteral("/table.json");
}

ReadResult parse(const QByteArray &bytes)
{
    ReadResult result;
    const QJsonObject object = objectOf(bytes, &result.error);
    if (!result.ok())
        return result;

    static const Numbers spots{RevealedKey, CurrentKey, SpotCount,
                               QT_TRANSLATE_NOOP("TableFile", "\"%1\" holds %2, not a spot number from 1 to %3"),
                               QT_TRANSLATE_NOOP("TableFile", "\"%1\" is %2, not one of the revealed spots")};
    static const Numbers areas{RevealedAreasKey, CurrentAreaKey, FogState::MaxAreaNumber,
                               QT_TRANSLATE_NOOP("TableFile", "\"%1\" holds %2, not an area number from 1 to %3"),
                               QT_TRANSLATE_NOOP("TableFile", "\"%1\" is %2, not one of the revealed areas")};
    FogState fog;
    int currentArea = 0;
    static_assert(FogState::area(1) == -1);
    if (!readNumbers(object, areas, -1, &fog, &currentArea, &result.error)
        || !readNumbers(object, spots, +1, &fog, &fog.current, &result.error))
        return result;
    if (fog.current != 0 && currentArea != 0) {
        result.error = tr("\"%1\" and \"%2\" are both set: the party is in one room").arg(CurrentKey, CurrentAreaKey);
        return result;
    }
    if (currentArea != 0)
        fog.current = currentArea;
    result.fog = fog;
    return result;
}

ReadResult read(const QString &path)
{
    const Storage::FileRead file = Storage::readFileShared(folderOf(path), path);
    if (!file.error.isEmpty())
        return {{}, file.error};
    return file.content ? parse(*file.content) : ReadResult();
}

QByteArray encode(const FogState &fog, const QByteArray &old)
{
    QString ignored;
    QJsonObject object = old.isEmpty() ? QJsonObject() : objectOf(old, &ignored);
    QJsonArray revealed, revealedAreas;
    for (int room : fog.revealed) {
        if (!FogState::isArea(room))
            revealed.append(room);
    }
    for (auto room = fog.revealed.crbegin(); room != fog.revealed.crend(); ++room) {
        if (FogState::isArea(*room))
            revealedAreas.append(FogState::areaNumber(*room));
    }
    object.insert(RevealedKey, revealed);
    object.insert(CurrentKey, FogState::isArea(fog.current) ? 0 : fog.current);
    // A dungeon without areas keeps the file it always had.
    object.remove(RevealedAreasKey);
    object.remove(CurrentAreaKey);
    if (!revealedAreas.isEmpty()) {
        object.insert(RevealedAreasKey, revealedAreas);
        object.insert(CurrentAreaKey, FogState::isArea(fog.current) ? FogState::areaNumber(fog.current) : 0);
    }
    return QJsonDocument(object).toJson();
}

FogState merged(const FogState &theirs, const FogState &base, const FogState &next)
{
    QList<int> rooms = theirs.revealed + base.revealed + next.revealed;
    std::sort(rooms.begin(), rooms.end());
    rooms.erase(std::unique(rooms.begin(), rooms.end()), rooms.end());
    FogState result;
    for (int room : std::as_const(rooms)) {
        const bool changed = base.isRevealed(room) != next.isRevealed(room);
        if (changed ? next.isRevealed(room) : theirs.isRevealed(room))
            result.revealed.append(room);
    }
    // Making a room current is the newest step and wins; leaving none current
    // takes only the room the change knew as current.
    if (next.current != base.current && (next.current != 0 || theirs.current == base.current))
        result.current = next.current;
    else
        result.current = theirs.current;
    if (!result.isRevealed(result.current))
        result.current = 0;
    return result;
}

ChangeResult change(const QString &path, const FogState &base, const FogState &next)
{
    ChangeResult result;
    result.onDisk = next;
    result.written = Storage::updateFile(folderOf(path), path, [&](const QByteArray *old) -> Storage::Update {
        if (!old)
            return {encode(next), {}};
        const ReadResult theirs = parse(*old);
        if (!theirs.ok()) {
            result.unreadable = true;
            return {std::nullopt, tr("it cannot be read: %1").arg(theirs.error)};
        }
        result.onDisk = merged(theirs.fog, base, next);
        return {encode(result.onDisk, *old), {}};
    });
    return result;
}

Storage::WriteResult write(const QString &path, const FogState &fog)
{
    return Storage::updateFile(folderOf(path), path, [&](const QByteArray *old) -> Storage::Update {
        if (!old)
            return {encode(fog), {}};
        if (const ReadResult theirs = parse(*old); !theirs.ok())
            return {std::nullopt, tr("it cannot be read: %1").arg(theirs.error)};
        return {encode(fog, *old), {}};
    });
}

} // namespace TableFile
