#include "playertable.h"

#include "fog.h"

void PlayerTable::setDungeon(std::function<QImage()> makeMap, QSize mapSize, Fog *fog,
                             QList<PartyMarker> markers)
{
    delete m_fog;
    m_makeMap = std::move(makeMap);
    m_map = QImage();
    m_mapSize = mapSize;
    m_fog = fog;
    m_markers = std::move(markers);
    fog->setParent(this);
    connect(fog, &Fog::changed, this, &PlayerTable::fogChanged);
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
