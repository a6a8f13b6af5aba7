#include "frmeditabledungeon1.h"

#include "boardprinting.h"
#include "kit/busycursor.h"
#include "kit/combatform.h"
#include "kit/controls.h"
#include "findwindow.h"
#include "gotodialog.h"
#include "kit/module1.h"
#include "kit/monstertable.h"
#include "assets/pictures.h"
#include "kit/richtextbox.h"
#include "kit/spots.h"
#include "storage/encounterfiles.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>

namespace {

// One row of the party roster and the marker it moves.
struct PartyMember
{
    const char *option;
    const char *legendName;
    QRgb colour;
    int markerLeft;
    const char *name;
};
constexpr std::array<PartyMember, frmEditableDungeon1::MarkerCount> Party = {{
    {"Player Character 1", "Label3", qRgb(255, 0, 0), 352, "Character 1"},
    {"Player Character 2", "Label5", qRgb(0, 0, 255), 376, "Character 2"},
    {"Player Character 3", "Label6", qRgb(0, 255, 0), 408, "Character 3"},
    {"Player Character 4", "Label7", qRgb(255, 0, 255), 456, "Character 4"},
    {"Player Character 5", "Label8", qRgb(255, 255, 0), 488, "Character 5"},
    {"Player Character 6", "Label9", qRgb(255, 128, 0), 496, "Character 6"},
    {"Entire Party", "Label10", qRgb(0, 0, 0), 496, "All Member Of The Party"},
}};
constexpr int MarkerSize = 17;
constexpr int MarkerStartTop = 680; // the first row below the visible map
constexpr int MarkerClearedTop = 710;
constexpr int RosterTop = 424;
constexpr int RowPitch = 24;

constexpr MonsterTablePlace MonsterTableAt{{528, 152}, 8}; // the name cells stand in

Label *colourSquare(QWidget *parent, const QString &name, QRgb colour, QPoint topLeft)
{
    auto square = place(new Label(parent), name,
                        {topLeft.x(), topLeft.y(), MarkerSize, MarkerSize});
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    square->setPalette(palette);
    square->setAutoFillBackground(true);
    return square;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    return place(new QLineEdit(parent), name, geometry);
}

} // namespace

frmEditableDungeon1 &frmEditableDungeon1::instance()
{
    // Created on first use and never destroyed, like every form.
    static auto *const form = new frmEditableDungeon1;
    return *form;
}

void frmEditableDungeon1::setupUi(QWidget *window)
{
    setupFormWindow(window, QStringLiteral("frmEditableDungeon1"),
                    QStringLiteral("Orvane Editable Dungeon 1 (dungeonboard@example.org)"),
                    {1000, 700}, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    setupMap(window);
    setupEncounterDisplay(window);
    setupRoster(window);
    setupButtons(window);
    setupTabOrder();
    setupPrintShortcuts(window, [this] { return Text2->text(); });
    setupShortcuts(window);
    Picture1->setFocus();
}

// Children of the map are created back to front: the markers, the spots,
// then the encounter number caption and box.
void frmEditableDungeon1::setupMap(QWidget *window)
{
    Picture1 = place(new PictureBox(dungeonMapPicture(), window),
                     QStringLiteral("Picture1"), {16, 8, 504, 684});
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(QStringLiteral("Dungeon map"));
    connect(Picture1, &PictureBox::MouseDown, this, &frmEditableDungeon1::Picture1_MouseDown);
    QWidget *map = Picture1->client();

    for (int k = 0; k < MarkerCount; ++k) {
        Label1[k] = colourSquare(map, indexedName("Label1", k), Party[k].colour,
                                 {Party[k].markerLeft, MarkerStartTop});
        Label1[k]->setAccessibleName(
            QStringLiteral("%1 marker").arg(QString::fromLatin1(Party[k].option)));
    }

    for (int n = 1; n <= SpotCount; ++n) {
        auto label = place(new Label(map), QStringLiteral("lblEncounter%1").arg(n), Map::Spots[n - 1]);
        label->setToolTip(QStringLiteral("Encounter %1").arg(n));
        label->setAccessibleName(label->toolTip());
        label->setCursor(Qt::WhatsThisCursor);
        connect(label, &Label::clicked, this, [this, n] { lblEncounter_Click(n); });
        lblEncounter[n - 1] = label;
    }

    Label4 = place(new Label(map), QStringLiteral("Label4"), {392, 640, 97, 17});
    Label4->setText(QStringLiteral("Encounter Number"));
    Label4->setForegroundRole(QPalette::ButtonText);

    Text2 = textBox(map, QStringLiteral("Text2"), {392, 656, 97, 19});
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignCenter);
}

void frmEditableDungeon1::setupEncounterDisplay(QWidget *window)
{
    Label2[0] = captionLabel(window, indexedName("Label2", 0), "ENCOUNTER DETAILS", {528, 8, 457, 17});
    RichTextBox1[0] = place(new RichTextBox(window), indexedName("RichTextBox1", 0),
                            {528, 24, 457, 121});
    RichTextBox1[0]->setReadOnly(true);
    RichTextBox1[0]->setAccessibleName(Label2[0]->text());

    setupMonsterTable(window, MonsterTableAt, Label2, Text1);
    for (QLineEdit *cell : Text1)
        cell->setReadOnly(true);

    Label2[5] = captionLabel(window, indexedName("Label2", 5), "DM NOTES", {528, 592, 353, 17});
    RichTextBox1[1] = place(new RichTextBox(window), indexedName("RichTextBox1", 1),
                            {528, 608, 353, 81});
    RichTextBox1[1]->setAccessibleName(Label2[5]->text());
}

void frmEditableDungeon1::setupRoster(QWidget *window)
{
    Label2[6] = captionLabel(window, indexedName("Label2", 6), "Select Party Member", {576, 408, 353, 17});
    for (int k = 0; k < MarkerCount; ++k) {
        const PartyMember &member = Party[k];
        const int top = RosterTop + RowPitch * k;
        Option[k] = place(new QRadioButton(QString::fromLatin1(member.option), window),
                          QStringLiteral("Option%1").arg(k + 1), {576, top, 113, 17});
        colourSquare(window, QString::fromLatin1(member.legendName), member.colour, {696, top});

        const bool wholeParty = k == MarkerCount - 1;
        QLineEdit *name = textBox(window, wholeParty ? QStringLiteral("Text5") : indexedName("Text4", k),
                                  {720, top, 209, 19});
        name->setText(QString::fromLatin1(member.name));
        if (wholeParty) {
            name->setReadOnly(true);
            name->setAlignment(Qt::AlignCenter);
            Text5 = name;
        } else {
            name->setMaxLength(std::numeric_limits<int>::max());
            Text4[k] = name;
        }
    }
    Option[MarkerCount - 1]->setChecked(true);
}

void frmEditableDungeon1::setupButtons(QWidget *window)
{
    cmdEdit = faceButton(window, QStringLiteral("cmdEdit"), "edit", {888, 600, 105, 25});
    cmdClear = faceButton(window, QStringLiteral("cmdClear"), "clear", {888, 632, 105, 25});
    cmdClose = faceButton(window, QStringLiteral("cmdClose"), "close", {888, 664, 105, 25});
    cmdEdit->setToolTip(QStringLiteral("Edit"));
    cmdClear->setToolTip(QStringLiteral("Clear"));
    cmdClose->setToolTip(QStringLiteral("Close"));
    for (CommandButton *button : {cmdEdit, cmdClear, cmdClose})
        button->setAccessibleName(button->toolTip());
    cmdEdit->setEnabled(false);

    connect(cmdEdit, &CommandButton::clicked, this, &frmEditableDungeon1::cmdEdit_Click);
    connect(cmdClear, &CommandButton::clicked, this, &frmEditableDungeon1::cmdClear_Click);
    connect(cmdClose, &CommandButton::clicked, this, &frmEditableDungeon1::cmdClose_Click);
}

void frmEditableDungeon1::setupTabOrder()
{
    std::vector<QWidget *> order{Picture1};
    order.insert(order.end(), Text4.begin(), Text4.end());
    order.insert(order.end(), Option.begin(), Option.end());
    order.insert(order.end(), {Text5, cmdClose, cmdClear, RichTextBox1[0], RichTextBox1[1]});
    order.insert(order.end(), Text1.begin(), Text1.end());
    order.insert(order.end(), {Text2, cmdEdit});
    chainTabOrder(order);
}

// Window-wide, so they work from the notes and name boxes too; none of them is
// a shortcut of the rich-text boxes.
void frmEditableDungeon1::setupShortcuts(QWidget *window)
{
    const auto add = [this, window](QKeyCombination keys, auto slot) {
        connect(new QShortcut(keys, window), &QShortcut::activated, this, slot);
    };
    add(Qt::CTRL | Qt::Key_PageDown, [this] { showNeighbour(1); });
    add(Qt::CTRL | Qt::Key_PageUp, [this] { showNeighbour(-1); });
    add(Qt::CTRL | Qt::Key_G, &frmEditableDungeon1::goToEncounter);
    add(Qt::CTRL | Qt::Key_F, &frmEditableDungeon1::findEncounter);

    // The board's own undo. A focused text box takes these keys first, so the
    // notes, names and rich-text boxes keep their own undo.
    undoStack = new QUndoStack(window);
    add(Qt::CTRL | Qt::Key_Z, [this] { undoStack->undo(); });
    add(Qt::CTRL | Qt::Key_Y, [this] { undoStack->redo(); });
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [this] { undoStack->redo(); });
    add(Qt::CTRL | Qt::Key_T, &frmEditableDungeon1::addToFight);
}

void frmEditableDungeon1::Form_Load()
{
    Module1::DungeonNumber = 1;
}

// --- Party markers and clearing the board ----------------------------------

void frmEditableDungeon1::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x,
                                             float y)
{
    // Read from the last option to the first, so that should several read
    // as selected the lowest-numbered one wins; with none, marker 0 moves.
    int index = 0;
    for (int k = MarkerCount - 1; k >= 0; --k) {
        if (Option[k]->isChecked())
            index = k;
    }
    // The marker's top-left corner lands on the press point, unclamped.
    Label1[index]->move(QPointF(x, y).toPoint());
}

void frmEditableDungeon1::cmdClear_Click()
{
    for (QLineEdit *cell : Text1)
        cell->setText(QString());
    RichTextBox1[0]->setText(QString());
    RichTextBox1[1]->setText(QString());
    for (QLineEdit *name : Text4)
        name->setText(QString());
    for (Label *marker : Label1)
        marker->move(marker->x(), MarkerClearedTop);
    cmdEdit->setEnabled(false);
    Text2->setText(QString());
}

void frmEditableDungeon1::cmdClose_Click()
{
    Unload();
}

// --- Choosing and showing an encounter --------------------------------------

void frmEditableDungeon1::lblEncounter_Click(int number)
{
    cmdEdit->setEnabled(true);
    miniclear();
    Text2->setText(QString::number(number));
    LoadEncounter();
}

void frmEditableDungeon1::miniclear()
{
    for (QLineEdit *cell : Text1)
        cell->setText(QString());
    RichTextBox1[0]->setText(QString());
    RichTextBox1[1]->setText(QString());
}

// Shows the encounter whose number Text2 holds. Whatever cannot be read
// stays empty; nothing is reported.
void frmEditableDungeon1::LoadEncounter()
{
    const Storage::EncounterFiles files = filesOnDisplay();
    showSaved(Storage::readEncounter(files, Storage::ReadMode::Open));
    followSaves(files.dungeonFolder);
}

Storage::EncounterFiles frmEditableDungeon1::filesOnDisplay() const
{
    return Storage::encounterFiles(Storage::programFolder(), Module1::DungeonNumber, Text2->text());
}

void frmEditableDungeon1::showSaved(const Storage::SavedEncounter &encounter)
{
    for (int i = 0; i < EncounterShape::CellCount; ++i) {
        Text1[i]->setText(encounter.cells[i]);
        Text1[i]->setCursorPosition(0); // a long name shows its beginning
    }
    if (encounter.detailsState == Storage::SavedEncounter::Details::Read) {
        const BusyCursor busy(encounter.details.size());
        RichTextBox1[0]->loadRtf(encounter.details);
    } else {
        RichTextBox1[0]->setText(QString());
    }
    m_versionShown = encounter.version;
}

// Another copy of the program sharing the dungeon folder may save the
// encounter on display; the board then shows that save. The watch begins
// with the first encounter shown, so that it costs nothing at start-up, and
// waits for a burst of changes to settle, since one save makes several.
void frmEditableDungeon1::followSaves(const QString &dungeonFolder)
{
    if (!m_saveWatch) {
        m_saveWatch = new QFileSystemWatcher(window());
        auto settled = new QTimer(m_saveWatch);
        settled->setSingleShot(true);
        settled->setInterval(SaveSettlesMs);
        connect(m_saveWatch, &QFileSystemWatcher::directoryChanged, settled,
                qOverload<>(&QTimer::start));
        connect(settled, &QTimer::timeout, this, &frmEditableDungeon1::showNewSave);
    }
    const QStringList watched = m_saveWatch->directories();
    if (watched == QStringList{dungeonFolder})
        return;
    if (!watched.isEmpty())
        m_saveWatch->removePaths(watched);
    // A folder not made yet is watched from the next encounter shown on.
    if (QFileInfo(dungeonFolder).isDir())
        m_saveWatch->addPath(dungeonFolder);
}

void frmEditableDungeon1::showNewSave()
{
    if (encounterOnDisplay() == 0)
        return;
    const Storage::SavedEncounter encounter =
        Storage::readEncounter(filesOnDisplay(), Storage::ReadMode::Open);
    if (encounter.version != m_versionShown)
        showSaved(encounter);
}

void frmEditableDungeon1::cmdEdit_Click()
{
    Module1::DungeonNumber = 1;
    Module1::EncounterNumber = Storage::encounterNumber(Text2->text());
    Module1::EditorWindow->Show();
}

// --- Reaching an encounter from the keyboard --------------------------------

int frmEditableDungeon1::encounterOnDisplay() const
{
    const int number = Storage::encounterNumber(Text2->text());
    return number >= 1 && number <= SpotCount ? number : 0;
}

void frmEditableDungeon1::showNeighbour(int step)
{
    const int current = encounterOnDisplay();
    if (current == 0)
        lblEncounter_Click(step > 0 ? 1 : SpotCount);
    else
        lblEncounter_Click((current - 1 + step + SpotCount) % SpotCount + 1);
}

void frmEditableDungeon1::goToEncounter()
{
    const int current = encounterOnDisplay();
    if (const int number = askEncounterNumber(window(), current == 0 ? 1 : current))
        lblEncounter_Click(number);
}

void frmEditableDungeon1::findEncounter()
{
    if (!findWindow) {
        EncounterIndex index(Storage::programFolder(), Module1::DungeonNumber);
        findWindow = new FindWindow(std::move(index),
                                    QList<QWidget *>(lblEncounter.begin(), lblEncounter.end()),
                                    window());
        connect(findWindow, &FindWindow::encounterChosen, this,
                &frmEditableDungeon1::lblEncounter_Click);
        // Over the party roster, so the marks on the map and the encounter
        // shown stay in view.
        findWindow->move(window()->mapToGlobal(QPoint(576, 408)));
    }
    findWindow->start();
}

// --- The fight ------------------------------------------------------------------

// Hands the table as shown, not as stored, and the characters as named.
void frmEditableDungeon1::addToFight()
{
    EncounterOnDisplay encounter;
    encounter.number = encounterOnDisplay();
    for (int i = 0; i < EncounterShape::CellCount; ++i)
        encounter.cells[i] = Text1[i]->text();
    for (QLineEdit *name : Text4)
        encounter.characters.append(name->text());
    Module1::CombatWindow->joinFight(encounter);
}
