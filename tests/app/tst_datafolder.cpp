#include "app/datafolder.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The program folder, the user's data folder and an installed sample
// adventure, laid out in a scratch folder per row.
class tst_DataFolder : public QObject
{
    Q_OBJECT

private slots:
    void prepare_data();
    void prepare();
};

enum class Beside { Nothing, DungeonsFolder, DungeonsFile };

void tst_DataFolder::prepare_data()
{
    QTest::addColumn<Beside>("beside");
    QTest::addColumn<QByteArray>("userDungeon1"); // the user's own 7.Encounter, empty when none
    QTest::addColumn<bool>("sampleInstalled");
    QTest::addColumn<QString>("expectedFolder");
    QTest::addColumn<QByteArray>("expectedUserDungeon1"); // 7.Encounter there afterwards

    QTest::newRow("portable: the Dungeons folder beside the program")
            << Beside::DungeonsFolder << QByteArray() << true << "program" << QByteArray();
    QTest::newRow("portable: a file in the Dungeons folder's place still counts")
            << Beside::DungeonsFile << QByteArray() << true << "program" << QByteArray();
    QTest::newRow("portable: the user's folder is left alone")
            << Beside::DungeonsFolder << QByteArray("own") << true << "program" << QByteArray("own");
    QTest::newRow("installed, first start: the sample is copied")
            << Beside::Nothing << QByteArray() << true << "user" << QByteArray("sample");
    QTest::newRow("installed: an existing Dungeon1 is never touched")
            << Beside::Nothing << QByteArray("own") << true << "user" << QByteArray("own");
    QTest::newRow("installed without a sample: nothing is made")
            << Beside::Nothing << QByteArray() << false << "user" << QByteArray();
}

void tst_DataFolder::prepare()
{
    QFETCH(Beside, beside);
    QFETCH(QByteArray, userDungeon1);
    QFETCH(bool, sampleInstalled);
    QFETCH(QString, expectedFolder);
    QFETCH(QByteArray, expectedUserDungeon1);

    QTemporaryDir scratch;
    const QDir root(scratch.path());
    const QString program = root.filePath("program"), user = root.filePath("user");
    const QString sample = root.filePath("share/dungeon-board/Dungeon1");
    QVERIFY(root.mkpath(program) && root.mkpath(user));
    if (beside == Beside::DungeonsFolder)
        QVERIFY(root.mkpath(program + "/Dungeons"));
    if (beside == Beside::DungeonsFile)
        putFile(program + "/Dungeons", "");
    if (!userDungeon1.isEmpty()) {
        QVERIFY(root.mkpath(user + "/Dungeons/Dungeon1"));
        putFile(user + "/Dungeons/Dungeon1/7.Encounter", userDungeon1);
    }
    if (sampleInstalled) {
        QVERIFY(root.mkpath(sample + "/nested"));
        putFile(sample + "/7.Encounter", "sample");
        putFile(sample + "/nested/more", "more");
    }

    QCOMPARE(DataFolder::prepare(program, user, sample), root.filePath(expectedFolder));
    const QString userTable = user + "/Dungeons/Dungeon1/7.Encounter";
    QCOMPARE(QFile::exists(userTable), !expectedUserDungeon1.isEmpty());
    if (!expectedUserDungeon1.isEmpty())
        QCOMPARE(content(userTable), expectedUserDungeon1);
    if (expectedUserDungeon1 == "sample")
        QCOMPARE(content(user + "/Dungeons/Dungeon1/nested/more"), "more");
    QVERIFY(!QFile::exists(user + "/Dungeons/Dungeon1.partial"));
    QVERIFY(!QFile::exists(program + "/Dungeons/Dungeon1"));
}

QTEST_GUILESS_MAIN(tst_DataFolder)
#include "tst_datafolder.moc"
