#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QTimer>

class MapView;
class QTouchEvent;
class QWidget;

// Fingers on a map of the dungeon's own: two pinch to zoom about them and
// drag to pan; one tapped acts as a click of what it touched (a spot, a
// marker, the map), one held still as a right click, one moved as a drag
// with the left button.
class MapTouch : public QObject
{
    Q_OBJECT

public:
    // box: the map box, whose children are the view and what is pinned to it.
    MapTouch(QWidget *box, MapView *view);

    // Off on the built-in map, which keeps the platform's own handling.
    void setEnabled(bool enabled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void touched(QTouchEvent *event);
    void twoFingersMoved(const QTouchEvent *event);
    void click(Qt::MouseButton button);
    // A mouse event to what the finger first touched; `at` in the box.
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons);

    QWidget *m_box;
    MapView *m_view;
    QTimer m_hold;
    QPointer<QWidget> m_target; // what the finger first touched
    QPointF m_pressedAt;        // in the box
    QPointF m_lastAt;
    bool m_tapping = false;     // one finger, still near where it came down
    bool m_dragging = false;    // one finger, moved away: a left-button drag
};
