#include "theme.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>

#include <cmath>

namespace Theme {

namespace {

const QString DarkKey = QStringLiteral("view/dark");
// Windows whose background is the forms' own colour: their palette names it,
// so it is set again with each look.
const char FormBackground[] = "formBackground";

bool dark = false;
QPalette lightPalette; // the program's palette before the dark look replaced it
QList<QPointer<QAction>> darkActions;

qreal linear(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

qreal luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

bool reads(const QColor &text, const QColor &background)
{
    return contrastRatio(text, background) >= ReadableContrast;
}

// Whether a format's colours read on what lies beneath it.
bool formatReads(const QTextFormat &format, const QColor &beneath, const QColor &pageText)
{
    const QBrush foreground = format.foreground(), background = format.background();
    const QColor under = background.style() != Qt::NoBrush ? background.color() : beneath;
    const QColor text = foreground.style() != Qt::NoBrush ? foreground.color() : pageText;
    return (foreground.style() == Qt::NoBrush && background.style() == Qt::NoBrush) || reads(text, under);
}

} // namespace

bool isDark()
{
    return dark;
}

void showRemembered()
{
    if (QSettings().value(DarkKey, false).toBool())
        setDark(true);
}

void setDark(bool wanted)
{
    if (wanted != dark) {
        if (wanted)
            lightPalette = QApplication::palette();
        dark = wanted;
        QApplication::setPalette(dark ? darkPalette() : lightPalette);
        for (QWidget *widget : QApplication::allWidgets()) {
            if (widget->property(FormBackground).toBool())
                paintFormBackground(widget);
        }
    }
    QSettings().setValue(DarkKey, dark);
    for (const QPointer<QAction> &action : std::as_const(darkActions)) {
        if (action) {
            const QSignalBlocker quiet(action);
            action->setChecked(dark);
        }
    }
}

void paintFormBackground(QWidget *window)
{
    window->setProperty(FormBackground, true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QAction *darkAction(QWidget *window)
{
    auto action = new QAction(QApplication::translate("Theme", "Dark"), window);
    action->setObjectName(QStringLiteral("dark"));
    action->setCheckable(true);
    action->setChecked(dark);
    action->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    window->addAction(action);
    QObject::connect(action, &QAction::toggled, action, &setDark);
    darkActions.removeAll(nullptr);
    darkActions.append(action);
    return action;
}

QPalette darkPalette()
{
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabled(128, 128, 128);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(48, 48, 48));
    // The forms' own background: warmer than the window, as the light one is.
    palette.setColor(QPalette::ToolTipBase, QColor(52, 50, 40));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 110, 110));
    palette.setColor(QPalette::Light, QColor(90, 90, 90));
    palette.setColor(QPalette::Midlight, QColor(70, 70, 70));
    palette.setColor(QPalette::Mid, QColor(45, 45, 45));
    palette.setColor(QPalette::Dark, QColor(25, 25, 25));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

qreal contrastRatio(const QColor &a, const QColor &b)
{
    const qreal first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool readsOn(const QTextDocument &document, const QColor &page, const QColor &pageText)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        const QColor beneath = paragraph.background().style() != Qt::NoBrush ? paragraph.background().color()
                                                                              : page;
        if (!formatReads(paragraph, page, pageText))
            return false;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!formatReads(fragment.fragment().charFormat(), beneath, pageText))
                return false;
        }
    }
    return true;
}

} // namespace Theme
