#pragma once

#include "kit/form.h"
#include "kit/module1.h"
#include "dungeon/dungeondescription.h"
#include "kit/monstertable.h"
#include "storage/encounterfiles.h"
#include "fog/fogstate.h"

#include <QMap>
#include <QPointF>

#include <QPointer>

#include <array>
#include <optional>

namespace Dungeon { struct MapPicture; }

class CommandButton;
class MapView;
class SpotPlacement;
class FindWindow;
class Label;
class PictureBox;
class QFileSystemWatcher;
class PlayerTable;
class QLineEdit;
class QRadioButton;
class QUndoStack;
class RichTextBox;
class RoomOutlines;

// The dungeon window, the start-up window: the map with its forty encounter
// spots and seven party markers; beside it the encounter on display, the
// party roster, the game master's notes and the Edit, Clear and Close buttons.
class frmEditableDungeon1 : public Form
{
    Q_OBJECT

public:
    static constexpr int SpotCount = Module1::SpotCount;
    static constexpr int MarkerCount = 7;

    static frmEditableDungeon1 &instance();

    void showEncounter(int number) override { lblEncounter_Click(number); }

    // Shows dungeon `number` (1 to 999) with its own map and spots when its
    // dungeon.json gives them, else with the built-in map: no encounter on
    // display and the markers off the map, the names and notes kept. A
    // description that cannot be read is reported, and the built-in map used.
    void openDungeon(int number);
    int dungeonOnDisplay() const { return m_dungeonNumber; }

    // What the players' screen shows of the board, while the window is loaded.
    PlayerTable *playerTable() const { return players; }

signals:
    // F5: the players' screen is to be shown, or hidden when it is shown.
    void playerViewToggled();

protected:
    void setupUi(QWidget *window) override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Form_Unload() override;

private:
    frmEditableDungeon1() = default;

    // Selects and shows encounter spot `number` (1 to 40), as a click on it does.
    void lblEncounter_Click(int number);
    void miniclear();
    void LoadEncounter();
    Storage::EncounterFiles filesOnDisplay() const;
    void showSaved(const Storage::SavedEncounter &encounter);
    void followSaves(const QString &dungeonFolder);
    void showNewSave();
    void cmdEdit_Click();
    void cmdClose_Click();
    void cmdClear_Click();
    // Where a marker stands: on a map of the dungeon's own, its place of
    // the map; otherwise, or while it is off the map, its place in the box.
    struct MarkerPlace
    {
        QPoint inBox;
        std::optional<QPointF> onMap;
    };
    MarkerPlace markerPlace(int index) const;
    void putMarker(int index, const MarkerPlace &place);
    void moveMarker(int index, const MarkerPlace &to);
    // What Clear empties, kept so that undoing Clear brings it back.
    struct BoardContents
    {
        QString encounterNumber;
        std::array<QString, EncounterShape::CellCount> cells;
        QByteArray details, notes; // as RTF
        std::array<QString, 6> names;
        std::array<MarkerPlace, MarkerCount> markers;
        bool editEnabled;
    };
    BoardContents boardContents() const;
    void restoreBoard(const BoardContents &contents);
    void clearBoard();
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

    void setupMap(QWidget *window);
    void setupEncounterDisplay(QWidget *window);
    void setupRoster(QWidget *window);
    void setupButtons(QWidget *window);
    void setupTabOrder();
    void setupShortcuts(QWidget *window);

    void showOwnMap(const Dungeon::MapPicture &picture, const QString &path,
                    const QMap<int, QPointF> &spots);
    void showBuiltInMap();
    int markerToMove() const;
    void moveMarkerOffMap(Label *marker);

    // The keyboard's ways to an encounter, each showing it as a click on its spot does.
    int encounterOnDisplay() const; // 0 with none
    void showNeighbour(int step);   // the next (1) or previous (-1), wrapping around
    void goToEncounter();
    void findEncounter();
    // Adds the encounter on display and the characters to the fight (Ctrl+T).
    void addToFight();

    // Ctrl+O and Ctrl+N.
    void chooseDungeon();
    void newDungeonFromPicture();

    // Spot placement (Ctrl+Shift+L): entering it needs a map of the
    // dungeon's own and a description that could be read. Leaving it saves
    // dungeon.json, unless `save` is false; false when the save failed and
    // placement goes on.
    void enterSpotPlacement();
    bool leaveSpotPlacement(bool save = true);
    void placeSpots(const QMap<int, QPointF> &spots);

    // The rooms the players see, revealed by the encounter on display.
    void setupPlayerTable();
    void showDungeonToPlayers();
    QRectF markerOnMap(int index) const;
    void revealRoom();
    void hideRoom();
    void hideAllRooms();
    void changeFog(const FogState &next, const QString &text);
    void showRoomOutlines();
    void report(const QString &message);

    // The controls exist while the window is loaded; a member of a control
    // array is named after the array and its index, e.g. "Text1(13)".
    PictureBox *Picture1 = nullptr;
    std::array<Label *, SpotCount> lblEncounter{}; // lblEncounter[n - 1] is spot n
    std::array<Label *, MarkerCount> Label1{};     // the party markers
    std::array<Label *, 7> Label2{};               // the bold captions
    Label *Label4 = nullptr;
    QLineEdit *Text2 = nullptr;                    // the number of the encounter on display
    MonsterCells Text1{};                          // the monster table, 10 x column + row
    std::array<RichTextBox *, 2> RichTextBox1{};   // encounter details, notes
    std::array<QRadioButton *, MarkerCount> Option{}; // Option[k] is Option<k + 1>
    std::array<QLineEdit *, 6> Text4{};            // the character names
    QLineEdit *Text5 = nullptr;
    CommandButton *cmdEdit = nullptr;
    CommandButton *cmdClear = nullptr;
    CommandButton *cmdClose = nullptr;
    QPointer<FindWindow> findWindow; // created on first use, a child of the window
    QPointer<QFileSystemWatcher> m_saveWatch; // likewise
    Storage::Version m_versionShown;
    static constexpr int SaveSettlesMs = 50;
    QUndoStack *undoStack = nullptr; // what the board itself changed, for Ctrl+Z and Ctrl+Y
    PlayerTable *players = nullptr;  // the map, fog and markers the players see
    QPointer<RoomOutlines> roomOutlines; // created once a room is revealed
    MapView *mapView = nullptr; // made for the first map of a dungeon's own, hidden on the built-in map
    int m_dungeonNumber = 1;
    Dungeon::DungeonDescription m_description;
    bool m_descriptionReadable = true; // never rewritten when false
    QPointer<SpotPlacement> spotPlacement;
};
