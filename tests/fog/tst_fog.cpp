#include "fog/fog.h"
#include "fog/tablefile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

// The fog without windows: what reveals and hides do, and what the table
// file keeps between sessions.
class tst_Fog : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void keptBetweenSessions();
    void unreadableFileLeftAlone_data();
    void unreadableFileLeftAlone();
    void rooms();
    void undo();
    void readBackAtTheNextStart_data();
    void readBackAtTheNextStart();
    void twoCopiesOnOneFile();
    void roundTrip();

private:
    QTemporaryDir m_folder;
    QString tableFile() const { return TableFile::path(m_folder.path() + QStringLiteral("/Dungeon1")); }
};

namespace {

constexpr int Corridor = FogState::area(2);

Fog *newFog(QObject *parent)
{
    return new Fog({{7, QPolygonF({{100, 100}, {200, 100}, {200, 150}, {100, 150}})},
                    {Corridor, QPolygonF({{0, 120}, {400, 120}, {400, 130}, {0, 130}})}},
                   {{7, {150, 125}}, {12, {300, 300}}}, 48, parent);
}

// "12" is spot 12, "a2" area 2.
int roomNamed(QStringView name)
{
    return name.startsWith(u'a') ? FogState::area(name.mid(1).toInt()) : name.toInt();
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

// Each step is "+N" (reveal N) or "-N" (hide N); "aN" is area N.
void tst_Fog::steps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("revealed");
    QTest::addColumn<int>("current");

    QTest::newRow("one reveal") << QStringList{"+12"} << QList<int>{12} << 12;
    QTest::newRow("the previous room is explored") << QStringList{"+12", "+3"} << QList<int>{3, 12} << 3;
    QTest::newRow("back into an explored room") << QStringList{"+12", "+3", "+12"} << QList<int>{3, 12} << 12;
    QTest::newRow("hiding the current room") << QStringList{"+12", "+3", "-3"} << QList<int>{12} << 0;
    QTest::newRow("hiding an explored room") << QStringList{"+12", "+3", "-12"} << QList<int>{3} << 3;
    QTest::newRow("hiding a hidden room") << QStringList{"-5"} << QList<int>{} << 0;
    QTest::newRow("out of a corridor") << QStringList{"+a2", "+a5", "+12"}
                                       << QList<int>{FogState::area(5), Corridor, 12} << 12;
}

void tst_Fog::steps()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, revealed);
    QFETCH(int, current);
    FogState state;
    for (const QString &step : steps) {
        const int room = roomNamed(QStringView(step).mid(1));
        state = step.startsWith(u'+') ? state.revealing(room) : state.hiding(room);
    }
    QCOMPARE(state.revealed, revealed);
    QCOMPARE(state.current, current);
}

void tst_Fog::keptBetweenSessions()
{
    QFile::remove(tableFile());
    QObject owner;
    Fog *fog = newFog(&owner);
    QCOMPARE(fog->load(tableFile()), QString());
    QVERIFY(fog->state().revealed.isEmpty());
    QVERIFY(!QFile::exists(tableFile())); // nothing is written before a change

    fog->setState(FogState().revealing(12).revealing(7));
    // Another program's key survives the next write.
    QJsonObject object = QJsonDocument::fromJson(contentOf(tableFile())).object();
    object.insert(QStringLiteral("notes"), QStringLiteral("kept"));
    writeFile(tableFile(), QJsonDocument(object).toJson());
    fog->setState(fog->state().hiding(12));

    Fog *nextSession = newFog(&owner);
    QCOMPARE(nextSession->load(tableFile()), QString());
    QCOMPARE(nextSession->state().revealed, QList<int>{7});
    QCOMPARE(nextSession->state().current, 7);
    QCOMPARE(QJsonDocument::fromJson(contentOf(tableFile())).object().value(QStringLiteral("notes")),
             QStringLiteral("kept"));
}

void tst_Fog::unreadableFileLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // a part of it
    QTest::newRow("cut short") << QByteArray(R"({"revealed": [3, 1)") << "not valid JSON";
    QTest::newRow("not an object") << QByteArray("[3, 12]") << "not a JSON object";
    QTest::newRow("revealed is text") << QByteArray(R"({"revealed": "3, 12"})") << "\"revealed\" is \"3, 12\"";
    QTest::newRow("a fraction") << QByteArray(R"({"revealed": [2.5]})") << "\"revealed\" holds 2.5, not a spot";
    QTest::newRow("past the last spot") << QByteArray(R"({"revealed": [41, 1000000]})")
                                        << "\"revealed\" holds 41, not a spot number from 1 to 40";
    QTest::newRow("far past any number") << QByteArray(R"({"revealed": [1e300]})") << "\"revealed\" holds 1e+300";
    QTest::newRow("current not revealed") << QByteArray(R"({"revealed": [3], "current": 12})")
                                          << "\"current\" is 12, not one of the revealed";
    QTest::newRow("area 0") << QByteArray(R"({"revealedAreas": [0]})")
                            << "\"revealedAreas\" holds 0, not an area number from 1 to 999";
    QTest::newRow("current area not revealed") << QByteArray(R"({"revealedAreas": [2], "currentArea": 3})")
                                               << "\"currentArea\" is 3, not one of the revealed areas";
    QTest::newRow("in two rooms at once") << QByteArray(R"({"revealed": [3], "current": 3, "revealedAreas": [2], "currentArea": 2})")
                                          << "\"current\" and \"currentArea\" are both set";
}

void tst_Fog::unreadableFileLeftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    writeFile(tableFile(), content);
    QObject owner;
    Fog *fog = newFog(&owner);
    const QString error = fog->load(tableFile());
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(fog->state().revealed.isEmpty());

    fog->setState(fog->state().revealing(12));
    QCOMPARE(fog->state().current, 12); // the players still see it
    QCOMPARE(contentOf(tableFile()), content);
    // Nor is it replaced when the file is damaged after a good read, and
    // that is said once, not at every reveal.
    QVERIFY(!TableFile::write(tableFile(), fog->state()).ok());
    QCOMPARE(contentOf(tableFile()), content);
    QFile::remove(tableFile());
    Fog *damagedLater = newFog(&owner);
    QCOMPARE(damagedLater->load(tableFile()), QString());
    writeFile(tableFile(), content);
    QSignalSpy failed(damagedLater, &Fog::saveFailed);
    damagedLater->setState(damagedLater->state().revealing(7));
    damagedLater->setState(damagedLater->state().revealing(12));
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.first().first().toString().contains(reason), qPrintable(failed.first().first().toString()));
    QCOMPARE(damagedLater->state().revealed, QList<int>({7, 12}));
    QCOMPARE(contentOf(tableFile()), content);
}

void tst_Fog::rooms()
{
    QObject owner;
    const Fog *fog = newFog(&owner);
    // An outlined room is its outline, not the circle about its spot.
    QVERIFY(fog->room(7).contains(QPointF(195, 105)));
    QVERIFY(!fog->room(7).contains(QPointF(150, 160)));
    // A spot without an outline uncovers a circle about its centre.
    QVERIFY(fog->room(12).contains(QPointF(300 + 47, 300)));
    QVERIFY(!fog->room(12).contains(QPointF(300 + 49, 300)));
    QVERIFY(fog->room(13).isEmpty());
    // The room or area under the pointer: an outline before a circle, a spot's room before an area.
    QCOMPARE(fog->roomAt({150, 125}), 7);
    QCOMPARE(fog->roomAt({300, 125}), Corridor);
    QCOMPARE(fog->roomAt({300, 290}), 12);
    QCOMPARE(fog->roomAt({600, 600}), 0);
}

void tst_Fog::undo()
{
    QFile::remove(tableFile());
    QObject owner;
    Fog *fog = newFog(&owner);
    fog->load(tableFile());
    QUndoStack stack;
    stack.push(fog->change(fog->state().revealing(12), QStringLiteral("reveal")));
    stack.push(fog->change(fog->state().revealing(7), QStringLiteral("reveal")));
    stack.undo();
    QCOMPARE(fog->state(), FogState().revealing(12));
    QCOMPARE(TableFile::read(tableFile()).fog, fog->state()); // every step is written
    stack.redo();
    QCOMPARE(fog->state(), FogState().revealing(12).revealing(7));
}

void tst_Fog::readBackAtTheNextStart_data()
{
    QTest::addColumn<QStringList>("steps"); // "+N" reveals N, "-N" hides N, "undo", "hide all"
    QTest::newRow("hiding the current room") << QStringList{"+12", "+7", "-7"};
    QTest::newRow("undoing the first reveal") << QStringList{"+12", "undo"};
    QTest::newRow("hiding every room") << QStringList{"+12", "+7", "hide all"};
    QTest::newRow("undoing hiding every room") << QStringList{"+12", "+7", "hide all", "undo"};
    QTest::newRow("in a corridor") << QStringList{"+12", "+a2"};
    QTest::newRow("out of a corridor, undone") << QStringList{"+a2", "+7", "-a2", "undo"};
}

// What the last step left is what the next session finds.
void tst_Fog::readBackAtTheNextStart()
{
    QFETCH(QStringList, steps);
    QFile::remove(tableFile());
    QObject owner;
    Fog *fog = newFog(&owner);
    fog->load(tableFile());
    QUndoStack stack;
    for (const QString &step : steps) {
        if (step == u"undo")
            stack.undo();
        else if (step == u"hide all")
            stack.push(fog->change({}, step));
        else if (step.startsWith(u'+'))
            stack.push(fog->change(fog->state().revealing(roomNamed(QStringView(step).mid(1))), step));
        else
            stack.push(fog->change(fog->state().hiding(roomNamed(QStringView(step).mid(1))), step));
    }
    Fog *nextSession = newFog(&owner);
    QCOMPARE(nextSession->load(tableFile()), QString());
    QCOMPARE(nextSession->state(), fog->state());
}

// Two copies of the program on one dungeon: neither loses the other's
// rooms, an undo takes back only its own change, and each follows the file.
void tst_Fog::twoCopiesOnOneFile()
{
    QFile::remove(tableFile());
    QObject owner;
    Fog *a = newFog(&owner);
    Fog *b = newFog(&owner);
    a->load(tableFile());
    b->load(tableFile());
    QUndoStack undoOfA;
    undoOfA.push(a->change(a->state().revealing(3), QStringLiteral("reveal")));
    b->setState(b->state().revealing(5)); // before b has seen a's change
    QCOMPARE(TableFile::read(tableFile()).fog.revealed, QList<int>({3, 5}));
    QCOMPARE(b->state().revealed, QList<int>({3, 5}));
    QTRY_COMPARE(a->state().revealed, QList<int>({3, 5}));
    QCOMPARE(a->state().current, 5);

    undoOfA.undo();
    QCOMPARE(TableFile::read(tableFile()).fog, FogState().revealing(5));
    QTRY_COMPARE(b->state(), FogState().revealing(5));
    b->setState(b->state().revealing(Corridor));
    QTRY_COMPARE(a->state(), FogState().revealing(5).revealing(Corridor));
}

// Random fogs, none and every room revealed among them, come back from the
// file as they went in, over other keys.
void tst_Fog::roundTrip()
{
    QRandomGenerator generator(30);
    for (int i = 0; i < 3000; ++i) {
        FogState fog;
        const int chance = int(generator.bounded(4)); // in four: none, every room, or some
        for (int spot = 1; spot <= 40; ++spot) {
            if (chance == 1 || (chance > 1 && generator.bounded(chance) == 0))
                fog.revealed.append(spot);
        }
        for (int area = 1; area <= 999; area += 1 + int(generator.bounded(400))) {
            if (chance > 1 && generator.bounded(chance) == 0)
                fog = fog.revealing(FogState::area(area));
        }
        fog.current = 0;
        if (!fog.revealed.isEmpty() && generator.bounded(3))
            fog.current = fog.revealed[generator.bounded(fog.revealed.size())];
        const QByteArray other = generator.bounded(2) ? QByteArray(R"({"notes": "%1", "revealed": [9]})") : QByteArray();
        const TableFile::ReadResult read = TableFile::parse(TableFile::encode(fog, other));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.fog, fog);
    }
}

QTEST_GUILESS_MAIN(tst_Fog)
#include "tst_fog.moc"
