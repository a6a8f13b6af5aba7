#include "boardsession.h"

#include "partymarkers.h"

#include "kit/richtextbox.h"

#include <QLineEdit>
#include <QTextDocument>

BoardSession::BoardSession(const std::array<QLineEdit *, 6> &names, RichTextBox *notes,
                           PartyMarkers *markers, QObject *parent)
    : QObject(parent), m_names(names), m_notes(notes), m_markers(markers)
{
    connect(markers, &PartyMarkers::moved, this, &BoardSession::changed);
    for (QLineEdit *name : m_names)
        connect(name, &QLineEdit::textChanged, this, &BoardSession::changed);
    connect(notes->document(), &QTextDocument::contentsChanged, this, &BoardSession::changed);
}

Session BoardSession::leftOff(Session session) const
{
    session.names.clear();
    for (const QLineEdit *name : m_names)
        session.names.append(name->text());
    session.notes = m_notes->rtf();
    session.markers.clear();
    for (int k = 0; k < PartyMarkers::Count; ++k) {
        const PartyMarkers::Place place = m_markers->place(k);
        session.markers.append({place.inBox, place.onMap});
    }
    return session;
}

void BoardSession::resume(const Session &session)
{
    for (int k = 0; k < int(m_names.size()) && k < session.names.size(); ++k)
        m_names[k]->setText(session.names[k]);
    m_notes->loadRtf(session.notes);
    for (int k = 0; k < PartyMarkers::Count && k < session.markers.size(); ++k)
        m_markers->put(k, {session.markers[k].inBox, session.markers[k].onMap});
}
