#include "fight/dice.h"
#include "fight/fight.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// The fight without windows: dice, the hit point rules, order and turns,
// undo and redo, and the fight file.
class tst_Fight : public QObject
{
    Q_OBJECT

private slots:
    void dice_data();
    void dice();
    void hitPointsFromCell_data();
    void hitPointsFromCell();
    void hitPointChange_data();
    void hitPointChange();
    void newMaximum_data();
    void newMaximum();
    void removal();
    void encounterJoins();
    void turnsAndConditions();
    void undoRedo();
    void restoredFromFile();
    void damagedFileKeptAside_data();
    void damagedFileKeptAside();
    void playersOrder();
    void valuesAtTheirLimitsAreReadBack_data();
    void valuesAtTheirLimitsAreReadBack();
    void refusedByName_data();
    void refusedByName();
    void everyDamagedFileIsKept();
    void twoCopiesOnOneFile();
    void roundTrip();
    void namesHoldingPercentSigns();
};

namespace {

Storage::Cells table(const QList<QStringList> &rows)
{
    Storage::Cells cells;
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            cells[column * 10 + row] = rows[row][column];
    }
    return cells;
}

int idOf(const Fight &fight, const QString &name)
{
    for (const Combatant &c : fight.state().combatants) {
        if (c.name == name)
            return c.id;
    }
    return 0;
}

QStringList orderedNames(const FightState &state)
{
    QStringList names;
    for (int index : state.order())
        names.append(state.combatants[index].name);
    return names;
}

} // namespace

// The dice grammar: each notation accepted with its dice, the dice kept and
// its range, or refused with a word of why (lowest and highest 0).
void tst_Fight::dice_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<int>("dice");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("reached"); // a value 1000 rolls reach; the refusal's word otherwise
    QTest::addColumn<QString>("refusal");
    QTest::newRow("d20") << "d20" << 1 << 1 << 1 << 20 << 19 << "";
    QTest::newRow("3d6+2") << "3d6+2" << 3 << 3 << 5 << 20 << 0 << "";
    QTest::newRow("2d8-1") << "2d8-1" << 2 << 2 << 1 << 15 << 0 << "";
    QTest::newRow("keep highest") << "4d6kh3" << 4 << 3 << 3 << 18 << 0 << "";
    QTest::newRow("percent") << "d%" << 1 << 1 << 1 << 100 << 91 << "";
    QTest::newRow("capitals, spaces") << " 3D6 + 2 " << 3 << 3 << 5 << 20 << 0 << "";
    QTest::newRow("sum of dice") << "2d4+1d6" << 3 << 3 << 3 << 14 << 0 << "";
    QTest::newRow("dice, dice, number") << "1d8+2d6-1" << 3 << 3 << 2 << 19 << 0 << "";
    QTest::newRow("dice less dice") << "2d6 - 1d4" << 3 << 3 << -2 << 11 << 0 << "";
    QTest::newRow("keep lowest") << "4d6kl1" << 4 << 1 << 1 << 6 << 0 << "";
    QTest::newRow("drop lowest") << "4d6dl1" << 4 << 3 << 3 << 18 << 0 << "";
    QTest::newRow("drop highest") << "4d6DH1" << 4 << 3 << 3 << 18 << 0 << "";
    QTest::newRow("one side") << "1d1" << 1 << 1 << 1 << 1 << 0 << "";
    QTest::newRow("two of one side") << "2d1" << 2 << 2 << 2 << 2 << 0 << "";
    QTest::newRow("100 dice") << "60d6+40d4" << 100 << 100 << 100 << 520 << 0 << "";
    for (const char *wrong : {"", "d", "3d", "abc", "3d6+2x", "d20+", "4d6d1", "+d6", "5"})
        QTest::newRow(wrong) << QString::fromLatin1(wrong) << 0 << 0 << 0 << 0 << 0 << "e.g. ";
    QTest::newRow("no dice") << "0d6" << 0 << 0 << 0 << 0 << 0 << "at least one";
    QTest::newRow("no side") << "2d0" << 0 << 0 << 0 << 0 << 0 << "at least one";
    QTest::newRow("keep more than rolled") << "4d6kh5" << 0 << 0 << 0 << 0 << 0 << "Keep 1 to 4";
    QTest::newRow("keep none") << "4d6kh0" << 0 << 0 << 0 << 0 << 0 << "Keep 1 to 4";
    QTest::newRow("drop all") << "4d6dl4" << 0 << 0 << 0 << 0 << 0 << "Drop fewer";
    QTest::newRow("101 dice") << "101d6" << 0 << 0 << 0 << 0 << 0 << "too large";
    QTest::newRow("101 dice in two") << "60d6+41d4" << 0 << 0 << 0 << 0 << 0 << "at most 100";
    QTest::newRow("sides too large") << "d99999999999" << 0 << 0 << 0 << 0 << 0 << "too large";
    QTest::newRow("count too large") << "99999999999d6" << 0 << 0 << 0 << 0 << 0 << "too large";
    QTest::newRow("number too large") << "d20 + 99999999" << 0 << 0 << 0 << 0 << 0 << "too large";
    QTest::newRow("numbers too large") << "d20+6000+6000" << 0 << 0 << 0 << 0 << 0 << "too large";
}

void tst_Fight::dice()
{
    QFETCH(QString, notation);
    QFETCH(int, dice);
    QFETCH(int, kept);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, reached);
    QFETCH(QString, refusal);
    const Dice::Parsed parsed = Dice::parse(notation);
    if (!refusal.isEmpty()) {
        QVERIFY2(parsed.error.contains(refusal), qPrintable(parsed.error));
        return;
    }
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.expression.lowest(), lowest);
    QCOMPARE(parsed.expression.highest(), highest);
    // Every die at its lowest, then at its highest, totals the two ends of a sum.
    const QList<Dice::Term> &terms = parsed.expression.terms;
    if (std::all_of(terms.begin(), terms.end(), [](const Dice::Term &term) { return term.sign > 0; })) {
        QCOMPARE(Dice::roll(notation, parsed.expression, [](int) { return 1; }).total, lowest);
        QCOMPARE(Dice::roll(notation, parsed.expression, [](int sides) { return sides; }).total, highest);
    }

    int highestRolled = INT_MIN;
    for (quint32 seed = 1; seed <= 1000; ++seed) {
        QRandomGenerator generator(seed);
        const Dice::Roll roll = Dice::roll(notation, parsed.expression, generator);
        QCOMPARE(roll.dice.size(), dice);
        QCOMPARE(roll.kept.count(true), kept);
        QVERIFY(roll.total >= lowest && roll.total <= highest);
        highestRolled = std::max(highestRolled, roll.total);
        QVERIFY(roll.text().startsWith(notation.trimmed() + u':'));
        QVERIFY(roll.text().endsWith(QStringLiteral("= %1").arg(roll.total)));
        QRandomGenerator again(seed);
        QCOMPARE(Dice::roll(notation, parsed.expression, again).dice, roll.dice);
    }
    QVERIFY2(highestRolled >= reached, qPrintable(QString::number(highestRolled)));
}

void tst_Fight::hitPointsFromCell_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("number") << "22" << 22 << 22;
    QTest::newRow("number, then dice") << "22 (4d8+4)" << 22 << 22;
    QTest::newRow("dice, then number") << "4d8+4 (22)" << 22 << 22;
    QTest::newRow("dice only") << "4d8+4" << 8 << 36;
    QTest::newRow("sum of dice") << "10d4+1d2" << 11 << 42;
    QTest::newRow("one die") << "d6" << 1 << 6;
    QTest::newRow("words") << "bloodied 12" << 12 << 12;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("no number") << "many" << 0 << 0;
}

void tst_Fight::hitPointsFromCell()
{
    QFETCH(QString, cell);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    for (quint32 seed = 1; seed <= 50; ++seed) {
        QRandomGenerator generator(seed);
        const int hitPoints = ::hitPointsFromCell(cell, generator);
        QVERIFY2(hitPoints >= lowest && hitPoints <= highest, qPrintable(QString::number(hitPoints)));
    }
}

void tst_Fight::hitPointChange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("damage") << "7" << -7 << "";
    QTest::newRow("damage, minus") << "-7" << -7 << "";
    QTest::newRow("healing") << " + 7 " << 7 << "";
    QTest::newRow("empty") << "" << 0 << "Type a number";
    QTest::newRow("fraction") << "7.5" << 0 << "Type a number";
    QTest::newRow("word") << "seven" << 0 << "Type a number";
    QTest::newRow("too large") << "99999999999" << 0 << "too large";
    QTest::newRow("far too large") << "+99999999999999999999999" << 0 << "too large";
}

void tst_Fight::hitPointChange()
{
    QFETCH(QString, text);
    QFETCH(int, change);
    QFETCH(QString, refusal);
    const TypedNumber typed = parseHitPointChange(text);
    QCOMPARE(typed.value, change);
    QVERIFY2(refusal.isEmpty() ? typed.ok() : typed.error.contains(refusal), qPrintable(typed.error));
}

// A maximum typed into the HP cell: unknown hit points become it, known ones stay.
void tst_Fight::newMaximum_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("damage");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("hitPoints");
    QTest::addColumn<int>("maximum");
    QTest::newRow("unknown") << "" << 0 << "12" << 12 << 12;
    QTest::newRow("wounded, higher") << "22" << 5 << "30" << 17 << 30;
    QTest::newRow("wounded, lower") << "22" << 5 << "10" << 10 << 10;
    QTest::newRow("both typed") << "22" << 5 << "3 / 40" << 3 << 40;
}

void tst_Fight::newMaximum()
{
    QFETCH(QString, cell);
    QFETCH(int, damage);
    QFETCH(QString, typed);
    QFETCH(int, hitPoints);
    QFETCH(int, maximum);
    Fight fight;
    QRandomGenerator generator(4);
    fight.addEncounter(1, table({{"Ogre", "11", "2d8", cell}}), {}, generator);
    const int ogre = idOf(fight, "Ogre");
    fight.changeHitPoints(ogre, -damage);
    const TypedHitPoints parsed = parseHitPoints(typed);
    QVERIFY(parsed.ok());
    if (parsed.current)
        fight.setHitPoints(ogre, *parsed.current, parsed.maximum);
    else
        fight.setMaximumHitPoints(ogre, parsed.maximum);
    QCOMPARE(fight.state().combatant(ogre)->hitPoints, hitPoints);
    QCOMPARE(fight.state().combatant(ogre)->maximumHitPoints, maximum);
}

// Removing the one whose turn it is passes the turn on within the round, or
// to the next round after the last; one undo brings them all back.
void tst_Fight::removal()
{
    QTemporaryDir folder;
    Fight fight;
    fight.open(folder.filePath("fight.json"));
    QRandomGenerator generator(1);
    fight.addEncounter(1, table({{"Orc", "13", "1d12", "15"}, {"Rat", "", "", "2"}}), {"Aria", "Bram"}, generator);
    const int orc = idOf(fight, "Orc"), rat = idOf(fight, "Rat"), aria = idOf(fight, "Aria"), bram = idOf(fight, "Bram");
    for (auto [id, initiative] : {std::pair(aria, 20), std::pair(orc, 15), std::pair(rat, 10), std::pair(bram, 5)})
        fight.setInitiative(id, initiative);
    fight.setConditions(bram, parseConditions("stunned 1"));
    fight.nextTurn();
    fight.nextTurn();
    fight.changeHitPoints(rat, -2); // defeated: skipped
    const FightState before = fight.state();

    fight.remove({orc, aria});
    QCOMPARE(fight.state().round, 1);
    QCOMPARE(fight.state().currentId, bram);
    QVERIFY(fight.state().combatant(bram)->conditions.isEmpty());
    QCOMPARE(fight.state().log.last().text, QStringLiteral("Bram is no longer stunned"));
    QCOMPARE(fight.state().combatants.size(), 2);
    fight.undo();
    QCOMPARE(fight.state(), before);

    fight.nextTurn();
    fight.remove({bram});
    QCOMPARE(fight.state().round, 2); // Bram was the last: the turn goes round
    QCOMPARE(fight.state().currentId, aria);
    fight.remove({aria, orc, rat});
    QCOMPARE(fight.state().round, 0);
    QCOMPARE(fight.state().currentId, 0);

    Fight restored;
    QCOMPARE(restored.open(folder.filePath("fight.json")).opened, Fight::Opened::Restored);
    QCOMPARE(restored.state(), fight.state());
    QCOMPARE(restored.state().log.size(), 7);
}

void tst_Fight::encounterJoins()
{
    Fight fight;
    QRandomGenerator generator(7);
    const Storage::Cells cells = table({{"Goblin", "15", "1d6", "7"}, {"Ogre", "11", "2d8", "59"},
                                        {}, {"Goblin", "15", "1d6", "22 (4d8+4)"}});
    QVERIFY(fight.addEncounter(3, cells, {"Aria", "", "Bram"}, generator));
    QCOMPARE(orderedNames(fight.state()).size(), 5);
    QVERIFY(!fight.addEncounter(3, cells, {"Aria"}, generator));
    QVERIFY(fight.addEncounter(4, table({{"Goblin", "15", "1d6", "5"}}), {"Aria", "Cora"}, generator));

    QStringList names;
    for (const Combatant &c : fight.state().combatants)
        names.append(c.name);
    QCOMPARE(names, QStringList({"Goblin 1", "Ogre", "Goblin 2", "Aria", "Bram", "Goblin 3", "Cora"}));
    const FightState &state = fight.state();
    QCOMPARE(state.combatants[2].initiative, state.combatants[0].initiative);
    QCOMPARE(state.combatants[5].initiative, state.combatants[0].initiative);
    QCOMPARE(state.combatants[2].maximumHitPoints, 22);
    QCOMPARE(state.combatants[1].armourClass, QStringLiteral("11"));

    // Ties keep the joining order; a typed initiative moves the combatant.
    const int ogre = idOf(fight, "Ogre");
    fight.setInitiative(ogre, state.combatants[0].initiative);
    fight.setInitiative(idOf(fight, "Bram"), 30);
    QCOMPARE(orderedNames(fight.state()),
             QStringList({"Bram", "Goblin 1", "Ogre", "Goblin 2", "Goblin 3", "Aria", "Cora"}));

    fight.changeHitPoints(ogre, -100);
    QCOMPARE(fight.state().combatant(ogre)->hitPoints, 0);
    QVERIFY(fight.state().combatant(ogre)->isDefeated());
    fight.changeHitPoints(ogre, 30);
    fight.changeHitPoints(ogre, 100);
    QCOMPARE(fight.state().combatant(ogre)->hitPoints, 59);
    fight.setHitPoints(ogre, 70, 70);
    QCOMPARE(fight.state().combatant(ogre)->hitPoints, 70);
}

void tst_Fight::turnsAndConditions()
{
    Fight fight;
    QRandomGenerator generator(1);
    fight.addEncounter(1, table({{"Orc", "13", "1d12", "15"}}), {"Aria", "Bram"}, generator);
    const int orc = idOf(fight, "Orc"), aria = idOf(fight, "Aria"), bram = idOf(fight, "Bram");
    fight.setInitiative(orc, 10);
    fight.setInitiative(aria, 20);
    fight.setInitiative(bram, 5);
    fight.setConditions(orc, parseConditions("stunned 2, prone"));
    QCOMPARE(conditionsText(fight.state().combatant(orc)->conditions), QStringLiteral("stunned 2, prone"));

    const auto turn = [&fight] {
        fight.nextTurn();
        return std::pair(fight.state().round, fight.state().combatant(fight.state().currentId)->name);
    };
    QCOMPARE(turn(), std::pair(1, QStringLiteral("Aria")));
    QCOMPARE(turn(), std::pair(1, QStringLiteral("Orc")));
    QCOMPARE(conditionsText(fight.state().combatant(orc)->conditions), QStringLiteral("stunned 1, prone"));
    QCOMPARE(turn(), std::pair(1, QStringLiteral("Bram")));
    QCOMPARE(turn(), std::pair(2, QStringLiteral("Aria")));
    QCOMPARE(turn(), std::pair(2, QStringLiteral("Orc")));
    QCOMPARE(conditionsText(fight.state().combatant(orc)->conditions), QStringLiteral("prone"));

    fight.changeHitPoints(orc, -15);
    QCOMPARE(turn(), std::pair(2, QStringLiteral("Bram")));
    QCOMPARE(turn(), std::pair(3, QStringLiteral("Aria")));
    QCOMPARE(turn(), std::pair(3, QStringLiteral("Bram"))); // the defeated orc is skipped
}

void tst_Fight::undoRedo()
{
    Fight fight;
    QRandomGenerator generator(3);
    fight.addEncounter(1, table({{"Orc", "13", "1d12", "15"}}), {}, generator);
    const FightState added = fight.state();
    const int orc = idOf(fight, "Orc");
    fight.changeHitPoints(orc, -4);
    fight.nextTurn();
    const FightState last = fight.state();

    fight.changeHitPoints(orc, 0); // no change, no step
    fight.undo();
    fight.undo();
    QCOMPARE(fight.state(), added);
    fight.undo();
    QCOMPARE(fight.state(), FightState());
    QVERIFY(!fight.canUndo());
    fight.redo();
    fight.redo();
    fight.redo();
    QCOMPARE(fight.state(), last);
    fight.undo();
    fight.end();
    QVERIFY(!fight.canRedo());
    QVERIFY(fight.state().combatants.isEmpty());
    fight.undo();
    QCOMPARE(fight.state().combatant(orc)->hitPoints, 11);
}

void tst_Fight::restoredFromFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dungeon1/fight.json"));
    Fight fight;
    QCOMPARE(fight.open(path).opened, Fight::Opened::New);
    QRandomGenerator generator(5);
    fight.addEncounter(2, table({{"Orc", "13", "1d12", "4d8"}, {"Orc", "13", "1d12", "15"}}), {"Aria"}, generator);
    fight.setConditions(idOf(fight, "Orc 1"), parseConditions("stunned 3"));
    fight.nextTurn();
    fight.changeHitPoints(idOf(fight, "Orc 2"), -6);
    QVERIFY(fight.lastSave().ok());

    Fight restored;
    QCOMPARE(restored.open(path).opened, Fight::Opened::Restored);
    QCOMPARE(restored.state(), fight.state());
}

void tst_Fight::damagedFileKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = encodeFight(FightState{{Combatant{1, {}, "Orc", "Orc", 3, "", "", 5, 9, {}, false}}, {}, 1, 1, 1, {}, {}});
    QVERIFY(decodeFight(valid).has_value());
    QTest::newRow("cut short") << valid.left(valid.size() / 2);
    QTest::newRow("not JSON") << QByteArray("\x00\x01garbage");
    QTest::newRow("hit points above maximum") << QByteArray(valid).replace("\"hp\": 5", "\"hp\": 10");
    QTest::newRow("current unknown") << QByteArray(valid).replace("\"current\": 1", "\"current\": 2");
    QTest::newRow("name a number") << QByteArray(valid).replace("\"name\": \"Orc\"", "\"name\": 4");
}

void tst_Fight::damagedFileKeptAside()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fight.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    Fight fight;
    const Fight::OpenResult result = fight.open(path);
    QCOMPARE(result.opened, Fight::Opened::DamagedKeptAside);
    QVERIFY(result.message.contains(QStringLiteral("fight.json.damaged")));
    QFile aside(path + QStringLiteral(".damaged"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), bytes);
    QRandomGenerator generator(1);
    fight.addEncounter(1, table({{"Rat", "12", "1", "2"}}), {}, generator);
    QVERIFY(fight.lastSave().ok() && QFile::exists(path));
}

void tst_Fight::playersOrder()
{
    Fight fight;
    QRandomGenerator generator(2);
    fight.addEncounter(1, table({{"Rat", "", "", "10"}, {"Rat", "", "", "10"}, {"Rat", "", "", "10"},
                                 {"Bat", "", "", "10"}, {"Imp", "", "", ""}}), {"Aria"}, generator);
    for (int i = 1; i <= 5; ++i)
        fight.setInitiative(i, 10 - i);
    fight.changeHitPoints(idOf(fight, "Rat 1"), -1);
    fight.changeHitPoints(idOf(fight, "Rat 2"), -5);
    fight.changeHitPoints(idOf(fight, "Rat 3"), -10);
    fight.setHiddenFromPlayers(idOf(fight, "Bat"), true);
    fight.nextTurn();
    const QList<PlayersEntry> expected = {{"Rat 1", true, "Hurt"}, {"Rat 2", false, "Bloodied"},
                                          {"Rat 3", false, "Defeated"}, {"Imp", false, "Healthy"},
                                          {"Aria", false, ""}};
    QCOMPARE(::playersOrder(fight.state()), expected);
}

namespace {

// The file of a fight of one combatant whose turn it is, in round `round`.
QString fightFileInRound(const QTemporaryDir &folder, int round, const QByteArray &from = {}, const QByteArray &to = {})
{
    const QString path = folder.filePath(QStringLiteral("fight.json"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(encodeFight({{Combatant{1, {}, "Orc", "Orc", 3, "", "", 5, 9, {}, false}}, {}, round, 1, 1, {}, {}}).replace(from, to));
    return path;
}

} // namespace

void tst_Fight::valuesAtTheirLimitsAreReadBack_data()
{
    using namespace FightLimits;
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    QTest::newRow("initiative 2000000") << "initiative" << 2'000'000 << MaxInitiative;
    QTest::newRow("initiative -2000000") << "initiative" << -2'000'000 << MinInitiative;
    QTest::newRow("hit points past the limit") << "hp" << MaxHitPoints + 1 << MaxHitPoints;
    QTest::newRow("rounds of a condition past the limit") << "rounds" << 100'000 << MaxConditionRounds;
    QTest::newRow("round 1000000 ends") << "round" << 1'000'000 << 1'000'001;
    QTest::newRow("the last round ends") << "round" << MaxRound << MaxRound;
}

// Whatever a change sets, the next start reads back.
void tst_Fight::valuesAtTheirLimitsAreReadBack()
{
    QFETCH(QString, what);
    QFETCH(int, typed);
    QFETCH(int, kept);
    QTemporaryDir folder;
    const QString path = fightFileInRound(folder, what == u"round" ? typed : 1);
    Fight fight;
    QCOMPARE(fight.open(path).opened, Fight::Opened::Restored);
    if (what == u"initiative")
        fight.setInitiative(1, typed);
    else if (what == u"hp")
        fight.setHitPoints(1, typed, typed);
    else if (what == u"rounds")
        fight.setConditions(1, {{QStringLiteral("stunned"), typed}});
    else
        fight.nextTurn();
    const Combatant &orc = fight.state().combatants.first();
    const QHash<QString, int> values = {{"initiative", orc.initiative}, {"hp", orc.maximumHitPoints},
                                        {"rounds", orc.conditions.value(0).rounds}, {"round", fight.state().round}};
    QCOMPARE(values[what], kept);
    Fight nextStart;
    const Fight::OpenResult opened = nextStart.open(path);
    QVERIFY2(opened.opened == Fight::Opened::Restored, qPrintable(opened.message));
    QCOMPARE(nextStart.state(), fight.state());
}

void tst_Fight::refusedByName_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("reason");
    QTest::newRow("round 1e300") << QByteArray("\"round\": 2") << QByteArray("\"round\": 1e300")
                                 << "\"round\" is 1e+300, not a whole number from 0 to 1000000000";
    QTest::newRow("round -1e300") << QByteArray("\"round\": 2") << QByteArray("\"round\": -1e300") << "\"round\" is -1e+300";
    QTest::newRow("initiative past the limit") << QByteArray("\"initiative\": 3") << QByteArray("\"initiative\": 1e10")
                                               << "combatant 1 \"initiative\" is 10000000000, not a whole number";
    QTest::newRow("hit points above maximum") << QByteArray("\"hp\": 5") << QByteArray("\"hp\": 10")
                                              << "combatant 1 \"hp\" is 10, not a whole number from 0 to 9";
}

// The message names the file, the value and the reason.
void tst_Fight::refusedByName()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = fightFileInRound(folder, 2, from, to);
    Fight fight;
    const Fight::OpenResult result = fight.open(path);
    QCOMPARE(result.opened, Fight::Opened::DamagedKeptAside);
    QVERIFY2(result.message.contains(path) && result.message.contains(reason), qPrintable(result.message));
}

void tst_Fight::everyDamagedFileIsKept()
{
    QTemporaryDir folder;
    const QStringList asides = {".damaged", ".damaged.2", ".damaged.3"};
    for (const QString &aside : asides) {
        const QString path = fightFileInRound(folder, 1, "{", aside.toUtf8()); // damaged, and told apart
        Fight fight;
        QCOMPARE(fight.open(path).opened, Fight::Opened::DamagedKeptAside);
    }
    for (const QString &aside : asides) {
        QFile file(folder.filePath("fight.json" + aside));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().startsWith(aside.toUtf8()));
    }
}

// Two copies of the program on one dungeon: both encounters join, an undo
// takes back only its own, and each copy follows the file.
void tst_Fight::twoCopiesOnOneFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dungeon1/fight.json"));
    Fight a, b, file;
    a.open(path);
    b.open(path);
    QRandomGenerator generator(6);
    a.addEncounter(1, table({{"Goblin", "15", "1d6", "7"}}), {}, generator);
    // Before b has seen the goblin: its encounter is in the fight already.
    QVERIFY(!b.addEncounter(1, table({{"Goblin", "15", "1d6", "7"}}), {}, generator));
    b.addEncounter(2, table({{"Orc", "13", "1d12", "15"}}), {}, generator);
    QCOMPARE(orderedNames(b.state()).size(), 2);
    file.open(path);
    QCOMPARE(file.state(), b.state());
    QTRY_COMPARE(a.state(), b.state());

    a.undo();
    QTRY_COMPARE(b.state().combatants.size(), 1);
    QCOMPARE(b.state().combatants.first().name, QStringLiteral("Orc"));
    QCOMPARE(b.state().encounters, QList<int>{2});
}

// Random valid fights, values at their limits among them, come back from
// the file as they went in.
void tst_Fight::roundTrip()
{
    using namespace FightLimits;
    QRandomGenerator generator(30);
    const auto pick = [&generator](int lowest, int highest) {
        const int chance = int(generator.bounded(4));
        return chance == 0 ? lowest : chance == 1 ? highest : int(generator.bounded(qint64(lowest), qint64(highest) + 1));
    };
    const auto text = [&generator] {
        // Half a surrogate pair alone, as a pasted name may hold, must come back as it was.
        static const QString letters = QStringLiteral("aZ %1\"\\\n\t\u0001\u001f\u00e9\u2014{}[],:")
                                       + QChar(0xd800) + QChar(0xdfff) + QString::fromUcs4(U"\U0001F409");
        QString t;
        for (int n = int(generator.bounded(12)); n > 0; --n)
            t += letters[generator.bounded(letters.size())];
        return t;
    };
    for (int i = 0; i < 3000; ++i) {
        FightState state;
        state.lastId = pick(0, MaxId);
        for (int n = state.lastId == 0 ? 0 : int(generator.bounded(5)); n > 0; --n) {
            const int id = pick(1, state.lastId);
            const int maximum = pick(0, MaxHitPoints);
            if (!state.combatant(id))
                state.combatants.append({id, generator.bounded(2) ? Combatant::Side::Character : Combatant::Side::Monster,
                                         text(), text(), pick(MinInitiative, MaxInitiative), text(), text(),
                                         pick(0, maximum), maximum, {{text(), pick(0, MaxConditionRounds)}},
                                         bool(generator.bounded(2))});
        }
        state.encounters = {pick(MinEncounter, MaxEncounter), pick(MinEncounter, MaxEncounter)};
        state.round = pick(0, MaxRound);
        state.currentId = state.combatants.isEmpty() ? 0 : state.combatants.last().id;
        state.otherKeys.insert(text() + u'_', text());
        state.log = {{pick(0, MaxRound), text(), text()}};
        const QByteArray bytes = encodeFight(state);
        // Strict JSON: control characters in strings are escaped.
        QVERIFY(std::none_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x20 && c != '\n'; }));
        const FightRead read = readFight(bytes);
        QVERIFY2(read.state, qPrintable(read.error));
        QCOMPARE(*read.state, state);
    }
}

void tst_Fight::namesHoldingPercentSigns()
{
    Fight fight;
    QRandomGenerator generator(7);
    fight.addEncounter(1, table({{"Rat%1", "", "", "3"}, {"Rat%1", "", "", "3"}}), {}, generator);
    QCOMPARE(fight.state().combatants.first().name, QStringLiteral("Rat%1 1"));
    QCOMPARE(fight.state().combatants.last().name, QStringLiteral("Rat%1 2"));
}

QTEST_GUILESS_MAIN(tst_Fight)
#include "tst_fight.moc"
