#pragma once

#include "fight/fight.h"

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QPointer>
#include <QWidget>

class PlayerTable;
class QScreen;

// The players' screen, a window of its own: the dungeon's map at the best
// size for the screen, black where the fog lies, the current room bright and
// the explored ones dimmed, and the party markers on it. It shows nothing of
// the game master's: no spot numbers, tool tips or notes, and no pointer.
class PlayerView : public QWidget
{
    Q_OBJECT

public:
    // Shows the players' screen of the table, or hides it when it is shown.
    // It goes full screen on the first screen that is not the board's, or
    // with a single screen is an ordinary window, unless its context menu
    // chose otherwise before.
    static void toggle(PlayerTable *table, QWidget *board);
    static PlayerView *show(PlayerTable *table, QWidget *board);
    // The players' screen while it exists, shown or hidden.
    static PlayerView *current();
    // The choices of the view's context menu (screen, full screen), opened
    // at `at` on the game master's screen, so that the mouse never needs to
    // go to the players' one (Shift+F5 on the board).
    static void offerChoices(PlayerTable *table, QWidget *board, QPoint at);

    // The fight's order as the players may see it, and the round and turn,
    // drawn beside the map or over its corner; an empty order draws nothing.
    void setOrder(const PlayersOrder &order);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    PlayerView(PlayerTable *table, QWidget *board);

    QScreen *chosenScreen() const;
    bool fullScreenChosen() const;
    void showOnChosenScreen();
    void choose(QScreen *screen, bool fullScreen);
    void execChoices(QPoint at, QWidget *menuParent);

    // Where the map lies in the view: as large as fits, its aspect kept, centred.
    QRect mapArea() const;
    QRect markerArea(int index) const;
    void showDungeon();
    void scaleMap();
    void drawFog();
    void moveMarker(int index, const QRectF &previousPlace);

    // Where and how large the order is drawn: large enough to read across a table.
    struct OrderPanel
    {
        QRect area; // empty: nothing to draw
        QFont font;
        int lineHeight = 0;
        bool overMap = false;
    };
    OrderPanel orderPanel() const;
    void drawOrder(QPainter &painter, const OrderPanel &panel) const;
    const QStaticText &orderText(const OrderPanel &panel, const QString &text, int width) const;

    QPointer<PlayerTable> m_table;
    QPointer<QWidget> m_board;
    QImage m_brightMap, m_dimmedMap; // the map at the screen's size
    QImage m_fogged;                 // the map under the fog, the same size
    PlayersOrder m_order;
    OrderPanel m_panel; // where m_order is drawn, found when it or the size changes
    mutable QHash<QString, QStaticText> m_orderTexts; // laid out in m_orderTextsFont
    mutable QFont m_orderTextsFont;
};
