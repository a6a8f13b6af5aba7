#include "combattracker.h"

#include "combatantsmodel.h"
#include "combatantsview.h"
#include "fightlogbox.h"
#include "trackerplace.h"
#include "current/currentdungeon.h"
#include "fight/dice.h"
#include "kit/module1.h"
#include "kit/theme.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QRandomGenerator>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int DiceLogLength = 50;

QLabel *errorLabel(QWidget *parent, const QString &name)
{
    auto label = new QLabel(parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(176, 0, 32));
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QString &toolTip)
{
    auto pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    pushButton->setToolTip(toolTip);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

CombatTracker &CombatTracker::instance()
{
    // Created on first use and never destroyed, like every form.
    static auto *const form = new CombatTracker;
    return *form;
}

CombatTracker::CombatTracker() : m_fight(Module1::DungeonOnDisplay->fight())
{
}

QString CombatTracker::fightFile()
{
    return Module1::DungeonOnDisplay->folder() + QStringLiteral("/fight.json");
}

bool CombatTracker::fightGoingOn()
{
    QFile file(fightFile());
    return file.open(QIODevice::ReadOnly)
           && !QJsonDocument::fromJson(file.readAll()).object().value(u"combatants").toArray().isEmpty();
}

void CombatTracker::joinFight(const EncounterOnDisplay &encounter)
{
    load();
    openFightOfDungeon();
    if (m_fight.state().encounters.contains(encounter.number)) {
        report(tr("Encounter %1 is in the fight already.").arg(encounter.number));
    } else if (!m_fight.addEncounter(encounter.number, encounter.cells, encounter.characters,
                                     *QRandomGenerator::system())) {
        report(encounter.characters.isEmpty()
                       ? tr("Nobody to add: name the characters on the board first.")
                       : tr("Nobody to add: every character named on the board is in the fight."));
    } else if (encounter.number > 0) {
        report(tr("Encounter %1 joined the fight.").arg(encounter.number));
    }
    show();
}

PlayersOrder CombatTracker::orderForPlayers() const
{
    if (!isLoaded())
        return {};
    return {m_showOrderToPlayers ? playersOrder(m_fight.state()) : QList<PlayersEntry>(),
            m_showCounterToPlayers ? turnCounter(m_fight.state()) : QString()};
}

void CombatTracker::setShowOrderToPlayers(bool show)
{
    if (isLoaded())
        showOrderToPlayers->setChecked(show); // tells the players' view
    else
        m_showOrderToPlayers = show;
}

// --- Building the window --------------------------------------------------------

void CombatTracker::setupUi(QWidget *window)
{
    window->setObjectName(QStringLiteral("CombatTracker"));
    window->setWindowTitle(tr("Combat"));
    window->setWindowFlag(Qt::Window);
    window->resize(800, 660);
    window->setMinimumSize(600, 440);

    auto page = new QVBoxLayout(window);
    setupTurnBar(window, page);
    setupTable(window, page);
    setupHitPointsAndDice(window, page);
    setupFooter(window, page);
    setupShortcuts(window);
    Theme::darkAction(window);

    connect(&m_fight, &Fight::changed, window, [this] {
        showFight();
        emit playersOrderChanged();
    });
    connect(Module1::DungeonOnDisplay, &CurrentDungeon::changed, window, [this] {
        openFightOfDungeon();
        showFight();
        emit playersOrderChanged();
    });
    // Closing the window takes the order off the players' view; it is unloaded by then.
    connect(window, &QObject::destroyed, this, &CombatTracker::playersOrderChanged);
    combatants->setFocus();
}

void CombatTracker::setupTurnBar(QWidget *window, QVBoxLayout *page)
{
    auto bar = new QHBoxLayout;
    turn = new QLabel(window);
    turn->setObjectName(QStringLiteral("turn"));
    QFont font = turn->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    turn->setFont(font);
    next = button(window, QStringLiteral("next"), tr("Next"), tr("Pass the turn (Space)"));
    undo = button(window, QStringLiteral("undo"), tr("Undo"), tr("Undo the last change (Ctrl+Z)"));
    redo = button(window, QStringLiteral("redo"), tr("Redo"), tr("Redo what was undone (Ctrl+Y)"));
    next->setDefault(false);
    bar->addWidget(turn, 1);
    bar->addWidget(undo);
    bar->addWidget(redo);
    bar->addSpacing(12);
    bar->addWidget(next);
    page->addLayout(bar);

    connect(next, &QPushButton::clicked, &m_fight, &Fight::nextTurn);
    connect(undo, &QPushButton::clicked, &m_fight, &Fight::undo);
    connect(redo, &QPushButton::clicked, &m_fight, &Fight::redo);
}

void CombatTracker::setupTable(QWidget *window, QVBoxLayout *page)
{
    model = new CombatantsModel(&m_fight, window);
    combatants = new CombatantsView(window);
    combatants->setObjectName(QStringLiteral("combatants"));
    combatants->setModel(model);
    combatants->setAlternatingRowColors(true);
    combatants->setWordWrap(false);
    combatants->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    combatants->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView *header = combatants->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(CombatantsModel::Conditions, QHeaderView::Stretch);
    const int widths[] = {70, 190, 50, 90, 90};
    for (int column = 0; column < CombatantsModel::Conditions; ++column)
        header->resizeSection(column, widths[column]);
    combatants->verticalHeader()->setDefaultSectionSize(combatants->fontMetrics().height() + 10);
    combatants->verticalHeader()->setMinimumWidth(combatants->fontMetrics().horizontalAdvance(u'\u25B6') + 12);
    page->addWidget(combatants, 1);
    cellError = errorLabel(window, QStringLiteral("cellError"));
    page->addWidget(cellError);
    connect(combatants->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CombatTracker::showSelected);
    connect(combatants, &CombatantsView::hitPointsTyped, this, &CombatTracker::typeHitPoints);
    connect(combatants, &CombatantsView::removeRequested, this, &CombatTracker::removeSelected);
    connect(model, &CombatantsModel::refused, this, &CombatTracker::showRefusal);
}

void CombatTracker::setupHitPointsAndDice(QWidget *window, QVBoxLayout *page)
{
    auto row = new QHBoxLayout;

    auto hitPoints = new QGroupBox(tr("Hit points"), window);
    auto hitPointsLayout = new QVBoxLayout(hitPoints);
    selected = new QLabel(hitPoints);
    selected->setObjectName(QStringLiteral("selected"));
    hitPointsLayout->addWidget(selected);
    hpChange = new QLineEdit(hitPoints);
    hpChange->setObjectName(QStringLiteral("hpChange"));
    hpChange->setPlaceholderText(tr("7 or -7 damage, +7 healing, then Enter"));
    hpChange->setClearButtonEnabled(true);
    hpError = errorLabel(hitPoints, QStringLiteral("hpError"));
    hiddenFromPlayers = new QCheckBox(tr("Hidden from the players"), hitPoints);
    hiddenFromPlayers->setObjectName(QStringLiteral("hiddenFromPlayers"));
    hiddenFromPlayers->setToolTip(tr("Leave this monster out of the order on the players' view"));
    hitPointsLayout->addWidget(hpChange);
    hitPointsLayout->addWidget(hpError);
    hitPointsLayout->addWidget(hiddenFromPlayers, 0, Qt::AlignLeft);
    hitPointsLayout->addStretch();
    connect(hpChange, &QLineEdit::returnPressed, this, &CombatTracker::applyHitPointChange);
    // Only the game master's click changes the fight, not showing another combatant.
    connect(hiddenFromPlayers, &QCheckBox::clicked, this, &CombatTracker::hideSelectedFromPlayers);

    auto dice = new QGroupBox(tr("Dice"), window);
    auto diceLayout = new QGridLayout(dice);
    diceExpression = new QLineEdit(dice);
    diceExpression->setObjectName(QStringLiteral("diceExpression"));
    diceExpression->setPlaceholderText(tr("d20, 3d6+2, 4d6kh3, d%"));
    auto roll = button(dice, QStringLiteral("roll"), tr("Roll"), tr("Roll the dice (Enter)"));
    diceError = errorLabel(dice, QStringLiteral("diceError"));
    diceLog = new QListWidget(dice);
    diceLog->setObjectName(QStringLiteral("diceLog"));
    diceLog->setFocusPolicy(Qt::NoFocus);
    diceLog->setFixedHeight(diceLog->fontMetrics().height() * 4 + 8);
    diceLayout->addWidget(diceExpression, 0, 0);
    diceLayout->addWidget(roll, 0, 1);
    diceLayout->addWidget(diceError, 1, 0, 1, 2);
    diceLayout->addWidget(diceLog, 2, 0, 1, 2);
    connect(diceExpression, &QLineEdit::returnPressed, this, &CombatTracker::rollDice);
    connect(roll, &QPushButton::clicked, this, &CombatTracker::rollDice);

    hitPoints->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    dice->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    row->addWidget(hitPoints, 1, Qt::AlignTop);
    row->addWidget(dice, 1, Qt::AlignTop);
    page->addLayout(row);
    fightLog = new FightLogBox(window);
    page->addWidget(fightLog);
}

void CombatTracker::setupFooter(QWidget *window, QVBoxLayout *page)
{
    auto footer = new QHBoxLayout;
    status = new QLabel(window);
    status->setObjectName(QStringLiteral("status"));
    status->setWordWrap(true);
    endFightButton = button(window, QStringLiteral("endFight"), tr("End fight"),
                            tr("Remove every combatant, after asking"));
    showOrderToPlayers = new QCheckBox(tr("Show the order on the players' view"), window);
    showOrderToPlayers->setObjectName(QStringLiteral("showOrderToPlayers"));
    showOrderToPlayers->setToolTip(tr("Names, the turn and each monster's health as a word; never numbers"));
    showOrderToPlayers->setChecked(m_showOrderToPlayers);
    showCounterToPlayers = new QCheckBox(tr("Show the round and turn"), window);
    showCounterToPlayers->setObjectName(QStringLiteral("showCounterToPlayers"));
    showCounterToPlayers->setToolTip(tr("\"Round 3 \u00B7 Brakka\" on the players' view"));
    showCounterToPlayers->setChecked(m_showCounterToPlayers);
    footer->addWidget(status, 1);
    footer->addWidget(showOrderToPlayers);
    footer->addWidget(showCounterToPlayers);
    footer->addWidget(endFightButton);
    page->addLayout(footer);
    connect(endFightButton, &QPushButton::clicked, this, &CombatTracker::endFight);
    connect(showOrderToPlayers, &QCheckBox::toggled, this, [this](bool on) {
        m_showOrderToPlayers = on;
        emit playersOrderChanged();
    });
    connect(showCounterToPlayers, &QCheckBox::toggled, this, [this](bool on) {
        m_showCounterToPlayers = on;
        emit playersOrderChanged();
    });
}

// Space passes the turn except where it is typed: the text boxes and the
// table's cell editor take their keys before the window's shortcuts.
void CombatTracker::setupShortcuts(QWidget *window)
{
    const auto add = [this, window](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, window), &QShortcut::activated, &m_fight, slot);
    };
    add(Qt::Key_Space, &Fight::nextTurn);
    add(QKeySequence::Undo, &Fight::undo);
    add(QKeySequence(Qt::CTRL | Qt::Key_Y), &Fight::redo);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &Fight::redo);
}

void CombatTracker::Form_Load()
{
    TrackerPlace::place(window(), Module1::DungeonWindow ? Module1::DungeonWindow->window() : nullptr);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, window(), [this] { TrackerPlace::remember(window()); });
    openFightOfDungeon();
    showFight();
    if (combatants->model()->rowCount() > 0)
        combatants->selectRow(0);
}

// The file may change while the window is closed: the next load reads it again.
void CombatTracker::Form_Unload()
{
    TrackerPlace::remember(window());
    m_fightFile.clear();
}

// --- The fight on screen ----------------------------------------------------------

void CombatTracker::openFightOfDungeon()
{
    const QString file = fightFile();
    if (file == m_fightFile)
        return;
    m_fightFile = file;
    // Opened with the dungeon, and read again since it may have changed
    // while the window was closed; a damaged file was set aside the first time.
    const QString reopened = m_fight.open(file).message;
    m_openingReport = reopened.isEmpty() ? Module1::DungeonOnDisplay->fightProblem() : reopened;
    m_report.clear();
}

void CombatTracker::showFight()
{
    if (!window())
        return;
    const FightState &state = m_fight.state();
    const Combatant *current = state.combatant(state.currentId);
    if (state.combatants.isEmpty())
        turn->setText(tr("No fight: Ctrl+T on the board adds the encounter on display"));
    else if (!current)
        turn->setText(tr("Ready: type the characters' initiative, then Next"));
    else
        turn->setText(tr("Round %1 \u2014 %2's turn").arg(QString::number(state.round), current->name));

    undo->setEnabled(m_fight.canUndo());
    redo->setEnabled(m_fight.canRedo());
    next->setEnabled(!state.combatants.isEmpty());
    endFightButton->setEnabled(!state.combatants.isEmpty());
    showSelected();
    // Clearing an empty label would lay the whole window out again.
    if (!cellError->text().isEmpty())
        cellError->clear();
    fightLog->showLog(state.log);
    const Storage::WriteResult &save = m_fight.lastSave();
    status->setText(save.ok() ? QStringList{m_openingReport, m_report}.join(u' ').trimmed() : save.message());
}

void CombatTracker::report(const QString &message)
{
    m_report = message;
    showFight();
}

void CombatTracker::showSelected()
{
    const Combatant *combatant = m_fight.state().combatant(selectedId());
    if (!combatant)
        selected->setText(tr("Select a combatant in the list."));
    else if (combatant->maximumHitPoints == 0)
        selected->setText(tr("%1: hit points not known; type them in the HP column.").arg(combatant->name));
    else
        selected->setText(tr("%1: %2 of %3").arg(combatant->name, QString::number(combatant->hitPoints),
                                                 QString::number(combatant->maximumHitPoints)));
    // The characters sit at the table: the players know them.
    hiddenFromPlayers->setEnabled(combatant && combatant->side == Combatant::Side::Monster);
    hiddenFromPlayers->setChecked(combatant && combatant->hiddenFromPlayers);
}

void CombatTracker::hideSelectedFromPlayers(bool hidden)
{
    if (const int id = selectedId())
        m_fight.setHiddenFromPlayers(id, hidden);
}

int CombatTracker::selectedId() const
{
    const QList<int> ids = combatants->selectedIds();
    return ids.isEmpty() ? 0 : ids.first();
}

// A number typed in the list goes on in the hit point box.
void CombatTracker::typeHitPoints(const QString &text)
{
    hpChange->setText(text);
    hpChange->setFocus();
}

void CombatTracker::applyHitPointChange()
{
    const QList<int> ids = combatants->selectedIds();
    const TypedNumber change = parseHitPointChange(hpChange->text());
    if (ids.isEmpty()) {
        hpError->setText(tr("Select a combatant first."));
    } else if (!change.ok()) {
        hpError->setText(change.error);
    } else if (std::all_of(ids.begin(), ids.end(), [this](int id) {
                   return m_fight.state().combatant(id)->maximumHitPoints == 0;
               })) {
        // Characters' hit points are the players' to keep, unless typed in.
        hpError->setText(tr("Hit points not known: type them in the HP column first."));
    } else {
        if (!hpError->text().isEmpty())
            hpError->clear();
        hpChange->clear();
        m_fight.changeHitPoints(ids, change.value);
        // Back to the list, so that the next number typed is the next damage.
        combatants->setFocus();
    }
}

void CombatTracker::removeSelected()
{
    const QList<int> ids = combatants->selectedIds();
    const int row = combatants->currentIndex().row();
    m_fight.remove(ids);
    if (!ids.isEmpty())
        combatants->selectRow(std::min(row, model->rowCount() - 1));
}

// Said at the cell and under the list, until the next change.
void CombatTracker::showRefusal(const QModelIndex &index, const QString &reason)
{
    cellError->setText(reason);
    QToolTip::showText(combatants->viewport()->mapToGlobal(combatants->visualRect(index).bottomLeft()), reason,
                       combatants);
}

void CombatTracker::rollDice()
{
    const Dice::Parsed parsed = Dice::parse(diceExpression->text());
    diceError->setText(parsed.error);
    if (!parsed.ok())
        return;
    const Dice::Roll roll = Dice::roll(diceExpression->text(), parsed.expression, *QRandomGenerator::system());
    diceLog->insertItem(0, roll.text());
    delete diceLog->takeItem(DiceLogLength);
    diceLog->setCurrentRow(0);
    diceExpression->selectAll();
}

void CombatTracker::endFight()
{
    const auto answer = QMessageBox::question(window(), tr("End fight"),
                                              tr("End the fight and remove every combatant? Undo brings it back."),
                                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        m_fight.end();
}
