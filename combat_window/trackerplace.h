#pragma once

class QWidget;

// Where the Combat window stands: where the game master put it last, or
// else beside the board, never over the board's map, always whole on the
// board's screen.
namespace TrackerPlace {

void place(QWidget *tracker, const QWidget *board);
void remember(const QWidget *tracker);

} // namespace TrackerPlace
