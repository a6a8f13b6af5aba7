#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <array>

class CurrentDungeon;
class Label;
class MapTouch;
class MapView;
class PartyMarkers;
class SpotPlacement;
class QWidget;

// The map in the board's map box: the built-in map with its fixed spots, or
// a dungeon's own map, zoomed and panned, with the spots where its
// description puts them; and spot placement over either.
class BoardMap : public QObject
{
    Q_OBJECT

public:
    BoardMap(QWidget *mapBox, const std::array<Label *, 40> &spots, PartyMarkers *markers,
             CurrentDungeon *dungeon, QObject *parent);

    // The controls that stand over the map box: a map of the dungeon's own
    // is fitted beside them.
    void setControlsOver(const QList<QWidget *> &controls);

    // Shows the map of the dungeon on display and its spots.
    void showDungeon();
    // Shows the spots where the description puts them, after a placement.
    void showSpots();
    bool showsOwnMap() const;
    MapView *mapView() const { return m_mapView; }
    void fit();

    // Spot placement (Ctrl+Shift+L): entering it needs a description that
    // could be read and, when it names a map of its own, that map.
    bool isPlacingSpots() const;
    void enterSpotPlacement();
    // Leaving saves dungeon.json unless `save` is false. False, with the
    // placement kept and the reason told, when it cannot be saved.
    bool leaveSpotPlacement(bool save = true);

signals:
    // A press on an own map, where the chosen marker is to go.
    void pressed(QPointF mapPoint);
    void placementLeft();

private:
    QWidget *window() const;
    void showBuiltInMap();
    void keepMapClear(); // of the controls over it, and of the placement's strip

    QWidget *m_mapBox;
    std::array<Label *, 40> m_spots;
    PartyMarkers *m_markers;
    CurrentDungeon *m_dungeon;
    MapView *m_mapView = nullptr; // made for the first own map, hidden on the built-in one
    MapTouch *m_touch = nullptr;  // made with the view
    QPointer<SpotPlacement> m_placement;
    QList<QWidget *> m_controlsOver;
};
