#include "sessionfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Far beyond any map, near enough that every number stays exact.
constexpr double MaxCoordinate = 1e6;
constexpr int MaxDungeon = 999;

QString tr(const char *text)
{
    return QCoreApplication::translate("SessionFile", text);
}

struct Refusal
{
    QString reason;
};

QJsonArray pair(double x, double y)
{
    return {x, y};
}

QPointF readPair(const QJsonValue &value, const char *what)
{
    const QJsonArray array = value.toArray();
    if (array.size() != 2 || !array[0].isDouble() || !array[1].isDouble())
        throw Refusal{tr("\"%1\" is not a pair of numbers").arg(QLatin1String(what))};
    const double x = array[0].toDouble(), y = array[1].toDouble();
    if (!(std::abs(x) <= MaxCoordinate && std::abs(y) <= MaxCoordinate))
        throw Refusal{tr("\"%1\" lies too far away").arg(QLatin1String(what))};
    return {x, y};
}

Session decodeObject(const QJsonObject &object)
{
    Session session;
    const double dungeon = object.value(u"dungeon").toDouble(0);
    if (!(dungeon >= 1 && dungeon <= MaxDungeon) || dungeon != int(dungeon))
        throw Refusal{tr("\"dungeon\" is not a dungeon number from 1 to %1").arg(MaxDungeon)};
    session.dungeon = int(dungeon);

    const QJsonArray names = object.value(u"names").toArray();
    if (names.size() != SessionFile::NameCount)
        throw Refusal{tr("\"names\" does not hold %1 names").arg(SessionFile::NameCount)};
    for (const QJsonValue &name : names) {
        if (!name.isString())
            throw Refusal{tr("\"names\" holds something else than a name")};
        session.names.append(name.toString());
    }

    const QJsonValue notes = object.value(u"notes");
    if (!notes.isString())
        throw Refusal{tr("\"notes\" is missing")};
    session.notes = notes.toString().toUtf8();

    const QJsonArray markers = object.value(u"markers").toArray();
    if (markers.size() != SessionFile::MarkerCount)
        throw Refusal{tr("\"markers\" does not hold %1 markers").arg(SessionFile::MarkerCount)};
    for (const QJsonValue &value : markers) {
        const QJsonObject marker = value.toObject();
        Session::Marker place{readPair(marker.value(u"box"), "box").toPoint(), std::nullopt};
        if (marker.contains(u"map"))
            place.onMap = readPair(marker.value(u"map"), "map");
        session.markers.append(place);
    }

    const QJsonObject combat = object.value(u"combat").toObject();
    session.combatOpen = combat.value(u"open").toBool();
    session.orderShownToPlayers = combat.value(u"showOrder").toBool();
    return session;
}

} // namespace

namespace SessionFile {

QString path(const QString &programFolder)
{
    return programFolder + QStringLiteral("/Dungeons/session.json");
}

QByteArray encode(const Session &session)
{
    QJsonArray markers;
    for (const Session::Marker &marker : session.markers) {
        QJsonObject place{{QStringLiteral("box"), pair(marker.inBox.x(), marker.inBox.y())}};
        if (marker.onMap)
            place.insert(QStringLiteral("map"), pair(marker.onMap->x(), marker.onMap->y()));
        markers.append(place);
    }
    const QJsonObject object{
        {QStringLiteral("dungeon"), session.dungeon},
        {QStringLiteral("names"), QJsonArray::fromStringList(session.names)},
        {QStringLiteral("notes"), QString::fromUtf8(session.notes)},
        {QStringLiteral("markers"), markers},
        {QStringLiteral("combat"), QJsonObject{{QStringLiteral("open"), session.combatOpen},
                                               {QStringLiteral("showOrder"), session.orderShownToPlayers}}},
    };
    return QJsonDocument(object).toJson();
}

std::optional<Session> decode(const QByteArray &bytes, QString *reason)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (!document.isObject()) {
        *reason = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                              : tr("it holds no JSON object");
        return std::nullopt;
    }
    try {
        return decodeObject(document.object());
    } catch (const Refusal &refusal) {
        *reason = refusal.reason;
        return std::nullopt;
    }
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    ReadResult result;
    QString reason;
    if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else
        result.session = decode(file.readAll(), &reason);
    if (!result.session)
        result.error = tr("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    return result;
}

Storage::WriteResult write(const QString &path, const Session &session)
{
    QDir().mkpath(QFileInfo(path).path());
    return Storage::writeFileAtomically(path, encode(session));
}

} // namespace SessionFile
