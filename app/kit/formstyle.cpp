#include "formstyle.h"

#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <array>
#include <bit>

namespace {

// Frames are small: a text box of the dungeon window takes 16 KiB.
constexpr int CacheKiB = 2048;

// Qt's raster engine fills 96 or more spans at once on worker threads, and a
// scroll bar draws a gradient of one span per row of device pixels and a
// handle outline of two.
constexpr int StripRows = 32;

// Everything the drawing of a frame or an indicator depends on: equal keys
// draw equal pixels. Empty when a colour is a gradient or a texture, which
// is drawn relative to where the element stands and so cannot be copied.
QByteArray lookKey(QStyle::PrimitiveElement element, const QStyleOption *option, qreal pixelRatio)
{
    std::array<quint64, 9 + QPalette::NColorRoles> look{};
    look[0] = element;
    look[1] = quint64(option->rect.width()) << 32 | quint32(option->rect.height());
    look[2] = option->state.toInt();
    look[3] = option->direction;
    look[4] = std::bit_cast<quint64>(pixelRatio);
    if (const auto frame = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
        look[5] = frame->lineWidth;
        look[6] = frame->midLineWidth;
        look[7] = frame->features.toInt();
        look[8] = frame->frameShape;
    }
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush &brush = option->palette.brush(QPalette::ColorRole(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return {};
        look[9 + role] = brush.color().rgba64();
    }
    return QByteArray(reinterpret_cast<const char *>(look.data()), sizeof look);
}

bool isPlainPainter(const QPainter *painter)
{
    return painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// The elements worth keeping: many of them look alike on one form.
bool isCopyable(QStyle::PrimitiveElement element, const QStyleOption *option, const QWidget *widget)
{
    switch (element) {
    case QStyle::PE_PanelLineEdit: {
        // Plain text boxes only: one inside a spin box or a combo box has no
        // frame of its own, and a subclass may draw by rules of its own.
        const auto frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        return frame && frame->lineWidth > 0 && widget
            && widget->metaObject() == &QLineEdit::staticMetaObject;
    }
    case QStyle::PE_IndicatorRadioButton:
        return qobject_cast<const QRadioButton *>(widget)
            && qstyleoption_cast<const QStyleOptionButton *>(option);
    default:
        return false;
    }
}

} // namespace

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    m_drawn.setMaxCost(CacheKiB);
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (const QImage *drawn = drawnOnce(element, option, painter, widget))
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
    if (control != CC_ScrollBar || rect.height() <= stripHeight || !isPlainPainter(painter)) {
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
    if (!isCopyable(element, option, widget) || !isPlainPainter(painter) || option->rect.isEmpty())
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
        const auto draw = [&](auto copy) {
            copy.rect.moveTopLeft({0, 0});
            QProxyStyle::drawPrimitive(element, &copy, &onImage, widget);
        };
        if (const auto frame = qstyleoption_cast<const QStyleOptionFrame *>(option))
            draw(*frame);
        else
            draw(*qstyleoption_cast<const QStyleOptionButton *>(option));
    }
    const int kib = int(drawn->sizeInBytes() / 1024) + 1;
    if (!m_drawn.insert(key, drawn.release(), kib))
        return nullptr;
    return m_drawn.object(key);
}
