#include "roomoutlines.h"

#include "fog/fog.h"

#include <QEvent>
#include <QPainter>

RoomOutlines::RoomOutlines(const Fog *fog, QWidget *map) : QWidget(map), m_fog(fog)
{
    setObjectName(QStringLiteral("roomOutlines"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The map may be laid out after the outlines are made: they follow its size.
    setGeometry(map->rect());
    map->installEventFilter(this);
    connect(fog, &Fog::changed, this, qOverload<>(&QWidget::update));
    connect(fog, &Fog::roomsChanged, this, qOverload<>(&QWidget::update));
    show();
}

void RoomOutlines::setMapTransform(const QTransform &mapToBox)
{
    m_mapToBox = mapToBox;
    update();
}

bool RoomOutlines::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void RoomOutlines::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setTransform(m_mapToBox);
    const auto pen = [](QColor colour, int width) {
        QPen pen(colour, width);
        pen.setCosmetic(true); // as thin on a zoomed map
        return pen;
    };
    const FogState &state = m_fog->state();
    painter.setPen(pen(QColor(0, 110, 200, 160), 1));
    for (int spot : state.revealed) {
        if (state.isExplored(spot))
            painter.drawPath(m_fog->room(spot));
    }
    painter.setPen(pen(QColor(0, 200, 255), 2));
    painter.drawPath(m_fog->room(state.current));
}
