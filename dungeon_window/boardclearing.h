#pragma once

#include "partymarkers.h"

#include "kit/monstertable.h"

#include <QObject>

#include <array>

class CommandButton;
class QLineEdit;
class QUndoStack;
class RichTextBox;

// What Clear empties on the board: the encounter on display, the character
// names, the notes and the party markers.
struct ClearedBoxes
{
    QLineEdit *encounterNumber;
    MonsterCells cells;
    RichTextBox *details;
    RichTextBox *notes;
    std::array<QLineEdit *, 6> names;
    CommandButton *edit;
};

// Clear as a step of the board's undo. Undoing it brings back what it
// emptied and the markers it moved, but never over what the game master
// typed or chose since: a box that no longer holds what Clear left in it
// keeps what it holds. Redoing it empties again only what still holds what
// the undo brought back.
class BoardClearing : public QObject
{
    Q_OBJECT

public:
    BoardClearing(const ClearedBoxes &boxes, PartyMarkers *markers, QUndoStack *undo,
                  QObject *parent);

    // Clear: empties the board as a step of the undo.
    void clear();

private:
    ClearedBoxes m_boxes;
    PartyMarkers *m_markers;
    QUndoStack *m_undo;
};
