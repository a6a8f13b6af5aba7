#include "playersside.h"

#include "boardmap.h"
#include "mapview.h"
#include "partymarkers.h"
#include "roomoutlines.h"

#include "assets/pictures.h"
#include "current/currentdungeon.h"
#include "fog/fog.h"
#include "fog/playertable.h"
#include "fog/tablefile.h"
#include "kit/controls.h"

#include <QChildEvent>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

PlayersSide::PlayersSide(QWidget *mapBox, BoardMap *map, PartyMarkers *markers,
                         CurrentDungeon *dungeon, QUndoStack *undo, QObject *parent)
    : QObject(parent), m_mapBox(mapBox), m_map(map), m_markers(markers), m_dungeon(dungeon),
      m_undo(undo), m_table(new PlayerTable(this))
{
    markers->setPlayerTable(m_table);
    // Every control on the map, and those made later (an own map's view),
    // passes Alt+clicks to the reveal.
    mapBox->installEventFilter(this);
    for (QObject *child : mapBox->children())
        child->installEventFilter(this);
}

bool PlayersSide::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mapBox && event->type() == QEvent::ChildAdded)
        static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton || !(mouse->modifiers() & Qt::AltModifier) || m_map->isPlacingSpots())
        return false;
    const auto widget = static_cast<QWidget *>(watched);
    const QPoint at = mouse->position().toPoint();
    const int room = roomAt(widget == m_mapBox ? at : widget->mapTo(m_mapBox, at));
    if (mouse->modifiers() & Qt::ShiftModifier)
        hideRoom(room);
    else
        revealRoom(room);
    return true;
}

int PlayersSide::roomAt(QPoint inBox) const
{
    // The built-in map's pixels are the box's.
    const QPointF place = m_map->showsOwnMap() ? m_map->mapView()->toMap(inBox) : QPointF(inBox);
    const int room = m_dungeon->fog()->roomAt(place);
    if (room == 0)
        QToolTip::showText(m_mapBox->mapToGlobal(inBox), tr("There is no room or area here."), m_mapBox);
    return room;
}

// The players' screen of the dungeon on display: its map, its rooms (without
// an outline a reveal uncovers a circle about the spot), and what was
// revealed before.
void PlayersSide::showDungeon()
{
    delete m_outlines; // they belong to the fog shown before
    Fog *fog = m_dungeon->fog();
    std::function<QImage()> makeMap = playerMapPicture;
    QSize mapSize = Dungeon::BuiltInMapSize;
    if (m_map->showsOwnMap()) {
        makeMap = [path = m_dungeon->ownMapPath()] { return Dungeon::readMapPicture(path).image; };
        mapSize = m_map->mapView()->pictureSize();
    }
    QList<PartyMarker> markers;
    for (int k = 0; k < PartyMarkers::Count; ++k)
        markers.append({m_markers->onPlayersMap(k), m_markers->colour(k)});
    m_table->setDungeon(makeMap, mapSize, fog, markers);
    connect(fog, &Fog::saveFailed, this, &PlayersSide::report, Qt::UniqueConnection);
    connect(fog, &Fog::changed, this, &PlayersSide::showRoomOutlines, Qt::UniqueConnection);
    showRoomOutlines();
}

void PlayersSide::tellWhatCannotBeRead()
{
    if (const QString error = m_dungeon->tableProblem(); !error.isEmpty()) {
        report(tr("The players' view cannot read %1: %2.\nIt starts with every room hidden, and "
                  "the file is left as it is: what you reveal is not kept until it is repaired or "
                  "removed.").arg(QDir::toNativeSeparators(TableFile::path(m_dungeon->folder())), error));
    }
}

bool PlayersSide::canReveal(int room)
{
    if (room == 0)
        return false;
    if (!m_dungeon->fog()->room(room).isEmpty())
        return true;
    // Nothing is recorded: a room revealed now would show in full the
    // moment its spot is placed.
    QToolTip::showText(m_mapBox->mapToGlobal(m_mapBox->rect().center()),
                       tr("Encounter %1 has no place on this map, so there is no room to reveal. "
                          "Place its spot first (Ctrl+Shift+L).").arg(room),
                       m_mapBox);
    return false;
}

void PlayersSide::changeFog(const FogState &next, const QString &text)
{
    Fog *fog = m_dungeon->fog();
    if (next != fog->state())
        m_undo->push(fog->change(next, text));
}

void PlayersSide::revealRoom(int room)
{
    if (!canReveal(room))
        return;
    changeFog(m_dungeon->fog()->state().revealing(room),
              FogState::isArea(room) ? tr("Reveal area %1").arg(FogState::areaNumber(room)) : tr("Reveal room %1").arg(room));
}

void PlayersSide::hideRoom(int room)
{
    if (room == 0)
        return;
    changeFog(m_dungeon->fog()->state().hiding(room),
              FogState::isArea(room) ? tr("Hide area %1").arg(FogState::areaNumber(room)) : tr("Hide room %1").arg(room));
}

void PlayersSide::hideAllRooms()
{
    if (m_dungeon->fog()->state().revealed.isEmpty())
        return;
    if (QMessageBox::question(m_mapBox->window(), tr("Hide every room"),
                              tr("Hide every room from the players?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes)
        changeFog({}, tr("Hide every room"));
}

void PlayersSide::showRoomOutlines()
{
    Fog *fog = m_dungeon->fog();
    if (m_outlines || fog->state().revealed.isEmpty())
        return;
    m_outlines = new RoomOutlines(fog, m_mapBox);
    m_outlines->stackUnder(m_markers->marker(0)); // above an own map, behind the markers
    if (MapView *mapView = m_map->mapView(); mapView && m_map->showsOwnMap()) {
        const auto follow = [this, mapView] { m_outlines->setMapTransform(mapView->mapToView()); };
        connect(mapView, &MapView::viewChanged, m_outlines, follow);
        follow();
    }
}

void PlayersSide::report(const QString &message)
{
    auto box = new QMessageBox(QMessageBox::Warning, tr("Players' view"), message, QMessageBox::Ok,
                               m_mapBox->window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, box, [box] { box->open(); });
}
