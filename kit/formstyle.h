#pragma once

#include <QCache>
#include <QImage>
#include <QProxyStyle>

// The look of the program: Fusion, except that a text box has the sunken
// three-dimensional border of the forms' other boxes, and the indicator of
// a radio button is drawn once for each look and then copied (the dungeon
// window shows seven alike). Scroll bars are painted in strips: Qt hands a
// gradient of many rows to a pool of threads, and starting that pool costs
// more than the fill.
class FormStyle : public QProxyStyle
{
public:
    FormStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    const QImage *drawnOnce(PrimitiveElement element, const QStyleOption *option,
                            const QPainter *painter, const QWidget *widget) const;

    mutable QCache<QByteArray, QImage> m_drawn;
};
