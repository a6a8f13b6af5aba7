#include "playertable.h"

#include "fog.h"

void PlayerTable::setDungeon(std::function<QImage()> makeMap, QSize mapSize, Fog *fog,
                             QList<PartyMarker> markers)
{
    if (m_fog)
        disconnect(m_fog, nullptr, this, nullptr);
    m_makeMap = std::move(makeMap);
    m_map = QImage();
    m_mapSize = mapSize;
    m_fog = fog;
    m_markers = std::move(markers);
    connect(fog, &Fog::changed, this, &PlayerTable::fogChanged);
    // New outlines change what every revealed room uncovers.
    connect(fog, &Fog::roomsChanged, this, &PlayerTable::dungeonChanged);
    emit dungeonChanged();
}

QImage PlayerTable::map() const
{
    if (m_map.isNull())
        m_map = m_makeMap();
    return m_map;
}

void PlayerTable::moveMarker(int index, const QRectF &place)
{
    const QRectF previous = std::exchange(m_markers[index].place, place);
    if (previous != place)
        emit markerMoved(index, previous);
}

void PlayerTable::setBlackedOut(bool blackedOut)
{
    if (blackedOut == m_blackedOut)
        return;
    m_blackedOut = blackedOut;
    emit blackoutChanged(blackedOut);
}
