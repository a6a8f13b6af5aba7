#include "spotplacement.h"

#include "mapview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int Square = 17;
constexpr int StripGap = 1;

void drawNumberSquare(QPainter &painter, const QRect &square, int number, bool chosen)
{
    painter.fillRect(square, Qt::white);
    painter.setPen(QPen(chosen ? QColor(Qt::blue) : QColor(0x30, 0x30, 0x30), chosen ? 2 : 1));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::red);
    painter.drawText(square, Qt::AlignCenter, QString::number(number));
}

} // namespace

SpotPlacement::SpotPlacement(const Dungeon::DungeonDescription &description, MapView *map, QWidget *parent)
    : QWidget(parent), m_description(description), m_map(map)
{
    setObjectName(QStringLiteral("spotPlacement"));
    setGeometry(parent->rect());
    setFocusPolicy(Qt::StrongFocus);
    QFont small = font();
    small.setPointSizeF(7);
    small.setBold(true);
    setFont(small);
    connect(map, &MapView::viewChanged, this, qOverload<>(&QWidget::update));
}

QList<int> SpotPlacement::unplacedNumbers() const
{
    QList<int> numbers;
    for (int n = 1; n <= Dungeon::SpotCount; ++n) {
        if (!m_description.spots.contains(n))
            numbers.append(n);
    }
    return numbers;
}

QRect SpotPlacement::stripSquare(int number) const
{
    const int index = int(unplacedNumbers().indexOf(number));
    if (index < 0)
        return {};
    const int perRow = (width() - StripGap) / (Square + StripGap);
    return {StripGap + (index % perRow) * (Square + StripGap), StripGap + (index / perRow) * (Square + StripGap),
            Square, Square};
}

int SpotPlacement::numberInStrip(QPoint point) const
{
    for (int n : unplacedNumbers()) {
        if (stripSquare(n).contains(point))
            return n;
    }
    return 0;
}

int SpotPlacement::spotAt(QPointF point) const
{
    for (auto spot = m_description.spots.begin(); spot != m_description.spots.end(); ++spot) {
        QRectF square(0, 0, Square, Square);
        square.moveCenter(m_map->toView(spot.value()));
        if (square.contains(point))
            return spot.key();
    }
    return 0;
}

QPointF SpotPlacement::onPicture(QPointF viewPoint) const
{
    const QPointF at = m_map->toMap(viewPoint);
    const QSize size = m_map->pictureSize();
    return {std::clamp(qRound(at.x()), 0, size.width()) * 1.0, std::clamp(qRound(at.y()), 0, size.height()) * 1.0};
}

void SpotPlacement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (auto room = m_description.rooms.begin(); room != m_description.rooms.end(); ++room) {
        QPolygonF outline;
        for (QPointF corner : room.value())
            outline << m_map->toView(corner);
        painter.setPen(QPen(QColor(0, 0, 255, 140), 1));
        painter.setBrush(QColor(0, 0, 255, room.key() == m_chosen ? 60 : 25));
        painter.drawPolygon(outline);
    }
    if (!m_roomInProgress.isEmpty()) {
        QPolygonF corners;
        for (QPointF corner : m_roomInProgress)
            corners << m_map->toView(corner);
        painter.setPen(QPen(Qt::blue, 2, Qt::DashLine));
        painter.drawPolyline(corners);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The board's own squares show the spots as they were; these show them as they are now.
    for (auto spot = m_description.spots.begin(); spot != m_description.spots.end(); ++spot) {
        QRect square(0, 0, Square, Square);
        square.moveCenter(m_map->toView(spot.value()).toPoint());
        drawNumberSquare(painter, square, spot.key(), spot.key() == m_chosen);
    }
    const QList<int> unplaced = unplacedNumbers();
    if (!unplaced.isEmpty()) {
        const QRect strip = stripSquare(unplaced.first()).united(stripSquare(unplaced.last()));
        painter.fillRect(QRect(0, 0, width(), strip.bottom() + 1 + StripGap), QColor(40, 40, 40, 200));
        for (int n : unplaced)
            drawNumberSquare(painter, stripSquare(n), n, false);
    }
    if (m_dragged != 0 && !m_description.spots.contains(m_dragged)) {
        QRect square(0, 0, Square, Square);
        square.moveCenter(m_dragAt.toPoint());
        drawNumberSquare(painter, square, m_dragged, true);
    }
}

void SpotPlacement::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        forwardToMap(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    m_dragAt = event->position();
    if ((m_dragged = numberInStrip(at)) != 0 || (m_dragged = spotAt(event->position())) != 0) {
        m_chosen = m_dragged;
        m_roomInProgress.clear();
    } else if (m_chosen != 0) {
        m_roomInProgress << onPicture(event->position());
    }
    update();
}

void SpotPlacement::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragged == 0) {
        forwardToMap(event);
        return;
    }
    m_dragAt = event->position();
    if (m_description.spots.contains(m_dragged)) {
        m_description.spots.insert(m_dragged, onPicture(m_dragAt));
        emit spotsChanged();
    }
    update();
}

void SpotPlacement::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragged == 0) {
        forwardToMap(event);
        return;
    }
    const bool fromStrip = !m_description.spots.contains(m_dragged);
    if (fromStrip && numberInStrip(event->position().toPoint()) == 0 && rect().contains(event->position().toPoint())) {
        m_description.spots.insert(m_dragged, onPicture(event->position()));
        emit spotsChanged();
    }
    m_dragged = 0;
    update();
}

void SpotPlacement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Both presses of the double-click have added their corner: one is enough.
    if (m_roomInProgress.size() >= 2 && m_roomInProgress.constLast() == m_roomInProgress.at(m_roomInProgress.size() - 2))
        m_roomInProgress.removeLast();
    if (event->button() != Qt::LeftButton || m_chosen == 0 || m_roomInProgress.size() < 3) {
        mousePressEvent(event);
        return;
    }
    m_description.rooms.insert(m_chosen, m_roomInProgress);
    m_roomInProgress.clear();
    update();
}

void SpotPlacement::wheelEvent(QWheelEvent *event)
{
    forwardToMap(event);
}

void SpotPlacement::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (m_chosen != 0 && m_description.spots.remove(m_chosen)) {
            m_roomInProgress.clear();
            emit spotsChanged();
            update();
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit saveRequested();
        break;
    case Qt::Key_Escape:
        emit discardRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The map lies under this widget with the same geometry, so the event's
// positions hold for it as they are.
void SpotPlacement::forwardToMap(QEvent *event)
{
    QCoreApplication::sendEvent(m_map, event);
}
