#include "tablefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace TableFile {

namespace {

const QString RevealedKey = QStringLiteral("revealed");
const QString CurrentKey = QStringLiteral("current");

QString tr(const char *text)
{
    return QCoreApplication::translate("TableFile", text);
}

bool isSpotNumber(const QJsonValue &value)
{
    return value.isDouble() && value.toDouble() == value.toInt() && value.toInt() >= 1;
}

// The file's whole object; an empty object when the file is missing.
QJsonObject readObject(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        *error = tr("not valid JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
    else if (!document.isObject())
        *error = tr("not a JSON object");
    return document.object();
}

} // namespace

QString path(const QString &dungeonFolder)
{
    return dungeonFolder + QStringLiteral("/table.json");
}

ReadResult read(const QString &path)
{
    ReadResult result;
    const QJsonObject object = readObject(path, &result.error);
    if (!result.ok())
        return result;

    FogState fog;
    const QJsonValue revealed = object.value(RevealedKey);
    if (!revealed.isUndefined() && !revealed.isArray()) {
        result.error = tr("\"revealed\" is not a list of encounter numbers");
        return result;
    }
    for (const QJsonValue &spot : revealed.toArray()) {
        if (!isSpotNumber(spot)) {
            result.error = tr("\"revealed\" is not a list of encounter numbers");
            return result;
        }
        fog = fog.revealing(spot.toInt());
    }
    const QJsonValue current = object.value(CurrentKey);
    if (current.isUndefined() || current == 0) {
        fog.current = 0;
    } else if (isSpotNumber(current) && fog.isRevealed(current.toInt())) {
        fog.current = current.toInt();
    } else {
        result.error = tr("\"current\" is not one of the revealed encounters");
        return result;
    }
    result.fog = fog;
    return result;
}

Storage::WriteResult write(const QString &path, const FogState &fog)
{
    using Storage::WriteResult;
    if (const ReadResult old = read(path); !old.ok())
        return {WriteResult::Failure::CannotSave, path, tr("it cannot be read: %1").arg(old.error)};
    QString error;
    QJsonObject object = readObject(path, &error);

    QJsonArray revealed;
    for (int spot : fog.revealed)
        revealed.append(spot);
    object.insert(RevealedKey, revealed);
    object.insert(CurrentKey, fog.current);

    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return {WriteResult::Failure::CannotCreateFolder, folder, tr("the folder cannot be created")};
    return Storage::writeFileAtomically(path, QJsonDocument(object).toJson());
}

} // namespace TableFile
