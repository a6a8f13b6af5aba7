#include "currentdungeon.h"

#include "fog/fog.h"
#include "fog/tablefile.h"
#include "kit/spots.h"
#include "storage/encounterfiles.h"

#include <QDir>

namespace {

QString fightFileOf(const QString &folder)
{
    return folder + QStringLiteral("/fight.json");
}

} // namespace

CurrentDungeon::CurrentDungeon(QObject *parent) : QObject(parent), m_fight(this)
{
}

void CurrentDungeon::open(int number, QSize mapFitInto)
{
    m_number = number;
    m_folder = Storage::dungeonFolder(Storage::programFolder(), qint16(number));

    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(m_folder);
    m_description = read.description;
    m_descriptionReadable = read.ok();
    m_descriptionProblem = read.error;
    m_ownMap = {};
    if (read.ok() && m_description.hasOwnMap()) {
        const QString path = ownMapPath();
        m_ownMap = Dungeon::readMapPicture(path, mapFitInto);
        if (!m_ownMap.ok()) {
            m_descriptionProblem = tr("%1: %2").arg(QDir::toNativeSeparators(path), m_ownMap.error);
            m_ownMap = {};
        }
    }

    // The undo steps of the fog before refer to it: whoever keeps them drops
    // them on changed(), before the event loop could run one.
    if (m_fog)
        m_fog->deleteLater();
    m_fog = new Fog({}, {}, RevealRadius, this);
    giveFogItsRooms();
    m_tableProblem = m_fog->load(TableFile::path(m_folder));

    m_fightProblem = m_fight.open(fightFileOf(m_folder)).message;
    emit changed();
}

QString CurrentDungeon::ownMapPath() const
{
    return Dungeon::mapPath(m_folder, m_description);
}

// Outlines drawn on a map of the dungeon's own mean nothing on the built-in
// one; there a reveal uncovers a circle about the spot. Areas are rooms of
// no spot.
void CurrentDungeon::giveFogItsRooms()
{
    QHash<int, QPolygonF> rooms;
    QHash<int, QPointF> spotCentres;
    if (showsOwnMap()) {
        for (auto spot = m_description.spots.cbegin(); spot != m_description.spots.cend(); ++spot)
            spotCentres.insert(spot.key(), spot.value());
    } else {
        for (int n = 1; n <= Map::SpotCount; ++n)
            spotCentres.insert(n, QRectF(Map::Spots[n - 1]).center());
    }
    static_assert(Dungeon::MaxAreaNumber == FogState::MaxAreaNumber);
    if (showsOwnMap() == m_description.hasOwnMap()) {
        for (auto room = m_description.rooms.cbegin(); room != m_description.rooms.cend(); ++room)
            rooms.insert(room.key(), room.value());
        for (auto area = m_description.areas.cbegin(); area != m_description.areas.cend(); ++area)
            rooms.insert(FogState::area(area.key()), area.value());
    }
    m_fog->setRooms(rooms, spotCentres);
}

QString CurrentDungeon::changeDescription(const Dungeon::DungeonDescription &description)
{
    if (const QString error = Dungeon::writeDungeonDescription(m_folder, description); !error.isEmpty())
        return error;
    m_description = description;
    giveFogItsRooms();
    emit descriptionChanged();
    return {};
}
