#include "dungeonmap.h"

#include "dungeonplan.h"

#include "kit/spots.h"
#include "plan/plandrawing.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QStringList>

#include <array>

namespace {

using namespace DungeonPlan;
using namespace PlanDrawing;

constexpr QSize MapSize(500, 680);

// The last grid line drawn; rooms may reach one row below it, down to y = 660.
constexpr int LastLineY = 640;
constexpr int DotSpacing = 2;

constexpr char Title[] = "THE SUNKEN HALLS OF ORVANE";
constexpr QRect TitleBox(136, 665, 233, 12);

// ---------------------------------------------------------------------------
// A 5 x 7 pixel font, proportional where it helps: "1" is narrow so that
// "12" fits a 9-pixel spot.

constexpr int GlyphHeight = 7;

struct Glyph
{
    char character;
    std::array<const char *, GlyphHeight> rows;
};

constexpr Glyph Font[] = {
    {'0', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'1', {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", ".#.#.", ".#.#.", ".#.#.", "..#.."}},
    {' ', {"..", "..", "..", "..", "..", "..", ".."}},
};

const Glyph &glyph(char character)
{
    for (const Glyph &g : Font) {
        if (g.character == character)
            return g;
    }
    qFatal("assetgen: no glyph for '%c'", character);
}

int glyphWidth(char character) { return int(qstrlen(glyph(character).rows[0])); }

// A line of text in the pixel font, drawn pixel by pixel so the map keeps
// its five colours.
struct PixelText
{
    QByteArray text;
    int spacing;

    int width() const
    {
        int total = spacing * int(text.size() - 1);
        for (char c : text)
            total += glyphWidth(c);
        return total;
    }

    void draw(QImage &image, QPoint topLeft, QRgb color) const
    {
        int x = topLeft.x();
        for (char c : text) {
            const Glyph &g = glyph(c);
            for (int row = 0; row < GlyphHeight; ++row) {
                for (int column = 0; g.rows[row][column]; ++column) {
                    if (g.rows[row][column] == '#')
                        image.setPixel(x + column, topLeft.y() + row, color);
                }
            }
            x += glyphWidth(c) + spacing;
        }
    }
};

// ---------------------------------------------------------------------------

// The grid runs on over rock and floor alike; walls and features hide it.
// Below the last line only floors carry it, down to their walls.
void drawGrid(QImage &image)
{
    const auto dot = [&image](int x, int y) {
        if (image.pixel(x, y) == Ground || image.pixel(x, y) == Floor)
            image.setPixel(x, y, GridDot);
    };
    for (int x = FirstLineX; x <= lineX(Columns); x += Pitch) {
        for (int y = FirstLineY; y <= LastLineY; y += DotSpacing)
            dot(x, y);
        for (int y = LastLineY + DotSpacing; y < lineY(Rows) && image.pixel(x, y) == Floor; y += DotSpacing)
            image.setPixel(x, y, GridDot);
    }
    for (int y = FirstLineY; y <= LastLineY; y += Pitch) {
        for (int x = FirstLineX; x <= lineX(Columns); x += DotSpacing)
            dot(x, y);
    }
}

// Each number goes where its spot lies, as near the spot's middle as the room
// allows, with a pixel of clear floor all round so walls never touch it.
// Returns the number's box.
QRect placeNumber(const QImage &image, const QRect &spot, const PixelText &number)
{
    const int y = spot.top() + (spot.height() - GlyphHeight) / 2;
    const int centred = spot.left() + (spot.width() - number.width()) / 2;
    const auto fits = [&](const QRect &box) {
        const QRect clearance = box.adjusted(-1, -1, 1, 1);
        for (int py = clearance.top(); py <= clearance.bottom(); ++py) {
            for (int px = clearance.left(); px <= clearance.right(); ++px) {
                if (image.pixel(px, py) != Floor)
                    return false;
            }
        }
        return true;
    };
    for (int shift = 0; shift <= spot.width() - number.width(); ++shift) {
        for (int x : {centred - shift, centred + shift}) {
            const QRect box(x, y, number.width(), GlyphHeight);
            if (spot.contains(box) && fits(box))
                return box;
        }
    }
    qFatal("assetgen: number %s has no floor to stand on in its spot", number.text.constData());
}

PixelText numberText(int number)
{
    return {QByteArray::number(number), 1};
}

QImage toIndexed(const QImage &image)
{
    const QList<QRgb> palette = {Ground, GridDot, Floor, Wall, Ink};
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    if (indexed.convertToFormat(image.format()) != image)
        qFatal("assetgen: the map holds a colour outside its palette");
    return indexed;
}

} // namespace

QImage drawDungeonMap()
{
    using Map::Spots;
    const QStringList plan = planLines();

    QImage image(MapSize, QImage::Format_RGB32);
    image.fill(Ground);
    {
        QPainter painter(&image);
        drawPlan(painter, plan, {Pitch, FirstLineX, FirstLineY, Columns, Rows});
    }

    // The numbers find their places before the grid is dotted in, while free
    // floor is still plain white.
    std::array<QRect, Spots.size()> numberBoxes;
    for (size_t i = 0; i < Spots.size(); ++i)
        numberBoxes[i] = placeNumber(image, Spots[i], numberText(int(i) + 1));

    drawGrid(image);

    {
        QPainter painter(&image);
        for (const QRect &box : numberBoxes)
            painter.fillRect(box.adjusted(-1, -1, 1, 1), QColor(Floor));
    }
    for (size_t i = 0; i < Spots.size(); ++i)
        numberText(int(i) + 1).draw(image, numberBoxes[i].topLeft(), Ink);

    const PixelText title{Title, 3};
    title.draw(image, {TitleBox.center().x() - (title.width() - 1) / 2, TitleBox.center().y() - GlyphHeight / 2},
               Wall);

    return toIndexed(image);
}
