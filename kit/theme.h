#pragma once

#include <QColor>
#include <QPalette>

class QAction;
class QTextDocument;
class QWidget;

// The program's two looks: the light one its forms were drawn in, and a dark
// one for a dim room. The choice is remembered; the light look is the default
// and costs nothing at start.
namespace Theme {

bool isDark();
// Shows the remembered look; called once at start.
void showRemembered();
// Shows the dark or the light look in every window and remembers it.
void setDark(bool dark);

// Gives a form its background, the tool-tip colour of the look, again with
// each look.
void paintFormBackground(QWidget *window);

// The checkable "Dark" action of a window (Ctrl+Shift+D), kept in step with
// the look and with every other window's.
QAction *darkAction(QWidget *window);

QPalette darkPalette();

// The contrast ratio of two colours as the accessibility guidelines define
// it, from 1 (the same) to 21 (black on white).
qreal contrastRatio(const QColor &a, const QColor &b);
// The least contrast ratio readable text needs.
constexpr qreal ReadableContrast = 4.5;

// Whether every colour the document gives its text reads on page, and its
// text backgrounds read under the page's own text colour. Text of the
// default colour takes the page's text colour, which always reads.
bool readsOn(const QTextDocument &document, const QColor &page, const QColor &pageText);

} // namespace Theme
