#include "formstyle.h"

#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <array>
#include <bit>
#include <cmath>

namespace {

// Indicators are small: a radio button's takes under 1 KiB.
constexpr int CacheKiB = 256;

// Qt's raster engine fills 96 or more spans at once on worker threads, and a
// scroll bar draws a gradient of one span per row of device pixels and a
// handle outline of two.
constexpr int StripRows = 32;

// Everything the drawing of an indicator depends on: equal keys draw equal
// pixels. Empty when a colour is a gradient or a texture, which is drawn
// relative to where the element stands and so cannot be copied.
QByteArray lookKey(QStyle::PrimitiveElement element, const QStyleOption *option, qreal pixelRatio)
{
    std::array<quint64, 5 + QPalette::NColorRoles> look{};
    look[0] = element;
    look[1] = quint64(option->rect.width()) << 32 | quint32(option->rect.height());
    look[2] = option->state.toInt();
    look[3] = option->direction;
    look[4] = std::bit_cast<quint64>(pixelRatio);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush &brush = option->palette.brush(QPalette::ColorRole(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return {};
        look[5 + role] = brush.color().rgba64();
    }
    return QByteArray(reinterpret_cast<const char *>(look.data()), sizeof look);
}

bool isPlainPainter(const QPainter *painter)
{
    return painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// A text box of its own: one inside a spin box or a combo box has no frame,
// and a subclass may draw by rules of its own.
bool isFramedTextBox(const QStyleOption *option, const QWidget *widget)
{
    const auto frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    return frame && frame->lineWidth > 0 && widget
        && widget->metaObject() == &QLineEdit::staticMetaObject;
}

// The border the map and the rich-text boxes have as frames: two rings of
// lines shaded as if lit from the top left, one device pixel each on any
// screen, as Qt draws those frames. They are laid as rectangles: the outline
// stroker that qDrawWinPanel goes through costs more than Fusion's frame.
// Read-only boxes show no cursor, so the one with the focus says so with its
// inner ring.
void drawSunkenTextBox(const QStyleOption *option, QPainter *painter)
{
    const QPalette &palette = option->palette;
    painter->fillRect(option->rect, palette.brush(QPalette::Base));
    const qreal pixelRatio = painter->device()->devicePixelRatio();
    painter->save();
    painter->scale(1 / pixelRatio, 1 / pixelRatio);
    const QRect &rect = option->rect;
    const int x = qRound(rect.x() * pixelRatio), y = qRound(rect.y() * pixelRatio);
    const int w = qRound(rect.width() * pixelRatio), h = qRound(rect.height() * pixelRatio);
    const auto shade = [&](QPalette::ColorRole role, std::initializer_list<QRect> lines) {
        for (const QRect &line : lines)
            painter->fillRect(line, palette.color(role));
    };
    if (w >= 2 && h >= 2) {
        shade(QPalette::Dark, {{x, y, w - 1, 1}, {x, y, 1, h - 1}});
        shade(QPalette::Light, {{x, y + h - 1, w, 1}, {x + w - 1, y, 1, h}});
    }
    if (w > 4 && h > 4) {
        shade(QPalette::Shadow, {{x + 1, y + 1, w - 3, 1}, {x + 1, y + 1, 1, h - 3}});
        shade(QPalette::Midlight, {{x + 1, y + h - 2, w - 2, 1}, {x + w - 2, y + 1, 1, h - 2}});
        if (option->state & QStyle::State_HasFocus) {
            shade(QPalette::Highlight, {{x + 1, y + 1, w - 2, 1}, {x + 1, y + 1, 1, h - 2},
                                        {x + 1, y + h - 2, w - 2, 1}, {x + w - 2, y + 1, 1, h - 2}});
        }
    }
    painter->restore();
}

} // namespace

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    m_drawn.setMaxCost(CacheKiB);
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element == PE_PanelLineEdit && isFramedTextBox(option, widget))
        drawSunkenTextBox(option, painter);
    else if (const QImage *drawn = drawnOnce(element, option, painter, widget))
        painter->drawImage(option->rect.topLeft(), *drawn);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    const QRect &rect = option->rect;
    const qreal pixelRatio = painter->device()->devicePixelRatio();
    const int stripHeight = qMax(1, int(StripRows / pixelRatio));
    // At a fractional ratio the strips would not meet on whole device rows.
    if (control != CC_ScrollBar || rect.height() <= stripHeight || !isPlainPainter(painter)
        || pixelRatio != std::floor(pixelRatio)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Each strip on a picture of its own, since Fusion sets clip rectangles
    // of its own while it draws a scroll bar.
    for (int top = rect.top(); top <= rect.bottom(); top += stripHeight) {
        const QRect strip = rect & QRect(rect.left(), top, rect.width(), stripHeight);
        QImage picture((QSizeF(strip.size()) * pixelRatio).toSize(),
                       QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(pixelRatio);
        picture.fill(Qt::transparent);
        {
            QPainter onPicture(&picture);
            onPicture.translate(-strip.topLeft());
            QProxyStyle::drawComplexControl(control, option, &onPicture, widget);
        }
        painter->drawImage(strip.topLeft(), picture);
    }
}

const QImage *FormStyle::drawnOnce(PrimitiveElement element, const QStyleOption *option,
                                   const QPainter *painter, const QWidget *widget) const
{
    if (element != PE_IndicatorRadioButton || !qobject_cast<const QRadioButton *>(widget)
        || !qstyleoption_cast<const QStyleOptionButton *>(option) || !isPlainPainter(painter)
        || option->rect.isEmpty())
        return nullptr;

    const qreal pixelRatio = painter->device()->devicePixelRatio();
    const QByteArray key = lookKey(element, option, pixelRatio);
    if (key.isEmpty())
        return nullptr;

    if (const QImage *drawn = m_drawn.object(key))
        return drawn;

    const QSize pixels = (QSizeF(option->rect.size()) * pixelRatio).toSize();
    auto drawn = std::make_unique<QImage>(pixels, QImage::Format_ARGB32_Premultiplied);
    drawn->setDevicePixelRatio(pixelRatio);
    drawn->fill(Qt::transparent);
    {
        QPainter onImage(drawn.get());
        QStyleOptionButton copy = *qstyleoption_cast<const QStyleOptionButton *>(option);
        copy.rect.moveTopLeft({0, 0});
        QProxyStyle::drawPrimitive(element, &copy, &onImage, widget);
    }
    const int kib = int(drawn->sizeInBytes() / 1024) + 1;
    if (!m_drawn.insert(key, drawn.release(), kib))
        return nullptr;
    return m_drawn.object(key);
}
