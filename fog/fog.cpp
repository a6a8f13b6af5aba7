#include "fog.h"

#include "tablefile.h"

#include "storage/filefollower.h"

#include <QUndoCommand>

#include <algorithm>
#include <cstdlib>

namespace {

class FogChange : public QUndoCommand
{
public:
    FogChange(Fog *fog, FogState next, const QString &text)
        : QUndoCommand(text), m_fog(fog), m_before(fog->state()), m_after(std::move(next))
    {
    }

    // As changes, not states: what another copy changed meanwhile stays.
    void redo() override { m_fog->applyChange(m_before, m_after); }
    void undo() override { m_fog->applyChange(m_after, m_before); }

private:
    Fog *m_fog;
    FogState m_before, m_after;
};

} // namespace

Fog::Fog(QHash<int, QPolygonF> rooms, QHash<int, QPointF> spotCentres, qreal fallbackRadius,
         QObject *parent)
    : QObject(parent), m_rooms(std::move(rooms)), m_spotCentres(std::move(spotCentres)),
      m_fallbackRadius(fallbackRadius)
{
}

QString Fog::load(const QString &tableFile)
{
    const TableFile::ReadResult table = TableFile::read(tableFile);
    m_tableFile = table.ok() ? tableFile : QString();
    followFile();
    show(table.fog);
    return table.error;
}

void Fog::setState(const FogState &state)
{
    applyChange(m_state, state);
}

void Fog::applyChange(const FogState &from, const FogState &to)
{
    if (from == to)
        return;
    if (m_tableFile.isEmpty()) {
        show(TableFile::merged(m_state, from, to));
        return;
    }
    const TableFile::ChangeResult result = TableFile::change(m_tableFile, from, to);
    if (!result.written.ok()) {
        // The players still see the change; it is only not kept. A file
        // that became unreadable is left alone from now on, and said once.
        if (result.unreadable) {
            m_tableFile.clear();
            followFile();
        }
        show(TableFile::merged(m_state, from, to));
        emit saveFailed(result.written.message());
        return;
    }
    if (m_follower)
        m_follower->watch();
    show(result.onDisk);
}

void Fog::show(const FogState &state)
{
    if (state == m_state)
        return;
    const FogState previous = std::exchange(m_state, state);
    emit changed(previous);
}

void Fog::followFile()
{
    delete m_follower;
    m_follower = nullptr;
    if (m_tableFile.isEmpty())
        return;
    m_follower = new Storage::FileFollower(m_tableFile, this);
    connect(m_follower, &Storage::FileFollower::mayHaveChanged, this, [this] {
        if (const TableFile::ReadResult table = TableFile::read(m_tableFile); table.ok())
            show(table.fog);
    });
}

void Fog::setRooms(QHash<int, QPolygonF> rooms, QHash<int, QPointF> spotCentres)
{
    m_rooms = std::move(rooms);
    m_spotCentres = std::move(spotCentres);
    emit roomsChanged();
}

QPainterPath Fog::room(int spot) const
{
    QPainterPath path;
    if (const auto outline = m_rooms.constFind(spot); outline != m_rooms.cend()) {
        path.addPolygon(*outline);
        path.closeSubpath();
    } else if (const auto centre = m_spotCentres.constFind(spot); centre != m_spotCentres.cend()) {
        path.addEllipse(*centre, m_fallbackRadius, m_fallbackRadius);
    }
    return path;
}

int Fog::roomAt(QPointF mapPoint) const
{
    QList<int> outlined = m_rooms.keys();
    // Spots in ascending order before areas, so that the answer never
    // depends on the hash's order.
    std::sort(outlined.begin(), outlined.end(), [](int a, int b) { return (a < 0) != (b < 0) ? a > b : std::abs(a) < std::abs(b); });
    for (int room : std::as_const(outlined)) {
        if (m_rooms.value(room).containsPoint(mapPoint, Qt::OddEvenFill))
            return room;
    }
    QList<int> spots = m_spotCentres.keys();
    std::sort(spots.begin(), spots.end());
    for (int spot : std::as_const(spots)) {
        if (!m_rooms.contains(spot) && room(spot).contains(mapPoint))
            return spot;
    }
    return 0;
}

QUndoCommand *Fog::change(const FogState &next, const QString &text)
{
    return new FogChange(this, next, text);
}
