#pragma once

#include "kit/form.h"
#include "kit/module1.h"
#include "kit/monstertable.h"
#include "session/sessionfile.h"
#include "storage/encounterfiles.h"

#include <QPointer>

#include <array>

class BoardClearing;
class BoardMap;
class BoardMenu;
class BoardSession;
class CommandButton;
class CurrentDungeon;
class DungeonChoice;
class MapExport;
class DungeonExchange;
class EncounterNavigation;
class Label;
class PartyMarkers;
class PictureBox;
class PlayerTable;
class PlayersSide;
class QLineEdit;
class QRadioButton;
class QUndoStack;
class RichTextBox;
class SaveFollower;

// The dungeon window, the start-up window: the map with its forty encounter
// spots and seven party markers; beside it the encounter on display, the
// party roster, the game master's notes and the Edit, Clear and Close buttons.
// The window lays out the controls and handles their events; the map, the
// markers, Clear, the players' side and following saves are classes of their
// own that it wires together.
class frmEditableDungeon1 : public Form
{
    Q_OBJECT

public:
    static constexpr int SpotCount = Module1::SpotCount;
    static constexpr int MarkerCount = 7;

    static frmEditableDungeon1 &instance();

    void showEncounter(int number) override { lblEncounter_Click(number); }
    // After the editor saved: a board loaded afresh shows the editor's
    // dungeon and the saved encounter; a board showing another dungeon keeps
    // what it shows.
    void showSavedEncounter(int dungeonNumber, int number) override;

    // Makes dungeon `number` (1 to 999) the dungeon on display, with its own
    // map and spots when its dungeon.json gives them, else with the built-in
    // map: no encounter on display and the markers off the map, the names
    // and notes kept. A description that cannot be read is reported, and the
    // built-in map used.
    void openDungeon(int number);
    int dungeonOnDisplay() const;
    // Spot placement on the dungeon on display, as after Ctrl+N.
    void placeSpots();

    // Where the game master left off: the dungeon on display, the names, the
    // notes and the markers; and back again.
    Session leftOff() const;
    void resume(const Session &session);

    // What the players' screen shows of the board, while the window is loaded.
    PlayerTable *playerTable() const;

signals:
    // F5: the players' screen is to be shown, or hidden when it is shown.
    void playerViewToggled();
    // Shift+F5: the players' view's choices, offered on the board.
    void playerViewChoicesRequested();
    // Ctrl+F5: "What the players see" is to be shown, or hidden when it is shown.
    void playersPreviewToggled();
    // The names, the notes or a marker changed.
    void sessionChanged();
    // Ctrl+Shift+R: "Resume where you left off".
    void resumeRequested();

protected:
    void setupUi(QWidget *window) override;
    void Form_Load() override;
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    frmEditableDungeon1() = default;

    // Selects and shows encounter spot `number` (1 to 40), as a click on it does.
    void lblEncounter_Click(int number);
    void miniclear();
    void LoadEncounter();
    Storage::EncounterFiles filesOnDisplay() const;
    void showSaved(const Storage::SavedEncounter &encounter);
    void showNewSave();
    void cmdEdit_Click();
    void cmdClose_Click();
    void cmdClear_Click();
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

    void setupMap(QWidget *window);
    void setupEncounterDisplay(QWidget *window);
    void setupRoster(QWidget *window);
    void setupButtons(QWidget *window);
    void setupTabOrder();
    void setupShortcuts(QWidget *window);
    void setupJobs(QWidget *window);

    CurrentDungeon *dungeon() const { return Module1::DungeonOnDisplay; }
    // Shows the dungeon on display after it changed; `fresh` on a window
    // just loaded, whose markers stand where the layout puts them.
    void showDungeon(bool fresh = false);
    void emptyEncounterDisplay();
    void tellWhatCannotBeRead();

    // Adds the encounter on display and the named characters to the fight (Ctrl+T).
    void addToFight();

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

    // The jobs the window wires, made with its controls.
    QUndoStack *undoStack = nullptr; // what the board itself changed, for Ctrl+Z and Ctrl+Y
    PartyMarkers *markers = nullptr;
    BoardClearing *clearing = nullptr;
    BoardMap *map = nullptr;
    BoardMenu *boardMenu = nullptr;
    PlayersSide *players = nullptr;
    DungeonChoice *choice = nullptr;
    MapExport *mapExport = nullptr;
    DungeonExchange *exchange = nullptr;
    SaveFollower *saves = nullptr;
    BoardSession *session = nullptr;
    EncounterNavigation *navigation = nullptr;
    Storage::Version m_versionShown;
    QMetaObject::Connection followDungeon; // while loaded
};
