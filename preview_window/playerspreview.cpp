#include "playerspreview.h"

#include "fog/playertable.h"
#include "player_window/playerview.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>

namespace {

QPointer<PlayersPreview> s_preview;

} // namespace

void PlayersPreview::toggle(PlayerTable *table, QWidget *board)
{
    if (s_preview && s_preview->m_table == table && s_preview->isVisible()) {
        s_preview->hide();
        return;
    }
    if (!s_preview || s_preview->m_table != table) {
        delete s_preview;
        s_preview = new PlayersPreview(table, board);
        // In the board's top right corner, clear of the map on its left.
        const QRect boardArea = board->frameGeometry();
        s_preview->resize(s_preview->sizeHint());
        s_preview->move(boardArea.right() - s_preview->width() - 24, boardArea.top() + 48);
    }
    s_preview->follow(PlayerView::current());
    s_preview->show();
    // Some window managers activate a new window whatever it asks for.
    board->activateWindow();
}

PlayersPreview *PlayersPreview::current()
{
    return s_preview;
}

PlayersPreview::PlayersPreview(PlayerTable *table, QWidget *board)
    : QWidget(board, Qt::Tool), m_table(table)
{
    setObjectName(QStringLiteral("PlayersPreview"));
    setWindowTitle(tr("What the players see"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(160, 90);
    connect(table, &PlayerTable::blackoutChanged, this, qOverload<>(&QWidget::update));
}

void PlayersPreview::follow(PlayerView *view)
{
    if (view == m_view)
        return;
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (view)
        view->installEventFilter(this);
    update();
}

QSize PlayersPreview::sizeHint() const
{
    const QSize players = m_view ? m_view->size() : QSize(16, 9);
    return players.scaled(320, 240, Qt::KeepAspectRatio);
}

// Every paint of the players' screen is copied once its own is done.
bool PlayersPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && !m_copying) {
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Resize:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayersPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_view || !m_view->isVisible()) {
        drawCaption(painter, tr("The players' view is closed (F5 opens it)"));
        return;
    }
    // The whole players' screen, as large as fits, its aspect kept.
    const QSize players = m_view->size();
    const QSize shown = players.scaled(size(), Qt::KeepAspectRatio);
    painter.translate((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.scale(qreal(shown.width()) / players.width(), qreal(shown.height()) / players.height());
    m_copying = true;
    m_view->render(&painter, {}, {}, {});
    m_copying = false;
    painter.resetTransform();
    if (m_table && m_table->isBlackedOut())
        drawCaption(painter, tr("Blacked out"));
}

void PlayersPreview::drawCaption(QPainter &painter, const QString &text)
{
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, text);
}
