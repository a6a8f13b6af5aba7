#include "frmdungeonencounterediter.h"

#include "kit/busycursor.h"
#include "celltextvalidator.h"
#include "kit/controls.h"
#include "storage/encounterfiles.h"
#include "kit/module1.h"
#include "kit/monstertable.h"
#include "kit/richtextbox.h"
#include "kit/theme.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr MonsterTablePlace MonsterTableAt{{8, 256}};

Storage::EncounterFiles filesOf(qint16 dungeonNumber, const QString &numberText)
{
    return Storage::encounterFiles(Storage::programFolder(), dungeonNumber, numberText);
}

} // namespace

frmDungeonEncounterEditer &frmDungeonEncounterEditer::instance()
{
    // Created on first use and never destroyed, like every form.
    static auto *const form = new frmDungeonEncounterEditer;
    return *form;
}

void frmDungeonEncounterEditer::setupUi(QWidget *window)
{
    setupFormWindow(window, QStringLiteral("frmDungeonEncounterEditer"),
                    tr("Dungeon Encounter Editer"), {473, 568},
                    Qt::WindowCloseButtonHint);
    Theme::darkAction(window);

    Label2[5] = captionLabel(window, indexedName("Label2", 5), tr("ENCOUNTER EDITOR"), {8, 8, 457, 17}, 12);
    QPalette title = Label2[5]->palette();
    title.setColor(QPalette::ButtonText, QColor(192, 0, 0));
    Label2[5]->setPalette(title);

    Label2[0] = captionLabel(window, indexedName("Label2", 0), tr("Encounter Details"), {8, 40, 457, 17});
    RichTextBoxEdit = place(new RichTextBox(window), QStringLiteral("RichTextBoxEdit"),
                            {8, 56, 457, 193});

    setupMonsterTable(window);

    // The caption reaches into the box below it; the box is in front.
    Label1 = place(new Label(window), QStringLiteral("Label1"), {64, 520, 105, 17});
    Label1->setText(tr("Encounter Number"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setForegroundRole(QPalette::ButtonText);
    Text2 = place(new QLineEdit(window), QStringLiteral("Text2"), {64, 534, 105, 19});
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignCenter);

    cmdCancel = faceButton(window, QStringLiteral("cmdCancel"), "cancel", {240, 536, 105, 25});
    cmdOK = faceButton(window, QStringLiteral("cmdOK"), "ok", {360, 536, 105, 25});
    cmdCancel->setToolTip(tr("Cancel"));
    cmdOK->setToolTip(tr("OK"));
    connect(cmdOK, &CommandButton::clicked, this, &frmDungeonEncounterEditer::cmdOK_Click);
    connect(cmdCancel, &CommandButton::clicked, this, &frmDungeonEncounterEditer::cmdCancel_Click);

    setupTabOrder();
    RichTextBoxEdit->setFocus();
}

void frmDungeonEncounterEditer::setupMonsterTable(QWidget *window)
{
    ::setupMonsterTable(window, MonsterTableAt, Label2, Text1);
}

void frmDungeonEncounterEditer::setupTabOrder()
{
    std::vector<QWidget *> order{RichTextBoxEdit};
    order.insert(order.end(), Text1.begin(), Text1.end());
    order.insert(order.end(), {Text2, cmdOK, cmdCancel});
    chainTabOrder(order);
}

// Every opening starts from what the two files hold.
void frmDungeonEncounterEditer::Form_Load()
{
    Text2->setText(QString::number(Module1::EncounterNumber));
    m_dungeonNumber = Module1::DungeonNumber;

    const Storage::SavedEncounter encounter =
        Storage::readEncounter(filesOf(m_dungeonNumber, Text2->text()), Storage::ReadMode::Open);
    m_versionRead = encounter.version;
    for (int i = 0; i < EncounterShape::CellCount; ++i) {
        Text1[i]->setText(encounter.cells[i]);
        Text1[i]->setCursorPosition(0); // a long name shows its beginning
        // Over the stored text, which may be longer than typing may make it.
        Text1[i]->setValidator(new CellTextValidator(Text1[i]));
    }
    if (encounter.detailsState == Storage::SavedEncounter::Details::Read) {
        const BusyCursor busy(encounter.details.size());
        RichTextBoxEdit->loadRtf(encounter.details);
    }
}

void frmDungeonEncounterEditer::cmdOK_Click()
{
    // A failed save keeps the editor open with everything typed.
    if (!saveEncounter())
        return;

    // Show the saved encounter on the board when it is one of its spots.
    const qint16 number = Storage::encounterNumber(Text2->text());
    if (number >= 1 && number <= Module1::SpotCount)
        Module1::DungeonWindow->showSavedEncounter(m_dungeonNumber, number);
    unload();
}

bool frmDungeonEncounterEditer::userAllowsReplace()
{
    QMessageBox question(QMessageBox::Warning, tr("Encounter changed elsewhere"),
                         tr("Encounter %1 was changed elsewhere since you opened it")
                             .arg(Text2->text()),
                         QMessageBox::NoButton, window());
    question.setInformativeText(tr("Replace puts what the editor shows in its place. "
                                    "Cancel keeps the editor open with everything you typed."));
    const QPushButton *replace = question.addButton(tr("Replace"), QMessageBox::DestructiveRole);
    question.setDefaultButton(question.addButton(tr("Cancel"), QMessageBox::RejectRole));
    question.exec();
    return question.clickedButton() == replace;
}

bool frmDungeonEncounterEditer::saveEncounter()
{
    const Storage::EncounterFiles files = filesOf(m_dungeonNumber, Text2->text());
    Storage::Cells cells;
    for (int i = 0; i < EncounterShape::CellCount; ++i)
        cells[i] = Text1[i]->text();
    const auto save = [&](const Storage::Version &expected) {
        // Pasted pictures can make the smallest encounter slow to write.
        const BusyCursor busy;
        return Storage::saveEncounter(files, cells, RichTextBoxEdit->rtf(), expected);
    };

    // Another copy of the program, or a file sync, may have saved the
    // encounter since it was read: its work is replaced only when the user
    // says so, and asked again should yet another save land meanwhile.
    Storage::SaveResult result = save(m_versionRead);
    while (result.conflict) {
        if (!userAllowsReplace())
            return false;
        result = save(result.onDisk);
    }
    // Also after a failure the files hold what this editor knows of, so that
    // the next OK blames no other copy for the work of this one.
    m_versionRead = result.onDisk;
    if (result.ok())
        return true;

    QMessageBox::warning(window(), tr("Encounter not saved"),
                         tr("The encounter could not be saved.\n\n%1\n\n"
                            "Everything you typed is still here.")
                             .arg(result.written.message()));
    return false;
}

void frmDungeonEncounterEditer::cmdCancel_Click()
{
    Module1::LoadDungeonWindow();
    unload();
}

// However the editor closes, the board is there again afterwards, also when
// it was closed while the editor stayed open.
void frmDungeonEncounterEditer::Form_Unload()
{
    Module1::LoadDungeonWindow();
    if (!Module1::DungeonWindow->window()->isVisible())
        Module1::DungeonWindow->show();
}
