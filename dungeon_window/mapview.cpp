#include "mapview.h"

#include "dungeon/mappicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// One step of the wheel zooms by a quarter.
constexpr qreal ZoomPerWheelStep = 1.25;

// Where a picture `extent` long starts in a free stretch from `areaStart`,
// `areaLength` long: centred on a whole pixel when it fits, otherwise never
// leaving a gap at either end of the stretch.
qreal clampedStart(qreal start, qreal extent, qreal areaStart, qreal areaLength)
{
    if (extent <= areaLength)
        return areaStart + std::floor((areaLength - extent) / 2);
    return std::clamp(start, areaStart + areaLength - extent, areaStart);
}

// The largest rectangles of `box` that none of `covered` overlaps: each
// covered rectangle splits every free one it meets into the parts above,
// below, left and right of it, and parts inside others are dropped.
QList<QRect> freeRectangles(const QRect &box, const QList<QRect> &covered)
{
    QList<QRect> free{box};
    for (const QRect &cover : covered) {
        QList<QRect> parts;
        for (const QRect &r : std::as_const(free)) {
            if (!r.intersects(cover)) {
                parts.append(r);
                continue;
            }
            if (cover.top() > r.top())
                parts.append(QRect(r.left(), r.top(), r.width(), cover.top() - r.top()));
            if (cover.bottom() < r.bottom())
                parts.append(QRect(QPoint(r.left(), cover.bottom() + 1), r.bottomRight()));
            if (cover.left() > r.left())
                parts.append(QRect(r.left(), r.top(), cover.left() - r.left(), r.height()));
            if (cover.right() < r.right())
                parts.append(QRect(QPoint(cover.right() + 1, r.top()), r.bottomRight()));
        }
        free.clear();
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const auto inside = [&](qsizetype j) {
                return j != i && parts[j].contains(parts[i]) && (parts[j] != parts[i] || j < i);
            };
            bool contained = false;
            for (qsizetype j = 0; j < parts.size() && !contained; ++j)
                contained = inside(j);
            if (!contained)
                free.append(parts[i]);
        }
    }
    return free;
}

} // namespace

MapView::MapView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("mapView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(parent->rect());
    // The box sizes its client only when it is first shown.
    parent->installEventFilter(this);
}

bool MapView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void MapView::setPicture(const QImage &preview, QSize pictureSize, const QString &path)
{
    m_preview = preview;
    m_whole = QImage();
    m_pictureSize = pictureSize;
    m_path = path;
    m_pins.clear();
    m_zoom = 1;
    fitToBox();
}

void MapView::setCovered(const QList<QRect> &covered)
{
    if (covered == m_covered)
        return;
    m_covered = covered;
    fitToBox();
}

void MapView::pin(QWidget *widget, QPointF at, Anchor anchor)
{
    unpin(widget);
    m_pins.push_back({widget, at, anchor});
    placePins();
}

void MapView::unpin(QWidget *widget)
{
    std::erase_if(m_pins, [widget](const Pin &pin) { return pin.widget == widget || !pin.widget; });
}

std::optional<QPointF> MapView::place(const QWidget *widget) const
{
    for (const Pin &pin : m_pins) {
        if (pin.widget == widget)
            return pin.at;
    }
    return std::nullopt;
}

QPointF MapView::toMap(QPointF viewPoint) const
{
    return (viewPoint - m_origin) / scale();
}

QPointF MapView::toView(QPointF mapPoint) const
{
    return m_origin + mapPoint * scale();
}

QTransform MapView::mapToView() const
{
    return QTransform::fromTranslate(m_origin.x(), m_origin.y()).scale(scale(), scale());
}

void MapView::zoomAbout(QPointF viewPoint, qreal zoom)
{
    const QPointF mapPoint = toMap(viewPoint);
    m_zoom = std::clamp(zoom, 1.0, MaxZoom);
    setOrigin(viewPoint - mapPoint * scale());
}

void MapView::setOrigin(QPointF origin)
{
    const QSizeF extent = QSizeF(m_pictureSize) * scale();
    m_origin = {clampedStart(origin.x(), extent.width(), m_area.x(), m_area.width()),
                clampedStart(origin.y(), extent.height(), m_area.y(), m_area.height())};
    placePins();
    update();
    emit viewChanged();
}

void MapView::placePins()
{
    for (const Pin &pin : m_pins) {
        if (!pin.widget)
            continue;
        const QPoint at = toView(pin.at).toPoint();
        if (pin.anchor == Anchor::TopLeft) {
            pin.widget->move(at);
        } else {
            QRect area(QPoint(), pin.widget->size());
            area.moveCenter(at);
            pin.widget->move(area.topLeft());
        }
    }
}

// The preview until the map is drawn larger than it holds; then the whole
// picture, decoded once.
const QImage &MapView::pictureToDraw()
{
    const qreal shownWidth = m_pictureSize.width() * scale() * devicePixelRatioF();
    if (m_whole.isNull() && !m_path.isEmpty() && shownWidth > m_preview.width() * 1.01) {
        m_whole = Dungeon::readMapPicture(m_path).image;
        m_path.clear(); // a picture that fails now is not tried again
    }
    return m_whole.isNull() ? m_preview : m_whole;
}

void MapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(m_origin, QSizeF(m_pictureSize) * scale()), pictureToDraw());
}

void MapView::resizeEvent(QResizeEvent *)
{
    fitToBox();
}

// Into the free rectangle where the picture shows largest.
void MapView::fitToBox()
{
    if (m_pictureSize.isEmpty())
        return;
    const auto fitScale = [this](const QRect &area) {
        return std::min(qreal(area.width()) / m_pictureSize.width(), qreal(area.height()) / m_pictureSize.height());
    };
    m_area = rect();
    m_fitScale = 0;
    for (const QRect &area : freeRectangles(rect(), m_covered)) {
        if (fitScale(area) > m_fitScale) {
            m_fitScale = fitScale(area);
            m_area = area;
        }
    }
    if (m_fitScale <= 0)
        m_fitScale = fitScale(rect());
    setOrigin(m_origin);
}

void MapView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const qreal steps = event->angleDelta().y() / 120.0;
    zoomAbout(event->position(), m_zoom * std::pow(ZoomPerWheelStep, steps));
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(toMap(event->position()));
    else if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)
        m_panFrom = event->position();
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_panFrom)
        return;
    panBy(event->position() - *m_panFrom);
    m_panFrom = event->position();
}

void MapView::mouseReleaseEvent(QMouseEvent *)
{
    m_panFrom.reset();
}
