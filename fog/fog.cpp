#include "fog.h"

#include "tablefile.h"

#include <QUndoCommand>

namespace {

class FogChange : public QUndoCommand
{
public:
    FogChange(Fog *fog, FogState next, const QString &text)
        : QUndoCommand(text), m_fog(fog), m_before(fog->state()), m_after(std::move(next))
    {
    }

    void redo() override { m_fog->setState(m_after); }
    void undo() override { m_fog->setState(m_before); }

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
    const FogState previous = std::exchange(m_state, table.fog);
    if (m_state != previous)
        emit changed(previous);
    return table.error;
}

void Fog::setState(const FogState &state)
{
    if (state == m_state)
        return;
    const FogState previous = std::exchange(m_state, state);
    emit changed(previous);
    if (m_tableFile.isEmpty())
        return;
    if (const Storage::WriteResult result = TableFile::write(m_tableFile, m_state); !result.ok())
        emit saveFailed(result.message());
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
