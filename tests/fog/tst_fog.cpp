#include "fog/fog.h"
#include "fog/tablefile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

private:
    QTemporaryDir m_folder;
    QString tableFile() const { return TableFile::path(m_folder.path() + QStringLiteral("/Dungeon1")); }
};

namespace {

Fog *newFog(QObject *parent)
{
    return new Fog({{7, QPolygonF({{100, 100}, {200, 100}, {200, 150}, {100, 150}})}},
                   {{7, {150, 125}}, {12, {300, 300}}}, 48, parent);
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

// Each step is "+N" (reveal N) or "-N" (hide N).
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
}

void tst_Fog::steps()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, revealed);
    QFETCH(int, current);
    FogState state;
    for (const QString &step : steps) {
        const int spot = step.mid(1).toInt();
        state = step.startsWith(u'+') ? state.revealing(spot) : state.hiding(spot);
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
    QTest::newRow("cut short") << QByteArray(R"({"revealed": [3, 1)");
    QTest::newRow("not an object") << QByteArray("[3, 12]");
    QTest::newRow("revealed is text") << QByteArray(R"({"revealed": "3, 12"})");
    QTest::newRow("a fraction") << QByteArray(R"({"revealed": [2.5]})");
    QTest::newRow("current not revealed") << QByteArray(R"({"revealed": [3], "current": 12})");
}

void tst_Fog::unreadableFileLeftAlone()
{
    QFETCH(QByteArray, content);
    writeFile(tableFile(), content);
    QObject owner;
    Fog *fog = newFog(&owner);
    QVERIFY(!fog->load(tableFile()).isEmpty());
    QVERIFY(fog->state().revealed.isEmpty());

    fog->setState(fog->state().revealing(12));
    QCOMPARE(fog->state().current, 12); // the players still see it
    QCOMPARE(contentOf(tableFile()), content);
    // Nor is it replaced when the file is damaged after a good read.
    QVERIFY(!TableFile::write(tableFile(), fog->state()).ok());
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

QTEST_GUILESS_MAIN(tst_Fog)
#include "tst_fog.moc"
