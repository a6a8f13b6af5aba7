#include "fog.h"

#include "tablefile.h"

#include "storage/filefollower.h"

#include <QUndoCommand>

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

QUndoCommand *Fog::change(const FogState &next, const QString &text)
{
    return new FogChange(this, next, text);
}
