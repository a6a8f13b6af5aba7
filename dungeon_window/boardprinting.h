#pragma once

#include <functional>

class QString;
class QWidget;

// Printing from the board, through the print dialog and without a visible
// control: Ctrl+P prints the encounter on display as its booklet section,
// Ctrl+Shift+P the whole dungeon. numberOnDisplay gives the number text of
// the encounter on display, empty when there is none.
void setupPrintShortcuts(QWidget *window, std::function<QString()> numberOnDisplay);
