#include "boardclearing.h"

#include "kit/controls.h"
#include "kit/richtextbox.h"
#include "rtf/rtf.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

class ClearStep : public QUndoCommand
{
public:
    ClearStep(const ClearedBoxes &boxes, PartyMarkers *markers)
        : QUndoCommand(BoardClearing::tr("Clear")), m_boxes(boxes), m_markers(markers)
    {
        const ClearedBoxes &b = m_boxes;
        m_encounter.number = b.encounterNumber->text();
        for (int i = 0; i < int(b.cells.size()); ++i)
            m_encounter.cells[i] = b.cells[i]->text();
        m_encounter.details = Rtf::write(b.details->document());
        m_encounter.editEnabled = b.edit->isEnabled();
        m_notes.rtf = Rtf::write(b.notes->document());
        for (int k = 0; k < int(b.names.size()); ++k)
            m_names[k].text = b.names[k]->text();
        for (int k = 0; k < PartyMarkers::Count; ++k)
            m_markerPlaces[k] = markers->place(k);
    }

    void redo() override
    {
        const ClearedBoxes &b = m_boxes;
        if (m_firstRedo || (m_encounter.broughtBack && b.encounterNumber->text() == m_encounter.number))
            clearEncounter();
        if (m_firstRedo || (m_notes.broughtBack && b.notes->document()->toHtml() == m_notes.asBroughtBack))
            b.notes->setText(QString());
        for (int k = 0; k < int(b.names.size()); ++k) {
            if (m_firstRedo || (m_names[k].broughtBack && b.names[k]->text() == m_names[k].text))
                b.names[k]->setText(QString());
        }
        m_markers->moveAllOffMap();
        m_firstRedo = false;
    }

    void undo() override
    {
        const ClearedBoxes &b = m_boxes;
        // The encounter display is one: brought back whole, or not at all
        // once another encounter was chosen.
        m_encounter.broughtBack = b.encounterNumber->text().isEmpty();
        if (m_encounter.broughtBack)
            showEncounter();
        m_notes.broughtBack = b.notes->document()->isEmpty();
        if (m_notes.broughtBack) {
            b.notes->loadRtf(m_notes.rtf);
            m_notes.asBroughtBack = b.notes->document()->toHtml();
        }
        for (int k = 0; k < int(b.names.size()); ++k) {
            m_names[k].broughtBack = b.names[k]->text().isEmpty();
            if (m_names[k].broughtBack)
                b.names[k]->setText(m_names[k].text);
        }
        for (int k = 0; k < PartyMarkers::Count; ++k)
            m_markers->put(k, m_markerPlaces[k]);
    }

private:
    void clearEncounter()
    {
        const ClearedBoxes &b = m_boxes;
        for (QLineEdit *cell : b.cells)
            cell->setText(QString());
        b.details->setText(QString());
        b.edit->setEnabled(false);
        b.encounterNumber->setText(QString());
    }

    void showEncounter()
    {
        const ClearedBoxes &b = m_boxes;
        b.encounterNumber->setText(m_encounter.number);
        for (int i = 0; i < int(b.cells.size()); ++i) {
            b.cells[i]->setText(m_encounter.cells[i]);
            b.cells[i]->setCursorPosition(0);
        }
        b.details->loadRtf(m_encounter.details);
        b.edit->setEnabled(m_encounter.editEnabled);
    }

    ClearedBoxes m_boxes;
    PartyMarkers *m_markers;
    bool m_firstRedo = true;
    struct
    {
        QString number;
        std::array<QString, EncounterShape::CellCount> cells;
        QByteArray details; // as RTF
        bool editEnabled = false;
        bool broughtBack = false;
    } m_encounter;
    struct
    {
        QByteArray rtf;
        QString asBroughtBack; // to tell whether it was typed into since
        bool broughtBack = false;
    } m_notes;
    struct Name
    {
        QString text;
        bool broughtBack = false;
    };
    std::array<Name, 6> m_names;
    std::array<PartyMarkers::Place, PartyMarkers::Count> m_markerPlaces;
};

} // namespace

BoardClearing::BoardClearing(const ClearedBoxes &boxes, PartyMarkers *markers, QUndoStack *undo,
                             QObject *parent)
    : QObject(parent), m_boxes(boxes), m_markers(markers), m_undo(undo)
{
}

void BoardClearing::clear()
{
    m_undo->push(new ClearStep(m_boxes, m_markers));
}
