#include "frmeditabledungeon1.h"

#include "boardclearing.h"
#include "boardmap.h"
#include "boardmenu.h"
#include "boardprinting.h"
#include "boardsession.h"
#include "dungeonchoice.h"
#include "dungeonexchange.h"
#include "encounternavigation.h"
#include "mapexport.h"
#include "partymarkers.h"
#include "playersside.h"
#include "savefollower.h"

#include "assets/pictures.h"
#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "fog/playertable.h"
#include "kit/busycursor.h"
#include "kit/combatform.h"
#include "kit/controls.h"
#include "kit/module1.h"
#include "kit/monstertable.h"
#include "kit/richtextbox.h"
#include "kit/spots.h"
#include "storage/encounterfiles.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QShortcut>
#include <QUndoStack>

namespace {

// One row of the party roster and the marker it moves; the texts are
// translated where they are shown.
struct PartyMember
{
    const char *option;
    const char *legendName;
    QRgb colour;
    int markerLeft;
    const char *name;
};
constexpr std::array<PartyMember, frmEditableDungeon1::MarkerCount> Party = {{
    {QT_TR_NOOP("Player Character 1"), "Label3", qRgb(255, 0, 0), 352, QT_TR_NOOP("Character 1")},
    {QT_TR_NOOP("Player Character 2"), "Label5", qRgb(0, 0, 255), 376, QT_TR_NOOP("Character 2")},
    {QT_TR_NOOP("Player Character 3"), "Label6", qRgb(0, 255, 0), 408, QT_TR_NOOP("Character 3")},
    {QT_TR_NOOP("Player Character 4"), "Label7", qRgb(255, 0, 255), 456, QT_TR_NOOP("Character 4")},
    {QT_TR_NOOP("Player Character 5"), "Label8", qRgb(255, 255, 0), 488, QT_TR_NOOP("Character 5")},
    {QT_TR_NOOP("Player Character 6"), "Label9", qRgb(255, 128, 0), 496, QT_TR_NOOP("Character 6")},
    {QT_TR_NOOP("Entire Party"), "Label10", qRgb(0, 0, 0), 496, QT_TR_NOOP("All Member Of The Party")},
}};
constexpr int MarkerSize = 17;
constexpr int MarkerStartTop = 680; // the first row below the visible map
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

constexpr int UndoLimit = 100;

QString caption(int dungeonNumber)
{
    return frmEditableDungeon1::tr("Orvane Editable Dungeon %1 (dungeonboard@example.org)").arg(dungeonNumber);
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
    setupFormWindow(window, QStringLiteral("frmEditableDungeon1"), caption(1), {1000, 700},
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    setupMap(window);
    setupEncounterDisplay(window);
    setupRoster(window);
    setupButtons(window);
    setupTabOrder();
    setupJobs(window);
    setupPrintShortcuts(window, [this] { return Text2->text(); });
    boardMenu = new BoardMenu(window, Picture1);
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
    Picture1->setAccessibleName(tr("Dungeon map"));
    connect(Picture1, &PictureBox::MouseDown, this, &frmEditableDungeon1::Picture1_MouseDown);
    QWidget *map = Picture1->client();

    for (int k = 0; k < MarkerCount; ++k) {
        Label1[k] = colourSquare(map, indexedName("Label1", k), Party[k].colour,
                                 {Party[k].markerLeft, MarkerStartTop});
        Label1[k]->setAccessibleName(
            tr("%1 marker").arg(tr(Party[k].option)));
    }

    for (int n = 1; n <= SpotCount; ++n) {
        auto label = place(new Label(map), QStringLiteral("lblEncounter%1").arg(n), Map::Spots[n - 1]);
        label->setToolTip(tr("Encounter %1").arg(n));
        label->setAccessibleName(label->toolTip());
        label->setCursor(Qt::WhatsThisCursor);
        connect(label, &Label::clicked, this, [this, n] { lblEncounter_Click(n); });
        lblEncounter[n - 1] = label;
    }

    Label4 = place(new Label(map), QStringLiteral("Label4"), {392, 640, 97, 17});
    Label4->setText(tr("Encounter Number"));
    Label4->setForegroundRole(QPalette::ButtonText);

    Text2 = textBox(map, QStringLiteral("Text2"), {392, 656, 97, 19});
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignCenter);
}

void frmEditableDungeon1::setupEncounterDisplay(QWidget *window)
{
    Label2[0] = captionLabel(window, indexedName("Label2", 0), tr("ENCOUNTER DETAILS"), {528, 8, 457, 17});
    RichTextBox1[0] = place(new RichTextBox(window), indexedName("RichTextBox1", 0),
                            {528, 24, 457, 121});
    RichTextBox1[0]->setReadOnly(true);
    RichTextBox1[0]->setAccessibleName(Label2[0]->text());

    setupMonsterTable(window, MonsterTableAt, Label2, Text1);
    for (QLineEdit *cell : Text1)
        cell->setReadOnly(true);

    Label2[5] = captionLabel(window, indexedName("Label2", 5), tr("DM NOTES"), {528, 592, 353, 17});
    RichTextBox1[1] = place(new RichTextBox(window), indexedName("RichTextBox1", 1),
                            {528, 608, 353, 81});
    RichTextBox1[1]->setAccessibleName(Label2[5]->text());
}

void frmEditableDungeon1::setupRoster(QWidget *window)
{
    Label2[6] = captionLabel(window, indexedName("Label2", 6), tr("Select Party Member"), {576, 408, 353, 17});
    for (int k = 0; k < MarkerCount; ++k) {
        const PartyMember &member = Party[k];
        const int top = RosterTop + RowPitch * k;
        Option[k] = place(new QRadioButton(tr(member.option), window),
                          QStringLiteral("Option%1").arg(k + 1), {576, top, 113, 17});
        colourSquare(window, QString::fromLatin1(member.legendName), member.colour, {696, top});

        const bool wholeParty = k == MarkerCount - 1;
        QLineEdit *name = textBox(window, wholeParty ? QStringLiteral("Text5") : indexedName("Text4", k),
                                  {720, top, 209, 19});
        name->setText(tr(member.name));
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
    cmdEdit->setToolTip(tr("Edit"));
    cmdClear->setToolTip(tr("Clear"));
    cmdClose->setToolTip(tr("Close"));
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

// The classes that do the board's jobs, made with the controls they act on.
void frmEditableDungeon1::setupJobs(QWidget *window)
{
    undoStack = new QUndoStack(window);
    undoStack->setUndoLimit(UndoLimit);
    markers = new PartyMarkers(Label1, Option, undoStack, window);
    clearing = new BoardClearing({Text2, Text1, RichTextBox1[0], RichTextBox1[1], Text4, cmdEdit},
                                 markers, undoStack, window);
    map = new BoardMap(Picture1->client(), lblEncounter, markers, dungeon(), window);
    map->setControlsOver({Label4, Text2});
    connect(map, &BoardMap::pressed, this,
            [this](QPointF at) { markers->moveChosen({Label1[markers->toMove()]->pos(), at}); });
    connect(map, &BoardMap::placementLeft, this, [this] { Picture1->setFocus(); });
    players = new PlayersSide(Picture1->client(), map, markers, dungeon(), undoStack, window);
    choice = new DungeonChoice(window, dungeon(), window);
    exchange = new DungeonExchange(window, dungeon(), window);
    connect(choice, &DungeonChoice::chosen, this, [this](int number, bool placing) {
        openDungeon(number);
        if (placing)
            placeSpots();
    });
    mapExport = new MapExport(window, window);
    navigation = new EncounterNavigation(Text2, QList<QWidget *>(lblEncounter.begin(), lblEncounter.end()),
                                         window, window);
    connect(navigation, &EncounterNavigation::chosen, this, &frmEditableDungeon1::lblEncounter_Click);
    saves = new SaveFollower(window);
    session = new BoardSession(Text4, RichTextBox1[1], markers, window);
    connect(session, &BoardSession::changed, this, &frmEditableDungeon1::sessionChanged);
    connect(saves, &SaveFollower::folderChanged, this, &frmEditableDungeon1::showNewSave);
}

// Window-wide, so they work from the notes and name boxes too; none of them is
// a shortcut of the rich-text boxes.
void frmEditableDungeon1::setupShortcuts(QWidget *window)
{
    const auto add = [this, window](QKeyCombination keys, auto slot) {
        connect(new QShortcut(keys, window), &QShortcut::activated, this, slot);
    };
    add(Qt::CTRL | Qt::Key_PageDown, [this] { navigation->showNeighbour(1); });
    add(Qt::CTRL | Qt::Key_PageUp, [this] { navigation->showNeighbour(-1); });
    add(Qt::CTRL | Qt::Key_G, [this] { navigation->goToEncounter(); });
    add(Qt::CTRL | Qt::Key_F, [this] { navigation->findEncounter(dungeonOnDisplay()); });

    // The board's own undo. A focused text box takes these keys first, so the
    // notes, names and rich-text boxes keep their own undo.
    add(Qt::CTRL | Qt::Key_Z, [this] { undoStack->undo(); });
    add(Qt::CTRL | Qt::Key_Y, [this] { undoStack->redo(); });
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [this] { undoStack->redo(); });

    // Function keys, since the rich-text boxes keep Ctrl+R and their other keys.
    add(Qt::Key_F5, &frmEditableDungeon1::playerViewToggled);
    add(Qt::SHIFT | Qt::Key_F5, &frmEditableDungeon1::playerViewChoicesRequested);
    add(Qt::CTRL | Qt::Key_F5, &frmEditableDungeon1::playersPreviewToggled);
    add(Qt::Key_F8, [this] { players->table()->setBlackedOut(!players->table()->isBlackedOut()); });
    add(Qt::Key_F6, [this] { players->revealRoom(navigation->onDisplay()); });
    add(Qt::SHIFT | Qt::Key_F6, [this] { players->hideRoom(navigation->onDisplay()); });
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_F6, [this] { players->hideAllRooms(); });
    // The dungeon's commands are also listed on the board's menu.
    const auto listed = [this, add](const QString &text, QKeyCombination keys, std::function<void()> run) {
        add(keys, run);
        boardMenu->addDungeonCommand(text, keys, std::move(run));
    };
    listed(tr("Open dungeon…"), Qt::CTRL | Qt::Key_O, [this] { choice->chooseDungeon(dungeonOnDisplay()); });
    listed(tr("New dungeon from a map picture…"), Qt::CTRL | Qt::Key_N, [this] { choice->newDungeonFromPicture(); });
    listed(tr("Export dungeon…"), Qt::CTRL | Qt::SHIFT | Qt::Key_E, [this] { exchange->exportDungeon(); });
    listed(tr("Export as Markdown…"), Qt::CTRL | Qt::SHIFT | Qt::Key_M, [this] { exchange->exportMarkdown(); });
    listed(tr("Export as Universal VTT…"), Qt::CTRL | Qt::SHIFT | Qt::Key_U,
           [this] { mapExport->exportUniversalVtt(dungeonOnDisplay(), dungeon()->description().title); });
    listed(tr("Place spots"), Qt::CTRL | Qt::SHIFT | Qt::Key_L, [this] {
        if (map->isPlacingSpots())
            map->leaveSpotPlacement();
        else
            map->enterSpotPlacement();
    });
    add(Qt::CTRL | Qt::Key_0, [this] { map->fit(); });
    add(Qt::CTRL | Qt::Key_T, &frmEditableDungeon1::addToFight);
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_R, &frmEditableDungeon1::resumeRequested);
}

// Each load reads the dungeon on display afresh from its files; the first
// load of the program opens dungeon 1.
void frmEditableDungeon1::Form_Load()
{
    const int number = dungeon()->number() == 0 ? 1 : dungeon()->number();
    dungeon()->open(number, Picture1->client()->size() * Picture1->devicePixelRatioF());
    followDungeon = connect(dungeon(), &CurrentDungeon::changed, this, [this] {
        showDungeon();
        tellWhatCannotBeRead();
    });
    showDungeon(true);
    tellWhatCannotBeRead();
}

// Spot placement that cannot be saved keeps the board open, so that
// nothing placed is lost.
bool frmEditableDungeon1::Form_QueryUnload()
{
    return !map || map->leaveSpotPlacement();
}

void frmEditableDungeon1::Form_Unload()
{
    disconnect(followDungeon);
    navigation->closeFindWindow();
}

// --- The dungeon on display --------------------------------------------------

int frmEditableDungeon1::dungeonOnDisplay() const
{
    return dungeon()->number();
}

PlayerTable *frmEditableDungeon1::playerTable() const
{
    return players ? players->table() : nullptr;
}

void frmEditableDungeon1::openDungeon(int number)
{
    load();
    if (!map->leaveSpotPlacement())
        return;
    dungeon()->open(number, Picture1->client()->size() * Picture1->devicePixelRatioF());
}

void frmEditableDungeon1::placeSpots()
{
    map->enterSpotPlacement();
}

void frmEditableDungeon1::showDungeon(bool fresh)
{
    // The undo steps belong to the fog and the markers of the dungeon before.
    undoStack->clear();
    window()->setWindowTitle(caption(dungeon()->number()));
    navigation->closeFindWindow(); // its index and rings belong to the dungeon shown before
    if (!fresh) {
        emptyEncounterDisplay();
        markers->moveAllOffMap();
    }
    map->showDungeon();
    players->showDungeon();
}

// Told once, when the dungeon opens.
void frmEditableDungeon1::tellWhatCannotBeRead()
{
    players->tellWhatCannotBeRead();
    if (const QString error = dungeon()->descriptionProblem(); !error.isEmpty()) {
        QMessageBox::warning(window(), tr("Dungeon %1").arg(dungeon()->number()),
                             tr("The dungeon's description cannot be read, so it is shown on the built-in map.\n\n%1")
                                     .arg(error));
    }
}

Session frmEditableDungeon1::leftOff() const
{
    Session leftOff;
    leftOff.dungeon = dungeonOnDisplay();
    return session->leftOff(leftOff);
}

void frmEditableDungeon1::resume(const Session &leftOff)
{
    load();
    if (leftOff.dungeon != dungeonOnDisplay())
        openDungeon(leftOff.dungeon);
    session->resume(leftOff);
}

// What a dungeon change empties: the encounter shown, not the notes or names.
void frmEditableDungeon1::emptyEncounterDisplay()
{
    for (QLineEdit *cell : Text1)
        cell->setText(QString());
    RichTextBox1[0]->setText(QString());
    Text2->setText(QString());
    cmdEdit->setEnabled(false);
}

// --- Party markers and clearing the board ----------------------------------

void frmEditableDungeon1::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x,
                                             float y)
{
    // The marker's top-left corner lands on the press point, unclamped.
    markers->moveChosen({QPointF(x, y).toPoint(), std::nullopt});
}

void frmEditableDungeon1::cmdClear_Click()
{
    clearing->clear();
}

void frmEditableDungeon1::cmdClose_Click()
{
    unload();
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
    saves->follow(files.dungeonFolder);
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
// encounter on display; the board then shows that save.
void frmEditableDungeon1::showNewSave()
{
    if (navigation->onDisplay() == 0)
        return;
    const Storage::SavedEncounter encounter =
        Storage::readEncounter(filesOnDisplay(), Storage::ReadMode::Open);
    if (encounter.version != m_versionShown)
        showSaved(encounter);
}

void frmEditableDungeon1::showSavedEncounter(int dungeonNumber, int number)
{
    if (!isLoaded()) {
        load();
        if (dungeonOnDisplay() != dungeonNumber)
            openDungeon(dungeonNumber);
    }
    if (dungeonOnDisplay() == dungeonNumber)
        lblEncounter_Click(number);
}

// The editor opens on the dungeon on display, whose number DungeonNumber holds.
void frmEditableDungeon1::cmdEdit_Click()
{
    Module1::EncounterNumber = Storage::encounterNumber(Text2->text());
    Module1::EditorWindow->show();
}

// --- The fight ------------------------------------------------------------------

// Hands the table as shown, not as stored, and the characters as named.
void frmEditableDungeon1::addToFight()
{
    EncounterOnDisplay encounter;
    encounter.number = navigation->onDisplay();
    for (int i = 0; i < EncounterShape::CellCount; ++i)
        encounter.cells[i] = Text1[i]->text();
    // Only the characters the game master named: a box still holding its
    // "Character N" stands for nobody at the table.
    for (int k = 0; k < int(Text4.size()); ++k) {
        const QString name = Text4[k]->text().trimmed();
        if (!name.isEmpty() && name != tr(Party[k].name))
            encounter.characters.append(name);
    }
    Module1::CombatWindow->joinFight(encounter);
}
