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
    void diceErrors_data();
    void diceErrors();
    void hitPointsFromCell_data();
    void hitPointsFromCell();
    void hitPointChange_data();
    void hitPointChange();
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

void tst_Fight::dice_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<int>("dice");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("d20") << "d20" << 1 << 1 << 1 << 20;
    QTest::newRow("3d6+2") << "3d6+2" << 3 << 3 << 5 << 20;
    QTest::newRow("2d8-1") << "2d8-1" << 2 << 2 << 1 << 15;
    QTest::newRow("keep highest") << "4d6kh3" << 4 << 3 << 3 << 18;
    QTest::newRow("percent") << "d%" << 1 << 1 << 1 << 100;
    QTest::newRow("capitals, spaces") << " 3D6 + 2 " << 3 << 3 << 5 << 20;
}

void tst_Fight::dice()
{
    QFETCH(QString, notation);
    QFETCH(int, dice);
    QFETCH(int, kept);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    const Dice::Parsed parsed = Dice::parse(notation);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    for (quint32 seed = 1; seed <= 300; ++seed) {
        QRandomGenerator generator(seed);
        const Dice::Roll roll = Dice::roll(notation, parsed.expression, generator);
        QCOMPARE(roll.dice.size(), dice);
        QCOMPARE(roll.kept.count(true), kept);
        QVERIFY(roll.total >= lowest && roll.total <= highest);
        int sum = roll.modifier, lowestKept = INT_MAX, highestDropped = 0;
        for (int i = 0; i < roll.dice.size(); ++i) {
            if (roll.kept[i]) {
                sum += roll.dice[i];
                lowestKept = std::min(lowestKept, roll.dice[i]);
            } else {
                highestDropped = std::max(highestDropped, roll.dice[i]);
            }
        }
        QCOMPARE(roll.total, sum);
        QVERIFY(highestDropped <= lowestKept);
        QVERIFY(roll.text().startsWith(notation.trimmed() + u':'));
        QVERIFY(roll.text().endsWith(QStringLiteral("= %1").arg(roll.total)));
        QRandomGenerator again(seed);
        QCOMPARE(Dice::roll(notation, parsed.expression, again).dice, roll.dice);
    }
}

void tst_Fight::diceErrors_data()
{
    QTest::addColumn<QString>("notation");
    for (const char *wrong : {"", "d", "3d", "2d1", "0d6", "101d6", "4d6kh5", "4d6kh0", "d20+", "abc",
                              "3d6+2x", "d99999999999", "2d6+1d4", "d20 + 99999999"})
        QTest::newRow(wrong) << QString::fromLatin1(wrong);
}

void tst_Fight::diceErrors()
{
    QFETCH(QString, notation);
    const Dice::Parsed parsed = Dice::parse(notation);
    QVERIFY(!parsed.ok());
    QVERIFY(parsed.error.size() > 10);
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
    QTest::addColumn<std::optional<int>>("change");
    QTest::newRow("damage") << "7" << std::optional(-7);
    QTest::newRow("damage, minus") << "-7" << std::optional(-7);
    QTest::newRow("healing") << " + 7 " << std::optional(7);
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("fraction") << "7.5" << std::optional<int>();
    QTest::newRow("word") << "seven" << std::optional<int>();
}

void tst_Fight::hitPointChange()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, change);
    QCOMPARE(parseHitPointChange(text), change);
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
    const QByteArray valid = encodeFight(FightState{{Combatant{1, {}, "Orc", "Orc", 3, "", "", 5, 9, {}, false}}, {}, 1, 1, 1, {}});
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
    file.write(encodeFight({{Combatant{1, {}, "Orc", "Orc", 3, "", "", 5, 9, {}, false}}, {}, round, 1, 1, {}}).replace(from, to));
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
        static const QString letters = QStringLiteral("aZ %1\"\\\n\u00e9\u2014{}[],:");
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
        const FightRead read = readFight(encodeFight(state));
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
