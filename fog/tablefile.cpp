#include "tablefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace TableFile {

namespace {

const QString RevealedKey = QStringLiteral("revealed");
const QString CurrentKey = QStringLiteral("current");
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
bool isSpotNumber(const QJsonValue &value)
{
    const double n = value.toDouble(-1);
    return value.isDouble() && n >= 1 && n <= SpotCount && n == int(n);
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

    const QJsonValue revealed = object.value(RevealedKey);
    if (!revealed.isUndefined() && !revealed.isArray()) {
        result.error = tr("\"revealed\" is %1, not a list of spot numbers").arg(shown(revealed));
        return result;
    }
    // Marked first and listed after, so that a long list reads in linear time.
    std::array<bool, SpotCount + 1> isRevealed{};
    for (const QJsonValue &spot : revealed.toArray()) {
        if (!isSpotNumber(spot)) {
            result.error = tr("\"revealed\" holds %1, not a spot number from 1 to %2")
                                   .arg(shown(spot), QString::number(SpotCount));
            return result;
        }
        isRevealed[spot.toInt()] = true;
    }
    FogState fog;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (isRevealed[spot])
            fog.revealed.append(spot);
    }
    const QJsonValue current = object.value(CurrentKey);
    if (current.isUndefined() || current == 0) {
        fog.current = 0;
    } else if (isSpotNumber(current) && fog.isRevealed(current.toInt())) {
        fog.current = current.toInt();
    } else {
        result.error = tr("\"current\" is %1, not one of the revealed spots").arg(shown(current));
        return result;
    }
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
    QJsonArray revealed;
    for (int spot : fog.revealed)
        revealed.append(spot);
    object.insert(RevealedKey, revealed);
    object.insert(CurrentKey, fog.current);
    return QJsonDocument(object).toJson();
}

FogState merged(const FogState &theirs, const FogState &base, const FogState &next)
{
    FogState result;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const bool changed = base.isRevealed(spot) != next.isRevealed(spot);
        if (changed ? next.isRevealed(spot) : theirs.isRevealed(spot))
            result.revealed.append(spot);
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
