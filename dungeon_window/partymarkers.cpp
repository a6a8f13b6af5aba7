#include "partymarkers.h"

#include "boardcommand.h"
#include "mapview.h"

#include "fog/playertable.h"
#include "kit/controls.h"

#include <QEvent>
#include <QRadioButton>
#include <QUndoStack>

PartyMarkers::PartyMarkers(const std::array<Label *, Count> &markers,
                           const std::array<QRadioButton *, Count> &options, QUndoStack *undo,
                           QObject *parent)
    : QObject(parent), m_markers(markers), m_options(options), m_undo(undo)
{
    for (Label *marker : m_markers)
        marker->installEventFilter(this);
}

void PartyMarkers::setPlayerTable(PlayerTable *players)
{
    m_players = players;
}

int PartyMarkers::toMove() const
{
    // Read from the last option to the first, so that should several read
    // as selected the lowest-numbered one wins; with none, marker 0 moves.
    int index = 0;
    for (int k = Count - 1; k >= 0; --k) {
        if (m_options[k]->isChecked())
            index = k;
    }
    return index;
}

void PartyMarkers::move(int index, const Place &to)
{
    m_undo->push(new BoardCommand(tr("Move marker"), [this, index, to] { put(index, to); },
                                  [this, index, from = place(index)] { put(index, from); }));
}

bool PartyMarkers::showsOwnMap() const
{
    return m_mapView && !m_mapView->isHidden();
}

QColor PartyMarkers::colour(int index) const
{
    return m_markers[index]->palette().color(QPalette::Window);
}

PartyMarkers::Place PartyMarkers::place(int index) const
{
    return {m_markers[index]->pos(), m_mapView ? m_mapView->place(m_markers[index]) : std::nullopt};
}

void PartyMarkers::put(int index, const Place &place)
{
    Label *marker = m_markers[index];
    if (place.onMap && showsOwnMap()) {
        m_mapView->pin(marker, *place.onMap, MapView::Anchor::TopLeft);
    } else {
        if (m_mapView)
            m_mapView->unpin(marker);
        marker->move(place.inBox);
    }
    // Pinned again where it stood on the box, it does not move there.
    if (m_players)
        m_players->moveMarker(index, onPlayersMap(index));
}

void PartyMarkers::moveOffMap(int index)
{
    Label *marker = m_markers[index];
    if (m_mapView)
        m_mapView->unpin(marker);
    marker->move(marker->x(), ClearedTop);
}

void PartyMarkers::moveAllOffMap()
{
    for (int k = 0; k < Count; ++k)
        moveOffMap(k);
}

// On a map of the dungeon's own a marker keeps the size it has on the fitted map.
QRectF PartyMarkers::onPlayersMap(int index) const
{
    Label *marker = m_markers[index];
    if (!showsOwnMap())
        return QRectF(marker->geometry());
    const QSize picture = m_mapView->pictureSize();
    const QSize fitted = picture.scaled(m_mapView->size(), Qt::KeepAspectRatio);
    const qreal mapPixelsPerPixel = fitted.isEmpty() ? 1 : qreal(picture.width()) / fitted.width();
    const QSizeF size = QSizeF(marker->size()) * mapPixelsPerPixel;
    const std::optional<QPointF> place = m_mapView->place(marker);
    return QRectF(place ? *place : QPointF(0, picture.height()), size);
}

bool PartyMarkers::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move && m_players) {
        const auto marker = std::find(m_markers.begin(), m_markers.end(), watched);
        if (marker != m_markers.end()) {
            const int index = int(marker - m_markers.begin());
            m_players->moveMarker(index, onPlayersMap(index));
        }
    }
    if (event->type() == QEvent::Move)
        emit moved();
    return QObject::eventFilter(watched, event);
}
