#pragma once

#include <QPointer>
#include <QWidget>

class PlayerTable;
class PlayerView;

// "What the players see" (Ctrl+F5): a small window on the game master's
// screen copying the players' screen as it paints, so that the game master
// sees it without turning round. It is the players' view drawing itself
// smaller, never a second picture that could disagree; blacked out, it says so.
class PlayersPreview : public QWidget
{
    Q_OBJECT

public:
    // Shows the preview beside the board, or hides it when it is shown.
    static void toggle(PlayerTable *table, QWidget *board);
    // The preview while it exists, shown or hidden.
    static PlayersPreview *current();

    // The players' view to copy (none while it was never opened).
    void follow(PlayerView *view);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    PlayersPreview(PlayerTable *table, QWidget *board);

    void drawCaption(QPainter &painter, const QString &text);

    QPointer<PlayerTable> m_table;
    QPointer<PlayerView> m_view;
    bool m_copying = false; // the view paints for us, not for its own screen
};
