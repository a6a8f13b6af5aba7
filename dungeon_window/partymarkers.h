#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <array>
#include <optional>

class Label;
class MapView;
class PlayerTable;
class QRadioButton;
class QUndoStack;

// The seven party markers on the board's map: which one a press moves, where
// each stands, and each move as a step of the board's undo. The players'
// table follows every move, whoever makes it.
class PartyMarkers : public QObject
{
    Q_OBJECT

public:
    static constexpr int Count = 7;
    static constexpr int ClearedTop = 710; // below the map, out of sight

    // Where a marker stands: on a map of the dungeon's own, its place of
    // the map; otherwise, or while it is off the map, its place in the box.
    struct Place
    {
        QPoint inBox;
        std::optional<QPointF> onMap;
    };

    PartyMarkers(const std::array<Label *, Count> &markers,
                 const std::array<QRadioButton *, Count> &options, QUndoStack *undo,
                 QObject *parent);

    // The map the markers stand on: a dungeon's own, or none for the built-in one.
    void setMapView(MapView *mapView) { m_mapView = mapView; }
    void setPlayerTable(PlayerTable *players);

    // The marker of the option chosen; the lowest-numbered wins should
    // several read as chosen, marker 0 with none.
    int toMove() const;
    // Moves the chosen marker, as a step of the board's undo.
    void moveChosen(const Place &to) { move(toMove(), to); }
    void move(int index, const Place &to);

    Label *marker(int index) const { return m_markers[index]; }
    QColor colour(int index) const;
    Place place(int index) const;
    void put(int index, const Place &place);
    void moveOffMap(int index);
    void moveAllOffMap();
    // Where a marker lies on the map the players see, in map pixels.
    QRectF onPlayersMap(int index) const;

signals:
    // A marker stands elsewhere, whoever moved it.
    void moved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showsOwnMap() const;

    std::array<Label *, Count> m_markers;
    std::array<QRadioButton *, Count> m_options;
    QUndoStack *m_undo;
    MapView *m_mapView = nullptr;
    PlayerTable *m_players = nullptr;
};
