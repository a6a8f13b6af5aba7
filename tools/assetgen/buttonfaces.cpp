#include "buttonfaces.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize FaceSize(100, 25);
constexpr QColor Cream(255, 248, 225);
constexpr QColor Blue(33, 99, 201);
constexpr QColor Red(204, 32, 32);
constexpr QColor Purple(118, 58, 168);
constexpr QColor Green(40, 140, 60);
constexpr QColor White(255, 255, 255);

// The icon: a circle of radius 9 at the face's left, and the word beside it.
constexpr QPointF IconCentre(13, 12.5);
constexpr qreal IconRadius = 9;
constexpr qreal RingWidth = 2.5;
constexpr qreal StrokeWidth = 2.4;
constexpr QRectF WordBox(28, 0, 70, 25);

// The font is loaded from its file rather than asked for by name, so the
// faces cannot come out in whatever font the machine substitutes.
QFont wordFont()
{
    static const QString family = [] {
        const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0)
            qFatal("assetgen: cannot load %s (Debian package fonts-dejavu-core)", qPrintable(file));
        return QFontDatabase::applicationFontFamilies(id).constFirst();
    }();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    return font;
}

void drawRing(QPainter &painter, const QColor &color)
{
    painter.setPen(QPen(color, RingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = IconRadius - RingWidth / 2;
    painter.drawEllipse(IconCentre, radius, radius);
}

void drawDisc(QPainter &painter, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(IconCentre, IconRadius, IconRadius);
}

QPen symbolPen(const QColor &color, Qt::PenCapStyle cap = Qt::RoundCap)
{
    return QPen(color, StrokeWidth, Qt::SolidLine, cap, Qt::RoundJoin);
}

struct FaceStyle
{
    ButtonFace face;
    const char *name;
    const char *word;
    void (*drawIcon)(QPainter &);
};

constexpr FaceStyle Styles[] = {
    {ButtonFace::Edit, "edit", "EDIT", [](QPainter &painter) {
         drawRing(painter, Blue);
         const qreal reach = (IconRadius - RingWidth / 2) / std::sqrt(2.0);
         painter.setPen(symbolPen(Blue, Qt::FlatCap));
         painter.drawLine(IconCentre + QPointF(-reach, reach), IconCentre + QPointF(reach, -reach));
     }},
    {ButtonFace::Clear, "clear", "CLEAR", [](QPainter &painter) {
         drawRing(painter, Red);
     }},
    {ButtonFace::Close, "close", "CLOSE", [](QPainter &painter) {
         drawDisc(painter, Purple);
         painter.setBrush(White);
         painter.drawRoundedRect(QRectF(IconCentre - QPointF(3.5, 3.5), QSizeF(7, 7)), 1, 1);
     }},
    {ButtonFace::Ok, "ok", "OK", [](QPainter &painter) {
         drawDisc(painter, Green);
         painter.setPen(symbolPen(White));
         painter.setBrush(Qt::NoBrush);
         const QPointF tick[] = {IconCentre + QPointF(-4.5, 0.5), IconCentre + QPointF(-1.5, 3.5),
                                 IconCentre + QPointF(4.5, -3.5)};
         painter.drawPolyline(tick, 3);
     }},
    {ButtonFace::Cancel, "cancel", "CANCEL", [](QPainter &painter) {
         drawDisc(painter, Red);
         painter.setPen(symbolPen(White));
         painter.drawLine(IconCentre + QPointF(-3.5, -3.5), IconCentre + QPointF(3.5, 3.5));
         painter.drawLine(IconCentre + QPointF(-3.5, 3.5), IconCentre + QPointF(3.5, -3.5));
     }},
};

const FaceStyle &style(ButtonFace face)
{
    return *std::find_if(std::begin(Styles), std::end(Styles),
                         [face](const FaceStyle &style) { return style.face == face; });
}

} // namespace

QString buttonFaceName(ButtonFace face)
{
    return QString::fromLatin1(style(face).name);
}

QImage drawButtonFace(ButtonFace face, int devicePixelRatio)
{
    // Painting in logical pixels on an image of a higher device pixel ratio
    // draws the icon and renders the word at the finer resolution itself,
    // not a blown-up copy of the small face.
    QImage image(FaceSize * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Cream);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    style(face).drawIcon(painter);
    painter.setFont(wordFont());
    painter.setPen(Qt::black);
    painter.drawText(WordBox, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(style(face).word));
    painter.end();

    image.setDevicePixelRatio(1);
    return image;
}
