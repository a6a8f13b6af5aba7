#include "maptouch.h"

#include "mapview.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineF>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWidget>

MapTouch::MapTouch(QWidget *box, MapView *view) : QObject(box), m_box(box), m_view(view)
{
    m_hold.setSingleShot(true);
    m_hold.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (std::exchange(m_tapping, false))
            click(Qt::RightButton);
    });
    box->installEventFilter(this);
}

void MapTouch::setEnabled(bool enabled)
{
    m_box->setAttribute(Qt::WA_AcceptTouchEvents, enabled);
}

bool MapTouch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        touched(static_cast<QTouchEvent *>(event));
        return true;
    case QEvent::TouchCancel:
        m_tapping = false;
        m_hold.stop();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void MapTouch::touched(QTouchEvent *event)
{
    event->accept(); // the whole sequence is ours: no mouse events are made of it
    const QList<QEventPoint> &points = event->points();
    if (points.size() >= 2) {
        m_tapping = false;
        m_hold.stop();
        if (std::exchange(m_dragging, false))
            send(QEvent::MouseButtonRelease, m_lastAt, Qt::LeftButton, Qt::NoButton);
        twoFingersMoved(event);
        return;
    }
    if (points.isEmpty())
        return;
    m_lastAt = points.constFirst().position();
    if (event->type() == QEvent::TouchBegin) {
        m_pressedAt = m_lastAt;
        m_target = m_box->childAt(m_pressedAt.toPoint());
        if (!m_target)
            m_target = m_box;
        m_tapping = true;
        m_hold.start();
        return;
    }
    // A finger moved away drags as the left button would: a spot from the
    // strip of spot placement, say.
    if (m_tapping && QLineF(m_pressedAt, m_lastAt).length() > QApplication::startDragDistance()) {
        m_tapping = false;
        m_hold.stop();
        m_dragging = true;
        send(QEvent::MouseButtonPress, m_pressedAt, Qt::LeftButton, Qt::LeftButton);
    }
    if (m_dragging)
        send(event->type() == QEvent::TouchEnd ? QEvent::MouseButtonRelease : QEvent::MouseMove, m_lastAt,
             Qt::LeftButton, event->type() == QEvent::TouchEnd ? Qt::NoButton : Qt::LeftButton);
    if (event->type() == QEvent::TouchEnd) {
        m_dragging = false;
        if (std::exchange(m_tapping, false)) {
            m_hold.stop();
            click(Qt::LeftButton);
        }
    }
}

// The map place under the fingers' midpoint stays under it while the
// fingers' spread sets the zoom.
void MapTouch::twoFingersMoved(const QTouchEvent *event)
{
    const QEventPoint &a = event->points().at(0);
    const QEventPoint &b = event->points().at(1);
    const QPointF offset = m_view->pos();
    const QPointF before = (a.lastPosition() + b.lastPosition()) / 2 - offset;
    const QPointF now = (a.position() + b.position()) / 2 - offset;
    const qreal spreadBefore = QLineF(a.lastPosition(), b.lastPosition()).length();
    const qreal spreadNow = QLineF(a.position(), b.position()).length();
    if (spreadBefore > 0 && spreadNow > 0)
        m_view->zoomAbout(before, m_view->zoom() * spreadNow / spreadBefore);
    m_view->panBy(now - before);
}

// What the finger touched gets the press and release a mouse would give it.
void MapTouch::click(Qt::MouseButton button)
{
    send(QEvent::MouseButtonPress, m_pressedAt, button, button);
    send(QEvent::MouseButtonRelease, m_pressedAt, button, Qt::NoButton);
    if (button == Qt::RightButton && m_target) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, m_target->mapFrom(m_box, m_pressedAt.toPoint()),
                               m_box->mapToGlobal(m_pressedAt.toPoint()));
        QApplication::sendEvent(m_target, &menu);
    }
}

void MapTouch::send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (!m_target)
        return;
    QMouseEvent event(type, m_target->mapFrom(m_box, at), m_box->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(m_target, &event);
}
