#include "playerview.h"

#include "fog/fog.h"
#include "fog/playertable.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QtMath>
#include <QStaticText>

namespace {

QPointer<PlayerView> s_view;

const QString ScreenKey = QStringLiteral("PlayerView/screen");
const QString FullScreenKey = QStringLiteral("PlayerView/fullScreen");

// Explored rooms keep this much of their brightness.
constexpr int DimmingAlpha = 150;

// The order's lines: a twenty-fourth of the screen's height (45 pixels on a
// 1080-line TV), never smaller than this when the order is long.
constexpr int OrderLinesPerScreen = 24;
constexpr int SmallestOrderLine = 12;
const QColor CurrentTurnColour(255, 204, 64);
const QColor HealthColour(170, 190, 215);
const QColor MarkerRingColour(235, 235, 225);

} // namespace

void PlayerView::toggle(PlayerTable *table, QWidget *board)
{
    if (s_view && s_view->m_table == table && s_view->isVisible())
        s_view->hide();
    else
        show(table, board);
}

PlayerView *PlayerView::show(PlayerTable *table, QWidget *board)
{
    if (!s_view || s_view->m_table != table) {
        delete s_view;
        s_view = new PlayerView(table, board);
    }
    s_view->showOnChosenScreen();
    return s_view;
}

PlayerView *PlayerView::current()
{
    return s_view;
}

void PlayerView::offerChoices(PlayerTable *table, QWidget *board, QPoint at)
{
    if (!s_view || s_view->m_table != table) {
        delete s_view;
        s_view = new PlayerView(table, board);
    }
    s_view->execChoices(at, board);
}

PlayerView::PlayerView(PlayerTable *table, QWidget *board)
    : m_table(table), m_board(board)
{
    setObjectName(QStringLiteral("PlayerView"));
    setWindowTitle(tr("Players' view"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The game master keeps the keyboard on the board.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::BlankCursor);
    setMinimumSize(160, 120);

    connect(table, &QObject::destroyed, this, &QObject::deleteLater);
    connect(table, &PlayerTable::dungeonChanged, this, &PlayerView::showDungeon);
    connect(table, &PlayerTable::fogChanged, this, [this] {
        drawFog();
        update(mapArea());
    });
    connect(table, &PlayerTable::markerMoved, this, &PlayerView::moveMarker);
    connect(table, &PlayerTable::blackoutChanged, this, qOverload<>(&QWidget::update));
}

// --- Which screen -------------------------------------------------------------

QScreen *PlayerView::chosenScreen() const
{
    const QString name = QSettings().value(ScreenKey).toString();
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        if (screen->name() == name)
            return screen;
    }
    QScreen *boardScreen = m_board ? m_board->screen() : QGuiApplication::primaryScreen();
    for (QScreen *screen : screens) {
        if (screen != boardScreen)
            return screen;
    }
    return boardScreen;
}

bool PlayerView::fullScreenChosen() const
{
    return QSettings().value(FullScreenKey, QGuiApplication::screens().size() > 1).toBool();
}

void PlayerView::showOnChosenScreen()
{
    QScreen *screen = chosenScreen();
    setScreen(screen);
    if (fullScreenChosen()) {
        setGeometry(screen->geometry());
        showFullScreen();
    } else {
        if (isFullScreen() || !isVisible() || this->screen() != screen) {
            const QRect available = screen->availableGeometry();
            const QSize size = available.size() * 2 / 3;
            setGeometry(QRect(available.center() - QPoint(size.width(), size.height()) / 2, size));
        }
        showNormal();
    }
    // Some window managers activate a new window whatever it asks for.
    if (m_board)
        m_board->activateWindow();
}

void PlayerView::choose(QScreen *screen, bool fullScreen)
{
    QSettings settings;
    settings.setValue(ScreenKey, screen->name());
    settings.setValue(FullScreenKey, fullScreen);
    showOnChosenScreen();
}

void PlayerView::contextMenuEvent(QContextMenuEvent *event)
{
    execChoices(event->globalPos(), this);
}

void PlayerView::execChoices(QPoint at, QWidget *menuParent)
{
    QMenu menu(menuParent);
    menu.setObjectName(QStringLiteral("playersViewChoices"));
    QScreen *current = chosenScreen();
    const bool fullScreen = fullScreenChosen();

    auto screens = new QActionGroup(&menu);
    const QList<QScreen *> allScreens = QGuiApplication::screens();
    for (qsizetype i = 0; i < allScreens.size(); ++i) {
        QScreen *screen = allScreens[i];
        QAction *action = menu.addAction(tr("Screen %1: %2 (%3 x %4)")
                                                 .arg(QString::number(i + 1), screen->name(),
                                                      QString::number(screen->size().width()),
                                                      QString::number(screen->size().height())));
        action->setCheckable(true);
        action->setChecked(screen == current);
        action->setActionGroup(screens);
        connect(action, &QAction::triggered, this,
                [this, screen, fullScreen] { choose(screen, fullScreen); });
    }
    menu.addSeparator();
    QAction *fullScreenAction = menu.addAction(tr("Full screen"));
    fullScreenAction->setCheckable(true);
    fullScreenAction->setChecked(fullScreen);
    connect(fullScreenAction, &QAction::toggled, this,
            [this, current](bool on) { choose(current, on); });
    if (isVisible())
        menu.addAction(tr("Hide\tF5"), this, &QWidget::hide);
    menu.exec(at);
}

// F5 hides the view here too, since full screen it may cover the board.
void PlayerView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5 || event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

// --- Drawing --------------------------------------------------------------------

QRect PlayerView::mapArea() const
{
    if (!m_table)
        return {};
    const QSize size = m_table->mapSize().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRect PlayerView::markerArea(int index) const
{
    if (!m_table->isOnMap(index))
        return {};
    const QRect area = mapArea();
    const qreal scale = qreal(area.width()) / m_table->mapSize().width();
    const QRectF &place = m_table->markers()[index].place;
    const QRectF onView(area.topLeft() + place.topLeft() * scale, place.size() * scale);
    return onView.toAlignedRect().intersected(area);
}

void PlayerView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scaleMap();
    drawFog();
    m_panel = orderPanel();
}

// The map is scaled from its full resolution to the screen's device pixels
// once for each size, with a dimmed copy beside it, so that a change of the
// fog only copies pixels.
void PlayerView::scaleMap()
{
    if (!m_table)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(mapArea().size()) * ratio).toSize();
    if (devicePixels.isEmpty() || m_brightMap.size() == devicePixels)
        return;
    m_brightMap = m_table->map()
                      .convertToFormat(QImage::Format_RGB32)
                      .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_brightMap.setDevicePixelRatio(ratio);
    m_dimmedMap = m_brightMap.copy();
    QPainter(&m_dimmedMap).fillRect(m_dimmedMap.rect(), QColor(0, 0, 0, DimmingAlpha));
    m_fogged = QImage(devicePixels, QImage::Format_RGB32);
    m_fogged.setDevicePixelRatio(ratio);
}

// Another map, perhaps of another shape: scaled anew, and the fog drawn over it.
void PlayerView::showDungeon()
{
    m_brightMap = QImage();
    scaleMap();
    drawFog();
    m_panel = orderPanel();
    update();
}

void PlayerView::drawFog()
{
    if (!m_table || m_fogged.isNull())
        return;
    const Fog &fog = *m_table->fog();
    const FogState &state = fog.state();
    m_fogged.fill(Qt::black);
    QPainter painter(&m_fogged);
    const qreal scale = qreal(mapArea().width()) / m_table->mapSize().width();
    painter.scale(scale, scale);
    for (int spot : state.revealed) {
        const QPainterPath room = fog.room(spot);
        painter.setClipPath(room);
        // Only the room's own rectangle is copied; the clip trims it.
        const QRectF bounds = room.boundingRect();
        const QImage &source = spot == state.current ? m_brightMap : m_dimmedMap;
        painter.drawImage(bounds, source,
                          QRectF(bounds.topLeft() * scale * source.devicePixelRatio(),
                                 bounds.size() * scale * source.devicePixelRatio()));
    }
}

void PlayerView::moveMarker(int index, const QRectF &previousPlace)
{
    const qreal scale = qreal(mapArea().width()) / m_table->mapSize().width();
    const QRectF previous(mapArea().topLeft() + previousPlace.topLeft() * scale,
                          previousPlace.size() * scale);
    update(previous.toAlignedRect().adjusted(-1, -1, 1, 1));
    update(markerArea(index));
}

void PlayerView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_table || m_table->isBlackedOut()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    const QRect area = mapArea();
    const QRegion around = QRegion(event->rect()).subtracted(area);
    for (const QRect &rect : around)
        painter.fillRect(rect, Qt::black);
    const QRect exposed = event->rect().intersected(area);
    const qreal ratio = m_fogged.devicePixelRatio();
    painter.drawImage(exposed, m_fogged,
                      QRectF(QPointF(exposed.topLeft() - area.topLeft()) * ratio,
                             QSizeF(exposed.size()) * ratio));
    const QList<PartyMarker> &markers = m_table->markers();
    // In the board's stacking order: a later marker lies in front.
    for (qsizetype i = 0; i < markers.size(); ++i) {
        const QRect marker = markerArea(int(i));
        if (!marker.isEmpty() && marker.intersects(event->rect())) {
            // A light ring shows every marker on black fog and on the map alike.
            const int ring = std::max(2, marker.width() / 8);
            painter.fillRect(marker, MarkerRingColour);
            painter.fillRect(marker.adjusted(ring, ring, -ring, -ring), markers[i].colour);
        }
    }
    if (m_panel.area.intersects(event->rect()))
        drawOrder(painter, m_panel);
}

// --- The fight's order ------------------------------------------------------------

void PlayerView::setOrder(const PlayersOrder &order)
{
    if (order == m_order)
        return;
    update(m_panel.area);
    m_order = order;
    m_panel = orderPanel();
    update(m_panel.area);
}

// Beside the map, in the wider of its side margins, as large as fits there
// down to half the full size; otherwise over the map's top right corner,
// names elided where they must be.
PlayerView::OrderPanel PlayerView::orderPanel() const
{
    if (m_order.isEmpty())
        return {};
    const int lines = int(m_order.entries.size()) + (m_order.counter.isEmpty() ? 0 : 1);
    const QRect map = mapArea();
    const int leftMargin = map.isEmpty() ? width() : map.left();
    const int rightMargin = map.isEmpty() ? width() : width() - 1 - map.right();
    const int fullLine = std::max(height() / OrderLinesPerScreen, SmallestOrderLine);
    const int line = std::clamp(height() * 2 / 3 / (lines + 1), SmallestOrderLine, fullLine);

    // The widest line of the order in a font for lines of that height.
    const auto measure = [this, lines](int lineHeight) {
        OrderPanel panel;
        panel.lineHeight = lineHeight;
        panel.font = font();
        panel.font.setPixelSize(lineHeight * 2 / 3);
        panel.font.setBold(true);
        const QFontMetrics metrics(panel.font);
        int names = 0, health = 0;
        for (const PlayersEntry &entry : m_order.entries) {
            names = std::max(names, metrics.horizontalAdvance(entry.name));
            health = std::max(health, metrics.horizontalAdvance(entry.health));
        }
        const int padding = lineHeight / 2;
        const int columns = std::max(metrics.horizontalAdvance(QStringLiteral("\u25B6 ")) + names
                                             + (health > 0 ? lineHeight + health : 0),
                                     metrics.horizontalAdvance(m_order.counter));
        panel.area.setSize(QSize(columns + 2 * padding, lines * lineHeight + 2 * padding));
        return panel;
    };

    // Text widths grow with the font: the size that fits is found from one
    // measure, then checked, so that each change measures the names twice or so.
    const int margin = std::max(leftMargin, rightMargin);
    const int smallest = std::max(SmallestOrderLine, line / 2);
    OrderPanel panel = measure(line);
    int lineHeight = std::min(line, int(qint64(line) * margin / std::max(1, panel.area.width())) + 1);
    while (lineHeight >= smallest && panel.area.width() > margin)
        panel = measure(lineHeight--);
    while (panel.lineHeight < line && panel.area.width() <= margin) {
        const OrderPanel larger = measure(panel.lineHeight + 1);
        if (larger.area.width() > margin)
            break;
        panel = larger;
    }
    if (panel.area.width() <= margin) {
        const int left = rightMargin >= leftMargin ? width() - rightMargin : 0;
        panel.area.moveTo(left + (margin - panel.area.width()) / 2, panel.lineHeight / 2);
        return panel;
    }
    panel = measure(line);
    panel.area.setWidth(std::min(panel.area.width(), width() / 2));
    panel.overMap = true;
    panel.area.moveTopRight(map.topRight() + QPoint(-line / 2, line / 2));
    return panel;
}

void PlayerView::drawOrder(QPainter &painter, const OrderPanel &panel) const
{
    const QFontMetrics metrics(panel.font);
    const int lineHeight = panel.lineHeight;
    const int padding = lineHeight / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (panel.overMap) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 190));
        painter.drawRoundedRect(panel.area, padding, padding);
    }
    painter.setFont(panel.font);
    QRect line(panel.area.left() + padding, panel.area.top() + padding,
               panel.area.width() - 2 * padding, lineHeight);
    // Each text centred on its line, as drawText's AlignVCenter would.
    const int textTop = (lineHeight - metrics.height()) / 2;
    const auto drawLeft = [&](const QRect &box, const QStaticText &text) {
        painter.drawStaticText(box.left(), box.top() + textTop, text);
    };
    if (!m_order.counter.isEmpty()) {
        painter.setPen(HealthColour);
        drawLeft(line, orderText(panel, m_order.counter, line.width()));
        line.translate(0, lineHeight);
    }
    const QStaticText &mark = orderText(panel, QStringLiteral("\u25B6 "), -1);
    const int markWidth = metrics.horizontalAdvance(mark.text());
    for (const PlayersEntry &entry : m_order.entries) {
        const QStaticText &health = orderText(panel, entry.health, -1);
        const int healthWidth = entry.health.isEmpty() ? 0 : qCeil(health.size().width());
        const QRect name = line.adjusted(markWidth, 0, healthWidth > 0 ? -healthWidth - lineHeight : 0, 0);
        painter.setPen(entry.isCurrent ? CurrentTurnColour : QColor(Qt::white));
        if (entry.isCurrent)
            drawLeft(line, mark);
        drawLeft(name, orderText(panel, entry.name, name.width()));
        painter.setPen(HealthColour);
        painter.drawStaticText(line.left() + line.width() - healthWidth, line.top() + textTop, health);
        line.translate(0, lineHeight);
    }
    painter.restore();
}

// Most changes of a fight leave most lines of the order as they were: each
// text is elided to its width and laid out once for the panel's font.
const QStaticText &PlayerView::orderText(const OrderPanel &panel, const QString &text, int width) const
{
    constexpr qsizetype MostTexts = 512;
    if (m_orderTextsFont != panel.font || m_orderTexts.size() > MostTexts) {
        m_orderTexts.clear();
        m_orderTextsFont = panel.font;
    }
    const QString key = text + QChar(0) + QString::number(width);
    if (const auto found = m_orderTexts.constFind(key); found != m_orderTexts.cend())
        return *found;
    QStaticText laidOut(width < 0 ? text : QFontMetrics(panel.font).elidedText(text, Qt::ElideRight, width));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), panel.font);
    return *m_orderTexts.insert(key, laidOut);
}
