#include "frmeditabledungeon1.h"

#include "boardprinting.h"
#include "findwindow.h"
#include "gotodialog.h"
#include "mapview.h"
#include "opendungeondialog.h"
#include "roomoutlines.h"
#include "spotplacement.h"

#include "assets/pictures.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "fog/fog.h"
#include "fog/playertable.h"
#include "fog/tablefile.h"
#include "kit/busycursor.h"
#include "kit/combatform.h"
#include "kit/controls.h"
#include "kit/module1.h"
#include "kit/monstertable.h"
#include "kit/richtextbox.h"
#include "kit/spots.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <functional>

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

// Where no room is outlined, a reveal uncovers this far about the spot.
constexpr qreal RevealRadius = 48;
constexpr int UndoLimit = 100;

// A step of the board's undo, told by what doing and undoing it do.
class BoardCommand : public QUndoCommand
{
public:
    BoardCommand(const QString &text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), m_redo(std::move(redo)), m_undo(std::move(undo))
    {
    }
    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo, m_undo;
};

QString caption(int dungeonNumber)
{
    return frmEditableDungeon1::tr("Orvane Editable Dungeon %1 (dungeonboard@example.org)").arg(dungeonNumber);
}

// A spot on a map of its own, whose picture carries no numbers: its number
// in red on white in a thin dark frame.
void showAsNumberSquare(Label *spot, int number)
{
    spot->resize(MarkerSize, MarkerSize);
    spot->setAlignment(Qt::AlignCenter);
    spot->setText(QString::number(number));
    spot->setStyleSheet(QStringLiteral(
            "QLabel { background: white; color: red; border: 1px solid #303030; font: bold 7pt; }"));
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
    setupPrintShortcuts(window, [this] { return Text2->text(); });
    setupShortcuts(window);
    Picture1->setFocus();
}

// Children of the map are created back to front: the markers, the spots,
// then the encounter number caption and box.
void frmEditableDungeon1::setupMap(QWidget *window)
{
    mapView = nullptr; // the last one went with the window
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
    undoStack->setUndoLimit(UndoLimit);
    add(Qt::CTRL | Qt::Key_Z, [this] { undoStack->undo(); });
    add(Qt::CTRL | Qt::Key_Y, [this] { undoStack->redo(); });
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [this] { undoStack->redo(); });

    // Function keys, since the rich-text boxes keep Ctrl+R and their other keys.
    add(Qt::Key_F5, &frmEditableDungeon1::playerViewToggled);
    add(Qt::Key_F6, &frmEditableDungeon1::revealRoom);
    add(Qt::SHIFT | Qt::Key_F6, &frmEditableDungeon1::hideRoom);
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_F6, &frmEditableDungeon1::hideAllRooms);
    add(Qt::CTRL | Qt::Key_O, &frmEditableDungeon1::chooseDungeon);
    add(Qt::CTRL | Qt::Key_N, &frmEditableDungeon1::newDungeonFromPicture);
    add(Qt::CTRL | Qt::SHIFT | Qt::Key_L, [this] {
        if (spotPlacement)
            leaveSpotPlacement();
        else
            enterSpotPlacement();
    });
    add(Qt::CTRL | Qt::Key_0, [this] {
        if (mapView && !mapView->isHidden())
            mapView->fit();
    });
    add(Qt::CTRL | Qt::Key_T, &frmEditableDungeon1::addToFight);
}

void frmEditableDungeon1::Form_Load()
{
    m_dungeonNumber = 1;
    Module1::DungeonNumber = 1;
    const Dungeon::DescriptionRead read =
            Dungeon::readDungeonDescription(Dungeon::dungeonFolder(Storage::programFolder(), 1));
    m_description = read.description;
    m_descriptionReadable = read.ok();
    setupPlayerTable();
}

// Closing the window is one more way of leaving spot placement.
void frmEditableDungeon1::Form_Unload()
{
    if (spotPlacement)
        leaveSpotPlacement();
}

// --- The dungeon on display --------------------------------------------------

void frmEditableDungeon1::openDungeon(int number)
{
    load();
    if (spotPlacement && !leaveSpotPlacement())
        return;
    m_dungeonNumber = number;
    Module1::DungeonNumber = qint16(number);
    window()->setWindowTitle(caption(number));
    if (findWindow) {
        // Its index and rings belong to the dungeon shown before.
        findWindow->close();
        findWindow->deleteLater();
        findWindow = nullptr;
    }

    miniclear();
    Text2->setText(QString());
    cmdEdit->setEnabled(false);
    for (Label *marker : Label1)
        moveMarkerOffMap(marker);

    const QString folder = Dungeon::dungeonFolder(Storage::programFolder(), number);
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    m_description = read.description;
    m_descriptionReadable = read.ok();
    QString error = read.error;
    if (read.ok() && read.description.hasOwnMap()) {
        const QString path = Dungeon::mapPath(folder, read.description);
        const Dungeon::MapPicture picture = Dungeon::readMapPicture(
                path, Picture1->client()->size() * Picture1->devicePixelRatioF());
        if (picture.ok()) {
            showOwnMap(picture, path, read.description.spots);
            showDungeonToPlayers();
            return;
        }
        error = tr("%1: %2").arg(QDir::toNativeSeparators(Dungeon::descriptionPath(folder)), picture.error);
    }
    showBuiltInMap();
    showDungeonToPlayers();
    if (!error.isEmpty()) {
        QMessageBox::warning(window(), tr("Dungeon %1").arg(number),
                             tr("The dungeon's description cannot be read, so it is shown on the built-in map.\n\n%1")
                                     .arg(error));
    }
}

void frmEditableDungeon1::chooseDungeon()
{
    OpenDungeonDialog dialog(Storage::programFolder(), m_dungeonNumber, window());
    if (dialog.exec() != QDialog::Accepted || dialog.chosenDungeon() == 0)
        return;
    openDungeon(dialog.chosenDungeon());
    if (dialog.placeSpots())
        enterSpotPlacement();
}

void frmEditableDungeon1::newDungeonFromPicture()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString picture = QFileDialog::getOpenFileName(
            window(), tr("New dungeon from a map picture"), QString(),
            tr("Pictures (%1)").arg(patterns.join(u' ')));
    if (picture.isEmpty())
        return;
    bool accepted = false;
    const QString title = QInputDialog::getText(window(), tr("New dungeon"), tr("Title of the dungeon:"),
                                                QLineEdit::Normal, QFileInfo(picture).completeBaseName(),
                                                &accepted);
    if (!accepted)
        return;
    QString error;
    const int number = Dungeon::createDungeon(Storage::programFolder(), picture, title, &error);
    if (number == 0) {
        QMessageBox::warning(window(), tr("New dungeon"), error);
        return;
    }
    openDungeon(number);
    enterSpotPlacement();
}

void frmEditableDungeon1::showOwnMap(const Dungeon::MapPicture &picture, const QString &path,
                                     const QMap<int, QPointF> &spots)
{
    if (!mapView) {
        mapView = new MapView(Picture1->client());
        mapView->lower();
        connect(mapView, &MapView::pressed, this, [this](QPointF at) {
            const int marker = markerToMove();
            moveMarker(marker, {Label1[marker]->pos(), at});
        });
    }
    mapView->setPicture(picture.image, picture.fullSize, path);
    mapView->show();
    placeSpots(spots);
}

void frmEditableDungeon1::placeSpots(const QMap<int, QPointF> &spots)
{
    for (int n = 1; n <= SpotCount; ++n) {
        Label *spot = lblEncounter[n - 1];
        showAsNumberSquare(spot, n);
        spot->setVisible(spots.contains(n));
        if (spots.contains(n))
            mapView->pin(spot, spots.value(n), MapView::Anchor::Centre);
        else
            mapView->unpin(spot);
    }
}

void frmEditableDungeon1::enterSpotPlacement()
{
    if (spotPlacement)
        return;
    const QString title = tr("Spot placement");
    if (!m_descriptionReadable) {
        QMessageBox::warning(window(), title,
                             tr("The dungeon's description cannot be read, so it is left as it is. Mend it by hand first."));
        return;
    }
    if (!mapView || mapView->isHidden()) {
        QMessageBox::information(window(), title,
                                 tr("Spots are placed on a map of the dungeon's own. Make a dungeon from a map picture with Ctrl+N."));
        return;
    }
    spotPlacement = new SpotPlacement(m_description, mapView, Picture1->client());
    connect(spotPlacement, &SpotPlacement::saveRequested, this, [this] { leaveSpotPlacement(); });
    connect(spotPlacement, &SpotPlacement::discardRequested, this, [this] {
        if (QMessageBox::question(window(), tr("Spot placement"), tr("Leave spot placement without saving?"))
            == QMessageBox::Yes)
            leaveSpotPlacement(false);
    });
    for (Label *spot : lblEncounter)
        spot->hide(); // the placement draws the spots as they are being placed
    spotPlacement->show();
    spotPlacement->raise();
    spotPlacement->setFocus();
}

bool frmEditableDungeon1::leaveSpotPlacement(bool save)
{
    if (save) {
        const QString folder = Dungeon::dungeonFolder(Storage::programFolder(), m_dungeonNumber);
        const QString error = Dungeon::writeDungeonDescription(folder, spotPlacement->description());
        if (!error.isEmpty()) {
            QMessageBox::warning(window(), tr("Spot placement"), error);
            return false;
        }
        m_description = spotPlacement->description();
        // Rooms and spots may have moved under the fog.
        showDungeonToPlayers();
    }
    spotPlacement->hide();
    spotPlacement->deleteLater();
    spotPlacement = nullptr;
    placeSpots(m_description.spots);
    Picture1->setFocus();
    return true;
}

void frmEditableDungeon1::showBuiltInMap()
{
    if (mapView) {
        mapView->setPicture({}, {}, {});
        mapView->hide();
    }
    for (int n = 1; n <= SpotCount; ++n) {
        Label *spot = lblEncounter[n - 1];
        spot->setStyleSheet(QString());
        spot->setText(QString());
        spot->setGeometry(Map::Spots[n - 1]);
        spot->show();
    }
}

// --- Party markers and clearing the board ----------------------------------

void frmEditableDungeon1::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x,
                                             float y)
{
    // The marker's top-left corner lands on the press point, unclamped.
    moveMarker(markerToMove(), {QPointF(x, y).toPoint(), std::nullopt});
}

// Each move is a step of the board's undo, on either kind of map.
void frmEditableDungeon1::moveMarker(int index, const MarkerPlace &to)
{
    undoStack->push(new BoardCommand(tr("Move marker"), [this, index, to] { putMarker(index, to); },
                                     [this, index, from = markerPlace(index)] { putMarker(index, from); }));
}

frmEditableDungeon1::MarkerPlace frmEditableDungeon1::markerPlace(int index) const
{
    return {Label1[index]->pos(), mapView ? mapView->place(Label1[index]) : std::nullopt};
}

void frmEditableDungeon1::putMarker(int index, const MarkerPlace &place)
{
    Label *marker = Label1[index];
    if (place.onMap && mapView && !mapView->isHidden()) {
        mapView->pin(marker, *place.onMap, MapView::Anchor::TopLeft);
    } else {
        if (mapView)
            mapView->unpin(marker);
        marker->move(place.inBox);
    }
    // Pinned again where it stood on the box, it does not move there.
    players->moveMarker(index, markerOnMap(index));
}

int frmEditableDungeon1::markerToMove() const
{
    // Read from the last option to the first, so that should several read
    // as selected the lowest-numbered one wins; with none, marker 0 moves.
    int index = 0;
    for (int k = MarkerCount - 1; k >= 0; --k) {
        if (Option[k]->isChecked())
            index = k;
    }
    return index;
}

void frmEditableDungeon1::moveMarkerOffMap(Label *marker)
{
    if (mapView)
        mapView->unpin(marker);
    marker->move(marker->x(), MarkerClearedTop);
}

// Clear is a step of the board's undo: Ctrl+Z brings back what it emptied.
void frmEditableDungeon1::cmdClear_Click()
{
    undoStack->push(new BoardCommand(tr("Clear"), [this] { clearBoard(); },
                                     [this, before = boardContents()] { restoreBoard(before); }));
}

void frmEditableDungeon1::clearBoard()
{
    for (QLineEdit *cell : Text1)
        cell->setText(QString());
    RichTextBox1[0]->setText(QString());
    RichTextBox1[1]->setText(QString());
    for (QLineEdit *name : Text4)
        name->setText(QString());
    for (Label *marker : Label1)
        moveMarkerOffMap(marker);
    cmdEdit->setEnabled(false);
    Text2->setText(QString());
}

frmEditableDungeon1::BoardContents frmEditableDungeon1::boardContents() const
{
    BoardContents contents;
    contents.encounterNumber = Text2->text();
    for (int i = 0; i < int(Text1.size()); ++i)
        contents.cells[i] = Text1[i]->text();
    contents.details = Rtf::write(RichTextBox1[0]->document());
    contents.notes = Rtf::write(RichTextBox1[1]->document());
    for (int k = 0; k < int(Text4.size()); ++k)
        contents.names[k] = Text4[k]->text();
    for (int k = 0; k < MarkerCount; ++k)
        contents.markers[k] = markerPlace(k);
    contents.editEnabled = cmdEdit->isEnabled();
    return contents;
}

void frmEditableDungeon1::restoreBoard(const BoardContents &contents)
{
    Text2->setText(contents.encounterNumber);
    for (int i = 0; i < int(Text1.size()); ++i) {
        Text1[i]->setText(contents.cells[i]);
        Text1[i]->setCursorPosition(0);
    }
    RichTextBox1[0]->loadRtf(contents.details);
    RichTextBox1[1]->loadRtf(contents.notes);
    for (int k = 0; k < int(Text4.size()); ++k)
        Text4[k]->setText(contents.names[k]);
    for (int k = 0; k < MarkerCount; ++k)
        putMarker(k, contents.markers[k]);
    cmdEdit->setEnabled(contents.editEnabled);
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
    Module1::DungeonNumber = qint16(m_dungeonNumber);
    Module1::EncounterNumber = Storage::encounterNumber(Text2->text());
    Module1::EditorWindow->show();
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
        // Where the screen has no room beside the board: over the party
        // roster, so that the marks on the map, the encounter shown, the
        // notes and the Edit button stay in view.
        findWindow->placeBeside(window(), {576, 408, 409, 182});
    }
    findWindow->start();
}

// --- What the players see ------------------------------------------------------

void frmEditableDungeon1::setupPlayerTable()
{
    players = new PlayerTable(window());
    for (Label *marker : Label1)
        marker->installEventFilter(this);
    showDungeonToPlayers();
}

// The players' screen of the dungeon on display: its map, the rooms outlined
// in its description (without one a reveal uncovers a circle about the spot),
// and what was revealed before, from its table file.
void frmEditableDungeon1::showDungeonToPlayers()
{
    // The board's undo steps and outlines belong to the fog shown before.
    undoStack->clear();
    delete roomOutlines;

    const bool ownMap = mapView && !mapView->isHidden();
    QHash<int, QPolygonF> rooms;
    QHash<int, QPointF> spotCentres;
    if (ownMap) {
        for (auto spot = m_description.spots.cbegin(); spot != m_description.spots.cend(); ++spot)
            spotCentres.insert(spot.key(), spot.value());
    } else {
        for (int n = 1; n <= SpotCount; ++n)
            spotCentres.insert(n, QRectF(Map::Spots[n - 1]).center());
    }
    // Outlines drawn on a map of the dungeon's own mean nothing on the built-in one.
    if (ownMap == m_description.hasOwnMap()) {
        for (auto room = m_description.rooms.cbegin(); room != m_description.rooms.cend(); ++room)
            rooms.insert(room.key(), room.value());
    }
    auto fog = new Fog(rooms, spotCentres, RevealRadius);

    const QString dungeonFolder = Storage::dungeonFolder(Storage::programFolder(), m_dungeonNumber);
    std::function<QImage()> makeMap = playerMapPicture;
    QSize mapSize = Dungeon::BuiltInMapSize;
    if (ownMap) {
        makeMap = [path = Dungeon::mapPath(dungeonFolder, m_description)] {
            return Dungeon::readMapPicture(path).image;
        };
        mapSize = mapView->pictureSize();
    }
    QList<PartyMarker> markers;
    for (int k = 0; k < MarkerCount; ++k)
        markers.append({QRectF(), QColor::fromRgb(Party[k].colour)});
    players->setDungeon(makeMap, mapSize, fog, markers);
    for (int k = 0; k < MarkerCount; ++k)
        players->moveMarker(k, markerOnMap(k));

    const QString tableFile = TableFile::path(dungeonFolder);
    if (const QString error = fog->load(tableFile); !error.isEmpty()) {
        report(tr("The players' view cannot read %1: %2.\nIt starts with every room hidden, and "
                  "the file is left as it is: what you reveal is not kept until it is repaired or "
                  "removed.").arg(QDir::toNativeSeparators(tableFile), error));
    }
    connect(fog, &Fog::saveFailed, this, &frmEditableDungeon1::report);
    connect(fog, &Fog::changed, this, &frmEditableDungeon1::showRoomOutlines);
    showRoomOutlines();
}

// Where a marker lies on the map the players see, in map pixels. On a map of
// the dungeon's own a marker keeps the size it has on the fitted map.
QRectF frmEditableDungeon1::markerOnMap(int index) const
{
    Label *marker = Label1[index];
    if (!mapView || mapView->isHidden())
        return QRectF(marker->geometry());
    const QSize picture = mapView->pictureSize();
    const QSize fitted = picture.scaled(mapView->size(), Qt::KeepAspectRatio);
    const qreal mapPixelsPerPixel = fitted.isEmpty() ? 1 : qreal(picture.width()) / fitted.width();
    const QSizeF size = QSizeF(marker->size()) * mapPixelsPerPixel;
    const std::optional<QPointF> place = mapView->place(marker);
    return QRectF(place ? *place : QPointF(0, picture.height()), size);
}

// The players' screen follows every move of a marker, whoever makes it.
bool frmEditableDungeon1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move && players) {
        const auto marker = std::find(Label1.begin(), Label1.end(), watched);
        if (marker != Label1.end()) {
            const int index = int(marker - Label1.begin());
            players->moveMarker(index, markerOnMap(index));
        }
    }
    return Form::eventFilter(watched, event);
}

void frmEditableDungeon1::changeFog(const FogState &next, const QString &text)
{
    if (next != players->fog()->state())
        undoStack->push(players->fog()->change(next, text));
}

void frmEditableDungeon1::revealRoom()
{
    if (const int spot = encounterOnDisplay())
        changeFog(players->fog()->state().revealing(spot), tr("Reveal room %1").arg(spot));
}

void frmEditableDungeon1::hideRoom()
{
    if (const int spot = encounterOnDisplay())
        changeFog(players->fog()->state().hiding(spot), tr("Hide room %1").arg(spot));
}

void frmEditableDungeon1::hideAllRooms()
{
    if (players->fog()->state().revealed.isEmpty())
        return;
    if (QMessageBox::question(window(), tr("Hide every room"),
                              tr("Hide every room from the players?"))
        == QMessageBox::Yes)
        changeFog({}, tr("Hide every room"));
}

void frmEditableDungeon1::showRoomOutlines()
{
    if (roomOutlines || players->fog()->state().revealed.isEmpty())
        return;
    roomOutlines = new RoomOutlines(players->fog(), Picture1->client());
    roomOutlines->stackUnder(Label1[0]); // above a map of the dungeon's own, behind the markers
    if (mapView && !mapView->isHidden()) {
        const auto follow = [this] { roomOutlines->setMapTransform(mapView->mapToView()); };
        connect(mapView, &MapView::viewChanged, roomOutlines, follow);
        follow();
    }
}

// Told without stopping the game: the board goes on while the message shows.
void frmEditableDungeon1::report(const QString &message)
{
    auto box = new QMessageBox(QMessageBox::Warning, tr("Players' view"), message, QMessageBox::Ok,
                               window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, box, [box] { box->open(); });
}

// --- The fight ------------------------------------------------------------------

// Hands the table as shown, not as stored, and the characters as named.
void frmEditableDungeon1::addToFight()
{
    EncounterOnDisplay encounter;
    encounter.number = encounterOnDisplay();
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
