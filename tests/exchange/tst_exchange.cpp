#include "exchange/dungeonarchive.h"

#include "dungeon/dungeondescription.h"
#include "fog/tablefile.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

class tst_Exchange : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryByte();
    void refusals_data();
    void refusals();
    void overTheTotalSize();
    void commandLine_data();
    void commandLine();
};

namespace {

struct Entry
{
    QString name;
    QByteArray content;
    unsigned type = AE_IFREG; // AE_IFLNK: content is the target
    bool stored = false;
};
using Entries = QList<Entry>;

// A ZIP archive written by libarchive itself, whatever the names and types.
void writeZip(const QString &path, const Entries &entries)
{
    archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    QVERIFY(archive_write_open_filename(zip, QFile::encodeName(path).constData()) == ARCHIVE_OK);
    for (const Entry &e : entries) {
        e.stored ? archive_write_zip_set_compression_store(zip) : archive_write_zip_set_compression_deflate(zip);
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, e.name.toUtf8().constData());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, 0644);
        if (e.type == AE_IFLNK) {
            archive_entry_set_symlink(entry, e.content.constData());
        } else {
            archive_entry_set_size(entry, e.content.size());
        }
        QCOMPARE(archive_write_header(zip, entry), ARCHIVE_OK);
        if (e.type == AE_IFREG)
            archive_write_data(zip, e.content.constData(), size_t(e.content.size()));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList everythingBelow(const QString &folder)
{
    QStringList names;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        names << info.fileName();
    return names;
}

// An encounter table of forty empty records, as the board leaves one.
QByteArray emptyTable()
{
    return QByteArray(40 * 128, '\0');
}

} // namespace

void tst_Exchange::roundTripKeepsEveryByte()
{
    QTemporaryDir program;
    const QString original = program.path() + QStringLiteral("/Dungeons/Dungeon1");
    copyFiles(QStringLiteral(SAMPLE_DUNGEON), original);
    // An encounter left empty by the board packs tightly: it must still come back.
    QFile table(original + QStringLiteral("/5.Encounter"));
    QVERIFY(table.open(QIODevice::WriteOnly) && table.write(emptyTable()) == 40 * 128);
    table.close();
    // A plain picture deflates far tighter than an import allows.
    QImage map(Dungeon::BuiltInMapSize, QImage::Format_RGB32);
    map.fill(Qt::white);
    QVERIFY(map.save(original + QStringLiteral("/map.bmp")));
    Dungeon::DungeonDescription description = Dungeon::readDungeonDescription(original).description;
    description.mapFile = QStringLiteral("map.bmp");
    QCOMPARE(Dungeon::writeDungeonDescription(original, description), QString());
    FogState fog;
    fog.revealed = {1, 3};
    QVERIFY(TableFile::write(TableFile::path(original), fog).ok());

    const QString archive = program.path() + u'/' + Exchange::archiveFileName(QStringLiteral("A/B: C?"), 1);
    QCOMPARE(QFileInfo(archive).fileName(), QStringLiteral("A B C.dungeon"));
    QCOMPARE(Exchange::exportDungeon(original, archive, {.revealedRooms = true}), QString());

    const Exchange::ImportResult imported = Exchange::importDungeon(program.path(), archive);
    QCOMPARE(imported.error, QString());
    QCOMPARE(imported.number, 2);
    const QString copy = program.path() + QStringLiteral("/Dungeons/Dungeon2");
    QCOMPARE(everythingBelow(copy), everythingBelow(original));
    for (const QString &name : everythingBelow(original))
        QVERIFY2(bytesOf(copy + u'/' + name) == bytesOf(original + u'/' + name), qPrintable(name));
    const Dungeon::DungeonDescription before = Dungeon::readDungeonDescription(original).description;
    const Dungeon::DungeonDescription after = Dungeon::readDungeonDescription(copy).description;
    QCOMPARE(Dungeon::descriptionJson(after), Dungeon::descriptionJson(before));
    QCOMPARE(after.spots, before.spots);

    // Without the choices the game master's revealed rooms stay at home.
    QCOMPARE(Exchange::exportDungeon(original, archive, {}), QString());
    QCOMPARE(Exchange::importDungeon(program.path(), archive).number, 3);
    QVERIFY(!QFile::exists(program.path() + QStringLiteral("/Dungeons/Dungeon3/table.json")));
}

void tst_Exchange::refusals_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("reason");

    const QByteArray json = R"({"title": "Crypt"})";
    QTest::newRow("absolute path") << Entries{{"/tmp/dungeon.json", json}} << "absolute path";
    QTest::newRow("windows drive") << Entries{{"C:\\dungeon.json", json}} << "absolute path";
    QTest::newRow("parent folder") << Entries{{"../1.Encounter", emptyTable()}} << "reaches out";
    QTest::newRow("parent deeper") << Entries{{"a/../../1.Encounter", emptyTable()}} << "reaches out";
    QTest::newRow("symbolic link") << Entries{{"1.Encounter", "/etc/passwd", AE_IFLNK}} << "is a link";
    QTest::newRow("folder") << Entries{{"Dungeon1/dungeon.json", json}} << "no file of a dungeon";
    QTest::newRow("other file") << Entries{{"notes.txt", "hello"}} << "no file of a dungeon";
    QTest::newRow("hidden file") << Entries{{".1.Encounter.pending", emptyTable()}} << "no file of a dungeon";
    QTest::newRow("details of another number") << Entries{{"1.Encounter2", "{\\rtf1 x}"}} << "no file of a dungeon";
    QTest::newRow("picture no description names") << Entries{{"map.png", "x"}} << "names no such map";
    QTest::newRow("twice in any case") << Entries{{"map.png", "x"}, {"MAP.png", "x"}} << "twice";
    Entries many;
    for (int i = 1; i <= 201; ++i)
        many.append({QStringLiteral("%1.Encounter").arg(i), emptyTable()});
    QTest::newRow("201 files") << many << "more than 200 files";
    QTest::newRow("bomb") << Entries{{"1.Encounter1", QByteArray(20'000'000, ' ')}} << "100 times its packed size";
    QTest::newRow("small bomb") << Entries{{"1.Encounter1", QByteArray(200'000, ' ')}} << "100 times its packed size";
    QTest::newRow("description not JSON") << Entries{{"dungeon.json", "{oops"}} << "dungeon.json: not valid JSON";
    QTest::newRow("map missing") << Entries{{"dungeon.json", R"({"map": "map.png"})"}} << "dungeon.json";
    QTest::newRow("map not a picture") << Entries{{"dungeon.json", R"({"map": "map.png"})"}, {"map.png", "no picture"}} << "map.png";
    QByteArray damagedTable = emptyTable();
    damagedTable[128] = char(200);
    QTest::newRow("damaged table") << Entries{{"2.Encounter", damagedTable}} << "2.Encounter: the monster table is damaged";
    QTest::newRow("table cut short") << Entries{{"2.Encounter", emptyTable().left(200)}} << "monster table is damaged";
    QTest::newRow("binary details") << Entries{{"2.Encounter2", QByteArray("\0\xff\xfe", 3)}} << "neither RTF nor text";
    QTest::newRow("revealed rooms") << Entries{{"table.json", "[1,2]"}} << "table.json";
    QTest::newRow("fight") << Entries{{"fight.json", "{\"round\": \"x\"}"}} << "fight.json";
}

// Each refusal names the archive and its reason, and leaves no trace.
void tst_Exchange::refusals()
{
    QFETCH(Entries, entries);
    QFETCH(QString, reason);
    QTemporaryDir program;
    QVERIFY(QDir().mkpath(program.path() + QStringLiteral("/Dungeons/Dungeon1")));
    const QString archive = program.path() + QStringLiteral("/shared.dungeon");
    writeZip(archive, entries);

    const Exchange::ImportResult imported = Exchange::importDungeon(program.path(), archive);
    QCOMPARE(imported.number, 0);
    QVERIFY2(imported.error.startsWith(QStringLiteral("Cannot import %1: ").arg(archive)), qPrintable(imported.error));
    QVERIFY2(imported.error.contains(reason), qPrintable(imported.error));
    QCOMPARE(everythingBelow(program.path() + QStringLiteral("/Dungeons")), QStringList{"Dungeon1"});
    QVERIFY(!imported.error.contains(QStringLiteral(".new-dungeon")));
}

void tst_Exchange::overTheTotalSize()
{
    QTemporaryDir program;
    const QString archive = program.path() + QStringLiteral("/big.dungeon");
    // Stored, so that no entry expands: only their sum is too much.
    Entries entries;
    for (int i = 1; i <= 65; ++i)
        entries.append({QStringLiteral("%1.Encounter").arg(i), QByteArray(4 * 1024 * 1024, '\0'), AE_IFREG, true});
    writeZip(archive, entries);
    entries.clear();
    const Exchange::ImportResult imported = Exchange::importDungeon(program.path(), archive);
    QVERIFY2(imported.error.endsWith(QStringLiteral("it unpacks to more than 256 MB")), qPrintable(imported.error));
    QCOMPARE(everythingBelow(program.path() + QStringLiteral("/Dungeons")), QStringList());

    // Neither damaged nor ZIP.
    QFile notZip(archive);
    QVERIFY(notZip.open(QIODevice::WriteOnly | QIODevice::Truncate) && notZip.write("plain text") > 0);
    notZip.close();
    QVERIFY(Exchange::importDungeon(program.path(), archive).error.contains(QStringLiteral("not a ZIP archive")));
    // Nor is an empty dungeon exported as a file that no import takes.
    QVERIFY(Exchange::exportDungeon(program.path(), archive, {}).endsWith(QStringLiteral("holds nothing yet")));
}

void tst_Exchange::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("written"); // below the scratch folder
    QTest::addColumn<QString>("error");
    QTest::newRow("one file") << QStringList{"--export-dungeon", "out/halls.dungeon"} << 0 << "out/halls.dungeon" << "";
    QTest::newRow("Markdown") << QStringList{"--export-markdown", "vault", "--dungeon", "1"} << 0
                              << "vault/07 The Vestry.md" << "";
    QTest::newRow("no such dungeon") << QStringList{"--export-dungeon", "out/x.dungeon", "--dungeon", "9"} << 1 << ""
                                     << "There is no dungeon 9";
    QTest::newRow("two files") << QStringList{"a.dungeon", "b.dungeon"} << 2 << "" << "Unexpected argument 'b.dungeon'";
}

// Without a display, as a script runs it.
void tst_Exchange::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, written);
    QFETCH(QString, error);
    QTemporaryDir scratch;
    const QString dungeon = scratch.path() + QStringLiteral("/data/dungeon-board/Dungeons/Dungeon1");
    QVERIFY(QDir().mkpath(scratch.path() + QStringLiteral("/out")));
    copyFiles(QStringLiteral(SAMPLE_DUNGEON), dungeon);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.path());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(scratch.path());
    program.start(QStringLiteral(DUNGEON_BOARD), arguments);
    QVERIFY(program.waitForFinished(60'000));
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY2(err.contains(error), qPrintable(err));
    if (exitCode == 1)
        QCOMPARE(err.count(u'\n'), 1);
    if (!written.isEmpty())
        QVERIFY(QFileInfo(scratch.path() + u'/' + written).size() > 0);
}

QTEST_GUILESS_MAIN(tst_Exchange)
#include "tst_exchange.moc"
