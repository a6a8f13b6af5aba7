#include "appicon.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace {

// The icon is laid out on a 16 x 16 grid; the map's own colours.
constexpr int GridSize = 16;

struct Shape
{
    QRectF box;
    qreal cornerRadius;
    QRgb colour;
};

constexpr QRgb Tile = qRgb(52, 50, 66);
constexpr QRgb Floor = qRgb(255, 255, 255);
constexpr QRgb Wall = qRgb(0, 0, 0);
constexpr QRgb Ink = qRgb(255, 0, 0);

// Later shapes cover earlier ones.
const Shape Shapes[] = {
    {{0.5, 0.5, 15, 15}, 3, Tile},
    {{2.5, 2.5, 11, 11}, 0, Wall},
    {{3.5, 3.5, 9, 9}, 0, Floor},
    // the door on the left and the corridor beyond it
    {{1, 6.5, 3, 3}, 0, Floor},
    // the flight of stairs in the far corner
    {{10, 9.5, 2.5, 0.5}, 0, Wall},
    {{10, 10.5, 2.5, 0.5}, 0, Wall},
    {{10, 11.5, 2.5, 0.5}, 0, Wall},
    // the number 1, in the map's red
    {{6.75, 4.5, 1.5, 5.5}, 0, Ink},
    {{5.5, 4.5, 1.25, 1.25}, 0, Ink},
    {{5.5, 9.5, 4, 1.25}, 0, Ink},
};

QString svgNumber(qreal value) { return QString::number(value, 'g', 4); }

} // namespace

QImage drawAppIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(qreal(pixels) / GridSize, qreal(pixels) / GridSize);
    for (const Shape &shape : Shapes) {
        painter.setBrush(QColor(shape.colour));
        painter.drawRoundedRect(shape.box, shape.cornerRadius, shape.cornerRadius);
    }
    return image;
}

QByteArray appIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(GridSize);
    for (const Shape &shape : Shapes) {
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                   .arg(svgNumber(shape.box.x()), svgNumber(shape.box.y()), svgNumber(shape.box.width()),
                        svgNumber(shape.box.height()));
        if (shape.cornerRadius > 0)
            svg += QStringLiteral(" rx=\"%1\"").arg(svgNumber(shape.cornerRadius));
        svg += QStringLiteral(" fill=\"%1\"/>\n").arg(QColor(shape.colour).name());
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
