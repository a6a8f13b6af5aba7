#include "playertable.h"

#include "fog.h"

PlayerTable::PlayerTable(std::function<QImage()> makeMap, QSize mapSize, Fog *fog,
                         QList<PartyMarker> markers, QObject *parent)
    : QObject(parent), m_makeMap(std::move(makeMap)), m_mapSize(mapSize), m_fog(fog),
      m_markers(std::move(markers))
{
    fog->setParent(this);
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
