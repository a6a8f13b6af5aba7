#include "trackerplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace TrackerPlace {

namespace {

const QString PlaceKey = QStringLiteral("CombatTracker/place"); // the frame's top left, the inner size
constexpr int Gap = 8;

// The rectangle of the board the tracker must leave free: its map where it
// has one, or else the whole board.
QRect keptFree(const QWidget *board)
{
    if (const auto map = board->findChild<const QWidget *>(QStringLiteral("Picture1")))
        return QRect(map->mapToGlobal(QPoint(0, 0)), map->size());
    return board->frameGeometry();
}

} // namespace

void place(QWidget *tracker, const QWidget *board)
{
    // Where the game master put it, while that is whole on a screen.
    const QRect kept = QSettings().value(PlaceKey).toRect();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (!kept.isEmpty() && screen->availableGeometry().contains(kept)) {
            tracker->resize(kept.size().expandedTo(tracker->minimumSize()));
            tracker->move(kept.topLeft());
            return;
        }
    }
    if (!board)
        return;
    const QRect screen = board->screen()->availableGeometry();
    // The window manager's frame, as the board has it; none before the board is shown.
    const QMargins frame(board->geometry().left() - board->frameGeometry().left(),
                         board->geometry().top() - board->frameGeometry().top(),
                         board->frameGeometry().right() - board->geometry().right(),
                         board->frameGeometry().bottom() - board->geometry().bottom());
    const int frameWidth = frame.left() + frame.right(), frameHeight = frame.top() + frame.bottom();

    // Beside the whole board where either side has room, else beside its map:
    // on the side with the most room.
    const QRect boardFrame = board->frameGeometry();
    QRect besides = boardFrame;
    const int width = tracker->width() + frameWidth;
    if (std::max(screen.right() - boardFrame.right(), boardFrame.left() - screen.left()) < width + Gap)
        besides = keptFree(board);
    const int right = screen.right() - besides.right() - Gap;
    const int left = besides.left() - screen.left() - Gap;
    const int room = std::max(right, left);

    QSize size(std::clamp(room - frameWidth, tracker->minimumWidth(), tracker->width()),
               std::clamp(screen.height() - frameHeight, tracker->minimumHeight(), tracker->height()));
    const int frameX = right >= left ? besides.right() + 1 + Gap : besides.left() - Gap - size.width() - frameWidth;
    const QRect wanted(QPoint(frameX, boardFrame.top()), size.grownBy(frame));
    // Whole on the screen, even where the room beside is too narrow.
    QRect onScreen = wanted;
    onScreen.moveLeft(std::clamp(wanted.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - wanted.width())));
    onScreen.moveTop(std::clamp(wanted.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - wanted.height())));
    tracker->resize(size);
    tracker->move(onScreen.topLeft());
}

void remember(const QWidget *tracker)
{
    QSettings().setValue(PlaceKey, QRect(tracker->pos(), tracker->size()));
}

} // namespace TrackerPlace
