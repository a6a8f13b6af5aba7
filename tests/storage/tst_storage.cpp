#include "storage/filesteps.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Storage;

namespace {

QByteArray record(QByteArrayView text, quint16 length)
{
    QByteArray bytes(RecordSize, '\0');
    bytes[0] = char(length & 0xff);
    bytes[1] = char(length >> 8);
    bytes.replace(2, text.size(), text.toByteArray());
    return bytes;
}

QByteArray record(QByteArrayView text)
{
    return record(text, quint16(text.size()));
}

// A whole table file; records are numbered from 1, the others are empty.
QByteArray table(const QMap<int, QByteArray> &records)
{
    QByteArray bytes(TableSize, '\0');
    for (auto it = records.begin(); it != records.end(); ++it)
        bytes.replace((it.key() - 1) * RecordSize, RecordSize, it.value());
    return bytes;
}

// Cell texts by index; the cells not named are empty.
using CellTexts = QMap<int, QString>;

Cells cellsWith(const CellTexts &texts)
{
    Cells cells;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        cells[it.key()] = it.value();
    return cells;
}


} // namespace

class tst_Storage : public QObject
{
    Q_OBJECT

private slots:
    void encounterNumber_data();
    void encounterNumber();
    void paths_data();
    void paths();
    void encounterSeven();
    void cellRoundTrip_data();
    void cellRoundTrip();
    void decode_data();
    void decode();
    void readNeverSaved_data();
    void readNeverSaved();
    void writeOverOldFile_data();
    void writeOverOldFile();
    void replaceFile_data();
    void replaceFile();
    void createFolders();
    void writeFailure_data();
    void writeFailure();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void writeEncounter();
    void failedEncounterWriteKeepsBothFiles_data();
    void failedEncounterWriteKeepsBothFiles();
    void storableCellText_data();
    void storableCellText();
    void saveFindsWhatTheEditorRead_data();
    void saveFindsWhatTheEditorRead();
    void halfFailedSaveKnowsWhatItWrote();
    void foldersWithoutLocks_data();
    void foldersWithoutLocks();
};

void tst_Storage::encounterNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("plain") << "7" << 7;
    QTest::newRow("last spot") << "40" << 40;
    QTest::newRow("spaces around") << "  7 " << 7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("many leading zeros") << "0000000000000000000000012" << 12;
    QTest::newRow("plus sign") << "+3" << 3;
    QTest::newRow("minus sign") << "-3" << -3;
    QTest::newRow("minus zero") << "-0" << 0;

    QTest::newRow("half up to even") << "7.5" << 8;
    QTest::newRow("half down to even") << "6.5" << 6;
    QTest::newRow("negative half to even") << "-2.5" << -2;
    QTest::newRow("negative half away to even") << "-3.5" << -4;
    QTest::newRow("half of zero") << "0.5" << 0;
    QTest::newRow("below half") << "2.4999999" << 2;
    QTest::newRow("just above half") << "2.5000000000000000000001" << 3;
    QTest::newRow("half with trailing zeros") << "2.5000" << 2;
    QTest::newRow("no whole part") << ".51" << 1;
    QTest::newRow("no fraction digits") << "5." << 5;
    QTest::newRow("negative no whole part") << "-.5" << 0;

    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("largest rounded down") << "32767.4" << 32767;
    QTest::newRow("rounds past largest") << "32767.5" << 0;
    QTest::newRow("above largest") << "32768" << 0;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("smallest by half to even") << "-32768.5" << -32768;
    QTest::newRow("rounds past smallest") << "-32768.6" << 0;
    QTest::newRow("below smallest") << "-32769" << 0;
    QTest::newRow("huge") << "99999999999999999999999" << 0;

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only spaces") << "   " << 0;
    QTest::newRow("only sign") << "-" << 0;
    QTest::newRow("only point") << "." << 0;
    QTest::newRow("word") << "abc" << 0;
    QTest::newRow("trailing letters") << "12abc" << 0;
    QTest::newRow("exponent") << "1e2" << 0;
    QTest::newRow("hexadecimal") << "0x10" << 0;
    QTest::newRow("comma as point") << "1,5" << 0;
    QTest::newRow("group separator") << "1 000" << 0;
    QTest::newRow("space after sign") << "- 5" << 0;
    QTest::newRow("two signs") << "+-5" << 0;
    QTest::newRow("trailing sign") << "5-" << 0;
    QTest::newRow("two points") << "1.2.3" << 0;
    QTest::newRow("NaN") << "NaN" << 0;
    QTest::newRow("infinity") << "inf" << 0;
    QTest::newRow("tab is not a space") << "\t7" << 0;
    QTest::newRow("newline is not a space") << "7\n" << 0;
    QTest::newRow("no-break space is not a space") << "\u00a07" << 0;
    QTest::newRow("full-width digit") << "\uff17" << 0;
    QTest::newRow("Arabic-Indic digit") << "\u0667" << 0;
}

void tst_Storage::encounterNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(Storage::encounterNumber(text), number);
}

void tst_Storage::paths_data()
{
    QTest::addColumn<int>("dungeon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tableFile");
    QTest::addColumn<QString>("detailsFile");

    QTest::newRow("typical") << 1 << "7" << "Dungeon1/7.Encounter" << "Dungeon1/7.Encounter7";
    QTest::newRow("text kept verbatim") << 1 << " 7 " << "Dungeon1/ 7 .Encounter" << "Dungeon1/ 7 .Encounter7";
    QTest::newRow("rounded number") << 1 << "7.5" << "Dungeon1/7.5.Encounter" << "Dungeon1/7.5.Encounter8";
    QTest::newRow("no number") << 1 << "abc" << "Dungeon1/abc.Encounter" << "Dungeon1/abc.Encounter0";
    QTest::newRow("empty text") << 1 << "" << "Dungeon1/.Encounter" << "Dungeon1/.Encounter0";
    QTest::newRow("minus zero") << 1 << "-0" << "Dungeon1/-0.Encounter" << "Dungeon1/-0.Encounter0";
    QTest::newRow("two-digit dungeon") << 12 << "40" << "Dungeon12/40.Encounter" << "Dungeon12/40.Encounter40";
    QTest::newRow("negative dungeon") << -3 << "1" << "Dungeon-3/1.Encounter" << "Dungeon-3/1.Encounter1";
}

void tst_Storage::paths()
{
    QFETCH(int, dungeon);
    QFETCH(QString, text);
    QFETCH(QString, tableFile);
    QFETCH(QString, detailsFile);

    const EncounterFiles files = encounterFiles("/opt/board", qint16(dungeon), text);
    QCOMPARE(files.dungeonsRoot, "/opt/board/Dungeons");
    QCOMPARE(files.dungeonFolder, "/opt/board/Dungeons/Dungeon" + QString::number(dungeon));
    QCOMPARE(files.tableFile, "/opt/board/Dungeons/" + tableFile);
    QCOMPARE(files.detailsFile, "/opt/board/Dungeons/" + detailsFile);
}

void tst_Storage::encounterSeven()
{
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    const Cells typed = cellsWith({ { 0, "Orc" }, { 1, "Orc leader" }, { 10, "6" }, { 11, "4" },
                                { 20, "1d8" }, { 21, "1d10" }, { 30, "15" }, { 31, "22" } });
    QVERIFY(Storage::createFolders(files).ok());
    QVERIFY(writeTable(files.tableFile, typed).ok());

    QByteArray expected(5120, '\0');
    const QList<std::pair<int, const char *>> recordStarts = {
        { 1, "03004F7263" },   { 2, "0A004F7263206C6561646572" },
        { 11, "010036" },      { 12, "010034" },
        { 21, "0300316438" },  { 22, "040031643130" },
        { 31, "02003135" },    { 32, "02003232" },
    };
    for (const auto &[number, hex] : recordStarts) {
        const QByteArray start = QByteArray::fromHex(hex);
        expected.replace((number - 1) * 128, start.size(), start);
    }
    QCOMPARE(content(dir.path() + "/Dungeons/Dungeon1/7.Encounter"), expected);
    QCOMPARE(list(readTableCreatingFile(files)), list(typed));
}

void tst_Storage::cellRoundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored"); // length and text, before the filler
    QTest::addColumn<QString>("readBack");

    QTest::newRow("plain") << "Orc" << QByteArray::fromHex("03004f7263") << "Orc";
    QTest::newRow("spaces stored, trimmed on reading")
            << "  Orc " << QByteArray::fromHex("060020204f726320") << "Orc";
    QTest::newRow("empty") << "" << QByteArray::fromHex("0000") << "";
    QTest::newRow("only spaces") << "   " << QByteArray::fromHex("0300202020") << "";
    QTest::newRow("tabs kept") << "\tOrc\t" << QByteArray::fromHex("0500094f726309") << "\tOrc\t";
    QTest::newRow("no-break space kept")
            << "\u00a0Orc" << QByteArray::fromHex("0400a04f7263") << "\u00a0Orc";
    QTest::newRow("accents") << "Crème brûlée"
                             << QByteArray::fromHex("0c004372e86d65206272fb6ce965") << "Crème brûlée";
    QTest::newRow("euro sign is Windows-1252, not Latin-1")
            << "5€" << QByteArray::fromHex("02003580") << "5€";
    QTest::newRow("outside the code page") << "中Orc" << QByteArray::fromHex("04003f4f7263") << "?Orc";
    QTest::newRow("one mark for a surrogate pair")
            << "\U0001F409" << QByteArray::fromHex("01003f") << "?";
    QTest::newRow("126 bytes stored whole")
            << QString(126, 'x') << QByteArray::fromHex("7e00") + QByteArray(126, 'x')
            << QString(126, 'x');
    QTest::newRow("127 bytes not stored") << QString(127, 'x') << QByteArray::fromHex("0000") << "";
}

void tst_Storage::cellRoundTrip()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);

    QTemporaryDir dir;
    const QString path = dir.filePath("9.Encounter");
    QVERIFY(writeTable(path, cellsWith({ { 0, "Bat" }, { 15, typed }, { 39, "4" } })).ok());

    const QByteArray bytes = content(path);
    QCOMPARE(bytes.size(), TableSize);
    QCOMPARE(bytes.mid(15 * RecordSize, RecordSize), stored + QByteArray(RecordSize - stored.size(), '\0'));
    QCOMPARE(list(readExistingTable(path)), list(cellsWith({ { 0, "Bat" }, { 15, readBack }, { 39, "4" } })));
}

void tst_Storage::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CellTexts>("cells");

    const CellTexts empty;
    QTest::newRow("zero bytes") << QByteArray() << empty;
    QTest::newRow("records past the end read empty")
            << record("Orc") + record("") + record("Bat") << CellTexts{ { 0, "Orc" }, { 2, "Bat" } };
    QTest::newRow("record cut short by the end reads empty")
            << record("Orc") + record("Rat").first(40) << CellTexts{ { 0, "Orc" } };
    QTest::newRow("length 127 reads empty, the next record still reads")
            << record(QByteArray(126, 'x'), 127) + record("Orc") << CellTexts{ { 1, "Orc" } };
    QTest::newRow("length 65535 reads empty") << record("Orc", 0xffff) << empty;
    QTest::newRow("length is little-endian")
            << record("A", 0x0100) + QByteArray::fromHex("0100") + "B" + QByteArray(125, '\0')
            << CellTexts{ { 1, "B" } };
    QTest::newRow("filler ignored")
            << record("Orc").replace(5, 6, "Goblin") << CellTexts{ { 0, "Orc" } };
    QTest::newRow("only spaces trimmed")
            << record("  \tOrc \t ") << CellTexts{ { 0, "\tOrc \t" } };
    QTest::newRow("bytes past record 40 ignored")
            << table({ { 40, record("22") } }) + record("Orc") << CellTexts{ { 39, "22" } };
    QTest::newRow("bytes without a character read as controls")
            << record("\x81\x8d\x8f\x90\x9d") << CellTexts{ { 0, "\u0081\u008d\u008f\u0090\u009d" } };
}

void tst_Storage::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CellTexts, cells);

    QCOMPARE(list(decodeTable(bytes)), list(cellsWith(cells)));

    QTemporaryDir dir;
    const QString path = dir.filePath("5.Encounter");
    putFile(path, bytes);
    QCOMPARE(list(readExistingTable(path)), list(cellsWith(cells)));
}

enum class Place { DungeonFolder, NoDungeonFolder, FolderInsteadOfFile };

void tst_Storage::readNeverSaved_data()
{
    QTest::addColumn<Place>("place");
    QTest::newRow("dungeon folder present") << Place::DungeonFolder;
    QTest::newRow("dungeon folder missing") << Place::NoDungeonFolder;
    QTest::newRow("folder where the file should be") << Place::FolderInsteadOfFile;
}

void tst_Storage::readNeverSaved()
{
    QFETCH(Place, place);

    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "3");
    if (place != Place::NoDungeonFolder)
        QVERIFY(Storage::createFolders(files).ok());
    if (place == Place::FolderInsteadOfFile)
        QVERIFY(QDir().mkdir(files.tableFile));

    // Only the readers of the windows leave an empty table behind.
    QCOMPARE(list(readExistingTable(files.tableFile)), list(Cells()));
    QCOMPARE(QFileInfo::exists(files.tableFile), place == Place::FolderInsteadOfFile);
    QCOMPARE(list(readTableCreatingFile(files)), list(Cells()));

    const QFileInfo tableInfo(files.tableFile);
    switch (place) {
    case Place::DungeonFolder:
        QVERIFY(tableInfo.isFile());
        QCOMPARE(tableInfo.size(), 0);
        break;
    case Place::NoDungeonFolder:
        QVERIFY(QDir(dir.path()).isEmpty());
        break;
    case Place::FolderInsteadOfFile:
        QVERIFY(tableInfo.isDir());
        break;
    }
    QVERIFY(!QFileInfo::exists(files.detailsFile));
}

void tst_Storage::writeOverOldFile_data()
{
    QTest::addColumn<bool>("oldExists");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<CellTexts>("typed");
    QTest::addColumn<QByteArray>("expected");

    const QString tooLong(127, 'x');
    const QByteArray troll = record("Troll").replace(100, 4, "junk");

    QTest::newRow("new file") << false << QByteArray() << CellTexts{ { 0, "Orc" } }
                              << table({ { 1, record("Orc") } });
    QTest::newRow("empty old file") << true << QByteArray() << CellTexts{ { 0, "Orc" } }
                                    << table({ { 1, record("Orc") } });
    QTest::newRow("saving again replaces all forty records")
            << true << table({ { 1, record("Orc leader") }, { 2, troll }, { 40, record("22") } })
            << CellTexts{ { 0, "Orc" } } << table({ { 1, record("Orc") } });
    QTest::newRow("bytes past record 40 survive")
            << true << table({ { 3, troll } }) + "tail"
            << CellTexts{ { 0, "Orc" } } << table({ { 1, record("Orc") } }) + "tail";
    QTest::newRow("cell too long keeps the old record")
            << true << table({ { 1, record("Bat") }, { 3, troll } })
            << CellTexts{ { 0, "Orc" }, { 2, tooLong } }
            << table({ { 1, record("Orc") }, { 3, troll } });
    QTest::newRow("cell too long in a new file stays empty")
            << false << QByteArray() << CellTexts{ { 0, "Orc" }, { 2, tooLong } }
            << table({ { 1, record("Orc") } });
    QTest::newRow("short old file grows to forty records")
            << true << record("Bat") + troll << CellTexts{ { 0, "Orc" }, { 1, tooLong } }
            << table({ { 1, record("Orc") }, { 2, troll } });
    QTest::newRow("record cut short in the old file is not kept")
            << true << record("Bat") + troll.first(60)
            << CellTexts{ { 0, "Orc" }, { 1, tooLong } } << table({ { 1, record("Orc") } });
}

void tst_Storage::writeOverOldFile()
{
    QFETCH(bool, oldExists);
    QFETCH(QByteArray, old);
    QFETCH(CellTexts, typed);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("7.Encounter");
    if (oldExists)
        putFile(path, old);

    QVERIFY(writeTable(path, cellsWith(typed)).ok());
    QCOMPARE(content(path), expected);
    QCOMPARE(encodeTable(cellsWith(typed), old), expected);
}

void tst_Storage::replaceFile_data()
{
    QTest::addColumn<bool>("oldExists");
    QTest::addColumn<QByteArray>("newContent");

    QTest::newRow("new file") << false << QByteArray("{\\rtf1 Orcs}");
    QTest::newRow("shorter content replaces longer") << true << QByteArray("{\\rtf1}");
    QTest::newRow("empty content leaves an empty file") << true << QByteArray();
}

void tst_Storage::replaceFile()
{
    QFETCH(bool, oldExists);
    QFETCH(QByteArray, newContent);

    QTemporaryDir dir;
    const QString path = dir.filePath("7.Encounter7");
    if (oldExists)
        putFile(path, QByteArray(4000, 'o'));

    QVERIFY(writeFileAtomically(path, newContent).ok());
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(content(path), newContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ "7.Encounter7" });
}

void tst_Storage::createFolders()
{
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::createFolders(files).ok());
    QVERIFY(QFileInfo(files.dungeonFolder).isDir());
    QVERIFY2(Storage::createFolders(files).ok(), "existing folders are no error");
}

enum class Action { CreateFolders, WriteTable, WriteDetails };
enum class Obstacle { None, File, Folder };

void tst_Storage::writeFailure_data()
{
    QTest::addColumn<QString>("programFolder"); // all paths below the temporary folder
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("obstaclePath");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("failingPath");

    const QString table = "Dungeons/Dungeon1/7.Encounter";
    QTest::newRow("program folder missing")
            << "gone" << Obstacle::None << "" << Action::CreateFolders << "gone/Dungeons";
    QTest::newRow("file where the dungeons root should be")
            << "" << Obstacle::File << "Dungeons" << Action::CreateFolders << "Dungeons";
    QTest::newRow("file where the dungeon folder should be")
            << "" << Obstacle::File << "Dungeons/Dungeon1" << Action::CreateFolders
            << "Dungeons/Dungeon1";
    QTest::newRow("dungeon folder missing")
            << "" << Obstacle::None << "" << Action::WriteTable << table;
    QTest::newRow("folder where the table file should be")
            << "" << Obstacle::Folder << table << Action::WriteTable << table;
    QTest::newRow("folder where the details file should be")
            << "" << Obstacle::Folder << table + "7" << Action::WriteDetails << table + "7";
}

void tst_Storage::writeFailure()
{
    QFETCH(QString, programFolder);
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, obstaclePath);
    QFETCH(Action, action);
    QFETCH(QString, failingPath);

    QTemporaryDir dir;
    const QDir base(dir.path());
    const QString inTheWay = base.filePath(obstaclePath);
    if (obstacle == Obstacle::Folder) {
        QVERIFY(base.mkpath(obstaclePath));
    } else if (obstacle == Obstacle::File) {
        QVERIFY(base.mkpath(QFileInfo(inTheWay).path()));
        putFile(inTheWay, "in the way");
    }
    const EncounterFiles files = encounterFiles(base.filePath(programFolder), 1, "7");

    WriteResult result;
    switch (action) {
    case Action::CreateFolders:
        result = Storage::createFolders(files);
        break;
    case Action::WriteTable:
        result = writeTable(files.tableFile, cellsWith({ { 0, "Orc" } }));
        break;
    case Action::WriteDetails:
        result = writeFileAtomically(files.detailsFile, "{\\rtf1 Orcs}");
        break;
    }
    verifyFailure(result, base.filePath(failingPath));

    if (obstacle == Obstacle::File)
        QCOMPARE(content(inTheWay), "in the way");
    if (obstacle == Obstacle::Folder)
        QVERIFY(QFileInfo(inTheWay).isDir());
}

void tst_Storage::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("tableFile");
    QTest::newRow("table file") << true;
    QTest::newRow("details file") << false;
}

// A file size limit makes the disk run full part way through the write, for
// any user, root included.
void tst_Storage::failedWriteKeepsOldFile()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, tableFile);

    QTemporaryDir dir;
    const QString path = dir.filePath(tableFile ? "7.Encounter" : "7.Encounter7");
    const QByteArray old = tableFile ? table({ { 1, record("Orc") }, { 3, record("Troll") } })
                                     : QByteArray(3000, 'o');
    putFile(path, old);

    WriteResult result;
    {
        const FileSizeLimit limit(1024);
        QVERIFY(limit.isSet());
        result = tableFile ? writeTable(path, cellsWith({ { 0, "Goblin" } }))
                           : writeFileAtomically(path, QByteArray(6000, 'n'));
    }

    verifyFailure(result, path);
    QCOMPARE(content(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ QFileInfo(path).fileName() });
#else
    QSKIP("needs a file size limit");
#endif
}

void tst_Storage::writeEncounter()
{
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, "Orc" }, { 10, "6" } }), "{\\rtf1 Orcs}").ok());
    QCOMPARE(content(files.tableFile), table({ { 1, record("Orc") }, { 11, record("6") } }));
    QCOMPARE(content(files.detailsFile), "{\\rtf1 Orcs}");

    // Again over the existing folders and files.
    QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, "Troll" } }), "{\\rtf1}").ok());
    QCOMPARE(content(files.tableFile), table({ { 1, record("Troll") } }));
    QCOMPARE(content(files.detailsFile), "{\\rtf1}");
    // No pending file, lock or temporary file stays behind.
    QCOMPARE(QDir(files.dungeonFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({ "7.Encounter", "7.Encounter7" }));
}

void tst_Storage::failedEncounterWriteKeepsBothFiles_data()
{
    QTest::addColumn<bool>("blockTable");
    QTest::newRow("table file blocked") << true;
    QTest::newRow("details file blocked") << false;
}

// Neither file is replaced unless both can be: a folder standing where one of
// them goes leaves the other one whole and old.
void tst_Storage::failedEncounterWriteKeepsBothFiles()
{
    QFETCH(bool, blockTable);

    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, "Orc" } }), "{\\rtf1 old}").ok());
    const QString blocked = blockTable ? files.tableFile : files.detailsFile;
    const QString kept = blockTable ? files.detailsFile : files.tableFile;
    const QByteArray keptContent = content(kept);
    QVERIFY(QFile::remove(blocked));
    QVERIFY(QDir().mkdir(blocked));

    const WriteResult result = Storage::writeEncounter(files, cellsWith({ { 0, "Troll" } }), "{\\rtf1 new}");
    verifyFailure(result, blocked);
    QCOMPARE(content(kept), keptContent);
    QVERIFY(QFileInfo(blocked).isDir());
}

void tst_Storage::storableCellText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("storable");

    QTest::newRow("empty") << "" << true;
    QTest::newRow("ASCII") << "Orc leader" << true;
    QTest::newRow("Latin-1") << "Häuptling à la côte" << true;
    QTest::newRow("euro and quotes") << "5 € \u201Cgold\u201D" << true;
    QTest::newRow("126 bytes") << QString(126, 'x') << true;
    QTest::newRow("127 bytes") << QString(127, 'x') << false;
    QTest::newRow("Greek") << "Ωmega" << false;
    QTest::newRow("snowman") << "\u2603" << false;
    QTest::newRow("emoji") << "\U0001F600" << false;
}

void tst_Storage::storableCellText()
{
    QFETCH(QString, text);
    QFETCH(bool, storable);
    QCOMPARE(isStorableCellText(text), storable);
    if (storable) {
        Cells cells;
        cells[5] = text;
        QCOMPARE(decodeTable(encodeTable(cells))[5], text);
    }
}


void tst_Storage::saveFindsWhatTheEditorRead_data()
{
    QTest::addColumn<QString>("meanwhile"); // what another copy saves after the read
    QTest::addColumn<bool>("conflict");
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("the same bytes again") << "Orc" << false;
    QTest::newRow("another table") << "Troll" << true;
}

// A save replaces only the version it was given; any other is a conflict that
// writes nothing and names the version found, which a second save may replace.
void tst_Storage::saveFindsWhatTheEditorRead()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, conflict);
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, "Orc" } }), "{\\rtf1 Orcs}").ok());
    const Version read = readEncounter(files, ReadMode::Open).version;
    if (!meanwhile.isEmpty())
        QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, meanwhile } }), "{\\rtf1 Orcs}").ok());
    const QByteArray theirs = content(files.tableFile);

    SaveResult result = saveEncounter(files, cellsWith({ { 0, "Goblin" } }), "{\\rtf1 Goblins}", read);
    QCOMPARE(result.conflict, conflict);
    if (conflict) {
        QVERIFY(!result.ok());
        QCOMPARE(content(files.tableFile), theirs);
        QVERIFY(result.onDisk == readEncounter(files, ReadMode::LookOnly).version);
        result = saveEncounter(files, cellsWith({ { 0, "Goblin" } }), "{\\rtf1 Goblins}", result.onDisk);
    }
    QVERIFY(result.ok());
    const SavedEncounter saved = readEncounter(files, ReadMode::LookOnly);
    QCOMPARE(saved.cells[0], QStringLiteral("Goblin"));
    QCOMPARE(saved.details, "{\\rtf1 Goblins}");
    QVERIFY(result.onDisk == saved.version);
}

// Details that fail to follow their table: the save is reported, yet it
// stands, readers see it whole, and the next save from the same version
// finds no other copy's work.
void tst_Storage::halfFailedSaveKnowsWhatItWrote()
{
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::writeEncounter(files, cellsWith({ { 0, "Orc" } }), "{\\rtf1 Orcs}").ok());
    const Version read = readEncounter(files, ReadMode::Open).version;

    simulateFaults({ .detailsMoveError = EIO });
    const SaveResult halfway = saveEncounter(files, cellsWith({ { 0, "Goblin" } }), "{\\rtf1 Goblins}", read);
    simulateFaults({});
    verifyFailure(halfway.written, files.detailsFile);
    QVERIFY(!halfway.conflict);
    const SavedEncounter seen = readEncounter(files, ReadMode::LookOnly);
    QCOMPARE(seen.cells[0], QStringLiteral("Goblin"));
    QCOMPARE(seen.details, "{\\rtf1 Goblins}");
    QVERIFY(halfway.onDisk == seen.version);

    const SaveResult again = saveEncounter(files, cellsWith({ { 0, "Goblin" } }), "{\\rtf1 Goblins}", halfway.onDisk);
    QVERIFY(again.ok());
    QCOMPARE(content(files.detailsFile), "{\\rtf1 Goblins}");
}

void tst_Storage::foldersWithoutLocks_data()
{
    QTest::addColumn<int>("lockError");
    QTest::addColumn<bool>("saves");
    QTest::newRow("no locks (ENOLCK)") << ENOLCK << true;
    QTest::newRow("locks not supported (EOPNOTSUPP)") << EOPNOTSUPP << true;
    QTest::newRow("a fault of the disk (EIO)") << EIO << false;
}

// A file system without locks still reads and saves, and says so once for
// each folder; any other failure to take the folder's turn fails the save.
void tst_Storage::foldersWithoutLocks()
{
    QFETCH(int, lockError);
    QFETCH(bool, saves);
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(Storage::createFolders(files).ok());
    QStringList noticed;
    setUnlockedFolderNotice([&noticed](const QString &folder) { noticed << folder; });
    simulateFaults({ .lockError = lockError });

    const SaveResult first = saveEncounter(files, cellsWith({ { 0, "Orc" } }), "{\\rtf1 Orcs}", {});
    const SaveResult second = saveEncounter(files, cellsWith({ { 0, "Troll" } }), "{\\rtf1 Trolls}", first.onDisk);
    const SavedEncounter read = readEncounter(files, ReadMode::Open);
    simulateFaults({});
    setUnlockedFolderNotice({});

    QCOMPARE(first.ok(), saves);
    QCOMPARE(second.ok(), saves);
    QCOMPARE(read.cells[0], saves ? QStringLiteral("Troll") : QString());
    QCOMPARE(noticed, saves ? QStringList{ files.dungeonFolder } : QStringList());
}

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"
