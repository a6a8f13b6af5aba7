#pragma once

#include "encounterindex.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class SpotMarks;

// The find window: a small tool window listing, as the user types, every
// encounter whose monster names or details hold the text, and marking their
// spots on the map while it is open.
class FindWindow : public QWidget
{
    Q_OBJECT

public:
    // spots[n - 1] is the spot of encounter n on the map.
    FindWindow(EncounterIndex index, const QList<QWidget *> &spots, QWidget *parent);
    ~FindWindow() override;

    // Shows the window with its text selected, ready for a new search.
    void start();

    // Puts the window beside the board where the screen has room for it,
    // else into `fallback` (in the board's coordinates), resized to fit.
    void placeBeside(QWidget *board, const QRect &fallback);

signals:
    // The user chose encounter `number` from the results.
    void encounterChosen(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void search();
    void chooseCurrent();

    EncounterIndex m_index;
    QList<QWidget *> m_spots;
    QLineEdit *m_findText;
    QListWidget *m_findResults;
    // Owned by the map, which may be destroyed before this window.
    QPointer<SpotMarks> m_marks;
};
