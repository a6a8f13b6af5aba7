#pragma once

#include <QRgb>
#include <QStringList>

class QPainter;

// A dungeon drawn from its plan, keyed as text: the built-in map and the maps
// of one-page dungeons are drawn by the same code.
//
// Counting from 0, even lines of the plan run along the horizontal grid lines
// and odd lines through rows of cells; likewise even characters sit on
// vertical grid lines and odd ones inside cells. So a cell is an odd
// character of an odd line, an intersection an even character of an even
// line, and the rest are the edges between cells.
//   cells:   ' ' rock, '.' floor, and floor holding '=' stairs going
//            north-south, '"' stairs going east-west, 'w' a well,
//            'c' a sarcophagus, 'a' an altar, '~' water
//   edges:   '-' or '|' wall, 'd' wall with a door gap, 'D' the same gap
//            closed by a door leaf, ':' an open arch, drawn as nothing,
//            that bounds the room it opens
//   corners: 'o' pillar; anything else there is only for the eye
namespace PlanDrawing {

constexpr QRgb Ground = qRgb(217, 217, 217);
constexpr QRgb GridDot = qRgb(138, 138, 138);
constexpr QRgb Floor = qRgb(255, 255, 255);
constexpr QRgb Wall = qRgb(0, 0, 0);
constexpr QRgb Ink = qRgb(255, 0, 0);
constexpr QRgb Water = qRgb(120, 170, 220);

// Where the plan lies on the picture: its grid lines `pitch` pixels apart,
// the first vertical one at x = firstLineX, the first horizontal one at
// y = firstLineY.
struct PlanGrid
{
    int pitch = 20;
    int firstLineX = 0;
    int firstLineY = 0;
    int columns = 0;
    int rows = 0;

    int lineX(int i) const { return firstLineX + pitch * i; }
    int lineY(int j) const { return firstLineY + pitch * j; }
};

// Floors, walls and doors, then the features, on a picture filled with
// Ground. The plan has 2 * rows + 1 lines of 2 * columns + 1 characters.
void drawPlan(QPainter &painter, const QStringList &plan, const PlanGrid &grid);

} // namespace PlanDrawing
