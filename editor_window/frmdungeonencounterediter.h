#pragma once

#include "kit/form.h"
#include "kit/monstertable.h"
#include "storage/encounterfiles.h"

#include <array>

class CommandButton;
class Label;
class QLineEdit;
class RichTextBox;

// The encounter editor: one encounter's details and monster table, saved by
// OK and discarded by Cancel or the close box.
class frmDungeonEncounterEditer : public Form
{
    Q_OBJECT

public:
    static frmDungeonEncounterEditer &instance();

protected:
    void setupUi(QWidget *window) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    frmDungeonEncounterEditer() = default;

    void cmdOK_Click();
    void cmdCancel_Click();

    void setupMonsterTable(QWidget *window);
    void setupTabOrder();
    bool userAllowsReplace();
    // Writes both files of the encounter; false when the user keeps a save
    // made elsewhere, or, after telling the user what could not be saved,
    // when a write fails.
    bool saveEncounter();

    std::array<Label *, 6> Label2{};
    RichTextBox *RichTextBoxEdit = nullptr;
    MonsterCells Text1{};                // the monster table, 10 x column + row
    Label *Label1 = nullptr;
    QLineEdit *Text2 = nullptr;          // the number of the encounter being edited
    CommandButton *cmdCancel = nullptr;
    CommandButton *cmdOK = nullptr;

    // The dungeon of the encounter, taken when it loads: the board may show
    // another dungeon before OK.
    qint16 m_dungeonNumber = 0;
    // The save the editor works on: the one Form_Load read, then its own.
    Storage::Version m_versionRead;
};
