#include "spotplacement.h"

#include "mapview.h"

#include "kit/spots.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

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

SpotPlacement::SpotPlacement(const Dungeon::DungeonDescription &description, MapView *map,
                             const QList<int> &takenAreas, QWidget *parent)
    : QWidget(parent), m_description(description), m_map(map), m_takenAreas(takenAreas)
{
    setObjectName(QStringLiteral("spotPlacement"));
    setGeometry(parent->rect());
    setFocusPolicy(Qt::StrongFocus);
    QFont small = font();
    small.setPointSizeF(7);
    small.setBold(true);
    setFont(small);
    if (map)
        connect(map, &MapView::viewChanged, this, qOverload<>(&QWidget::update));
}

QList<int> SpotPlacement::unplacedNumbers() const
{
    QList<int> numbers;
    for (int n = 1; n <= Dungeon::SpotCount && !spotsFixed(); ++n) {
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

QRect SpotPlacement::stripArea() const
{
    if (spotsFixed())
        return {};
    const int perRow = std::max(1, (width() - StripGap) / (Square + StripGap));
    const int rows = (Dungeon::SpotCount + perRow - 1) / perRow;
    return {0, 0, width(), rows * (Square + StripGap) + StripGap};
}

int SpotPlacement::numberInStrip(QPoint point) const
{
    for (int n : unplacedNumbers()) {
        if (stripSquare(n).contains(point))
            return n;
    }
    return 0;
}

QRectF SpotPlacement::spotSquare(int spot) const
{
    if (spotsFixed()) // the map's own number, a little larger to be hit
        return QRectF(Map::Spots[spot - 1]).adjusted(-2, -2, 2, 2);
    if (!m_description.spots.contains(spot))
        return {};
    QRectF square(0, 0, Square, Square);
    square.moveCenter(toView(m_description.spots.value(spot)));
    return square;
}

int SpotPlacement::spotAt(QPointF point) const
{
    for (int n = 1; n <= Dungeon::SpotCount; ++n) {
        if (spotSquare(n).contains(point))
            return n;
    }
    return 0;
}

int SpotPlacement::outlineAt(QPointF point) const
{
    const QPointF at = onPicture(point);
    for (auto room = m_description.rooms.cbegin(); room != m_description.rooms.cend(); ++room) {
        if (room.value().containsPoint(at, Qt::OddEvenFill))
            return room.key();
    }
    for (auto area = m_description.areas.cbegin(); area != m_description.areas.cend(); ++area) {
        if (area.value().containsPoint(at, Qt::OddEvenFill))
            return -area.key();
    }
    return 0;
}

QPointF SpotPlacement::toView(QPointF mapPoint) const
{
    return m_map ? m_map->toView(mapPoint) : mapPoint;
}

QPointF SpotPlacement::onPicture(QPointF viewPoint) const
{
    const QPointF at = m_map ? m_map->toMap(viewPoint) : viewPoint;
    const QSize size = m_map ? m_map->pictureSize() : Dungeon::BuiltInMapSize;
    return {std::clamp(qRound(at.x()), 0, size.width()) * 1.0, std::clamp(qRound(at.y()), 0, size.height()) * 1.0};
}

// After the last number in use, here or in what the players saw, so that a
// new area is never taken for one that was removed.
int SpotPlacement::newAreaNumber() const
{
    QList<int> taken = m_takenAreas + m_description.areas.keys();
    const int last = taken.isEmpty() ? 0 : *std::max_element(taken.begin(), taken.end());
    if (last < Dungeon::MaxAreaNumber)
        return last + 1;
    for (int n = 1; n <= Dungeon::MaxAreaNumber; ++n) {
        if (!taken.contains(n))
            return n;
    }
    return 0;
}

void SpotPlacement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto drawOutlines = [&](const QMap<int, QPolygonF> &outlines, int sign) {
        for (auto outline = outlines.begin(); outline != outlines.end(); ++outline) {
            QPolygonF corners;
            for (QPointF corner : outline.value())
                corners << toView(corner);
            painter.setPen(QPen(QColor(0, 0, 255, 140), 1, sign > 0 ? Qt::SolidLine : Qt::DashLine));
            painter.setBrush(QColor(0, 0, 255, sign * outline.key() == m_chosen ? 60 : 25));
            painter.drawPolygon(corners);
        }
    };
    drawGrid(painter);
    drawOutlines(m_description.rooms, 1);
    drawOutlines(m_description.areas, -1);
    if (!m_outlineInProgress.isEmpty()) {
        QPolygonF corners;
        for (QPointF corner : m_outlineInProgress)
            corners << toView(corner);
        painter.setPen(QPen(Qt::blue, 2, Qt::DashLine));
        painter.drawPolyline(corners);
    }
    if (m_measure) {
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(toView(m_measure->p1()), toView(m_measure->p2()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (spotsFixed()) {
        // The built-in map carries its numbers: only the chosen one is marked.
        if (m_chosen > 0) {
            painter.setPen(QPen(Qt::blue, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(spotSquare(m_chosen));
        }
        return;
    }
    // The board's own squares show the spots as they were; these show them as they are now.
    for (auto spot = m_description.spots.begin(); spot != m_description.spots.end(); ++spot)
        drawNumberSquare(painter, spotSquare(spot.key()).toRect(), spot.key(), spot.key() == m_chosen);
    const QList<int> unplaced = unplacedNumbers();
    if (!unplaced.isEmpty()) {
        painter.fillRect(stripArea(), QColor(40, 40, 40, 200));
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
    if (event->modifiers() & Qt::ShiftModifier) {
        const QPointF from = onPicture(event->position());
        m_measure = QLineF(from, from);
    } else if (event->modifiers() & Qt::ControlModifier) {
        m_chosen = outlineAt(event->position());
        m_outlineInProgress.clear();
    } else if (const int spot = numberInStrip(at) ? numberInStrip(at) : spotAt(event->position()); spot != 0) {
        m_chosen = spot;
        m_dragged = spotsFixed() ? 0 : spot; // fixed spots only choose
        m_outlineInProgress.clear();
    } else {
        if (m_outlineInProgress.isEmpty() && m_chosen < 0)
            m_chosen = 0; // a chosen area is not drawn anew: the clicks start another
        m_outlineInProgress << onPicture(event->position());
    }
    update();
}

void SpotPlacement::mouseMoveEvent(QMouseEvent *event)
{
    if (m_measure) {
        m_measure->setP2(onPicture(event->position()));
        update();
        return;
    }
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
    if (m_measure) {
        const QLineF line = *std::exchange(m_measure, std::nullopt);
        update();
        measureGrid(line);
        return;
    }
    if (m_dragged == 0) {
        forwardToMap(event);
        return;
    }
    const bool fromStrip = !m_description.spots.contains(m_dragged);
    if (fromStrip && !stripArea().contains(event->position().toPoint()) && rect().contains(event->position().toPoint())) {
        m_description.spots.insert(m_dragged, onPicture(event->position()));
        emit spotsChanged();
    }
    m_dragged = 0;
    update();
}

void SpotPlacement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Both presses of the double-click have added their corner: one is enough.
    if (m_outlineInProgress.size() >= 2 && m_outlineInProgress.constLast() == m_outlineInProgress.at(m_outlineInProgress.size() - 2))
        m_outlineInProgress.removeLast();
    if (event->button() != Qt::LeftButton || m_outlineInProgress.size() < 3) {
        mousePressEvent(event);
        return;
    }
    closeOutline();
}

// The chosen spot's room, or a new area.
void SpotPlacement::closeOutline()
{
    if (m_chosen > 0) {
        m_description.rooms.insert(m_chosen, m_outlineInProgress);
    } else if (const int number = newAreaNumber(); number != 0) {
        m_description.areas.insert(number, m_outlineInProgress);
        m_chosen = -number;
    } else {
        QApplication::beep();
    }
    m_outlineInProgress.clear();
    update();
}

void SpotPlacement::removeChosen()
{
    if (m_chosen < 0) {
        m_description.areas.remove(-m_chosen);
        m_chosen = 0;
    } else if (spotsFixed()) {
        m_description.rooms.remove(m_chosen);
    } else if (m_chosen != 0 && m_description.spots.remove(m_chosen)) {
        emit spotsChanged();
    }
    update();
}

void SpotPlacement::measureGrid(const QLineF &line)
{
    const qreal along = std::max(std::abs(line.dx()), std::abs(line.dy()));
    if (along < Square)
        return; // a click, not a measure
    bool ok = false;
    const int squares = QInputDialog::getInt(this, tr("Grid"), tr("How many squares of the map's grid does the line cross?"),
                                             std::max(1, qRound(along / 70)), 1, 500, 1, &ok);
    if (!ok)
        return;
    m_description.grid = Dungeon::MapGrid{along / squares, line.p1()};
    update();
}

// Faint lines where the grid lies, while they are far enough apart to see.
void SpotPlacement::drawGrid(QPainter &painter) const
{
    if (!m_description.grid)
        return;
    const Dungeon::MapGrid &grid = *m_description.grid;
    const QSizeF size = m_map ? QSizeF(m_map->pictureSize()) : QSizeF(Dungeon::BuiltInMapSize);
    if (QLineF(toView({0, 0}), toView({grid.size, 0})).length() < 4)
        return;
    painter.setPen(QPen(QColor(255, 0, 0, 90), 1));
    for (qreal x = std::fmod(grid.origin.x(), grid.size); x <= size.width(); x += grid.size)
        painter.drawLine(toView({x, 0}), toView({x, size.height()}));
    for (qreal y = std::fmod(grid.origin.y(), grid.size); y <= size.height(); y += grid.size)
        painter.drawLine(toView({0, y}), toView({size.width(), y}));
}

void SpotPlacement::wheelEvent(QWheelEvent *event)
{
    forwardToMap(event);
}

void SpotPlacement::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (!m_outlineInProgress.isEmpty()) {
            m_outlineInProgress.removeLast();
            update();
            break;
        }
        [[fallthrough]];
    case Qt::Key_Delete:
        m_outlineInProgress.clear();
        removeChosen();
        break;
    case Qt::Key_A:
        m_chosen = 0;
        m_outlineInProgress.clear();
        update();
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
// positions hold for it as they are. The built-in map neither zooms nor pans.
void SpotPlacement::forwardToMap(QEvent *event)
{
    if (m_map)
        QCoreApplication::sendEvent(m_map, event);
}
