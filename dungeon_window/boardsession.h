#pragma once

#include "session/sessionfile.h"

#include <QObject>

#include <array>

class PartyMarkers;
class QLineEdit;
class RichTextBox;

// The board's part of where the game master left off: the six names, the
// notes and where the markers stand; it tells when any of them changes.
class BoardSession : public QObject
{
    Q_OBJECT

public:
    BoardSession(const std::array<QLineEdit *, 6> &names, RichTextBox *notes, PartyMarkers *markers,
                 QObject *parent);

    // The names, notes and markers of the session; the rest as given.
    Session leftOff(Session session) const;
    void resume(const Session &session);

signals:
    void changed();

private:
    std::array<QLineEdit *, 6> m_names;
    RichTextBox *m_notes;
    PartyMarkers *m_markers;
};
