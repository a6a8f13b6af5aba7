// What real machines do to the encounter files: something standing where a
// folder or a file belongs, a disk that runs full part way through a save,
// table files damaged by other programs. Each gives a clear outcome, and
// nothing saved before is lost.
#include "storage/filesteps.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace Storage;
using EncounterShape::CellCount;
using EncounterShape::MaxCellBytes;

namespace {

// Every file and folder below the folder, with the content of each file.
QStringList tree(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        entries += it.fileInfo().isDir() ? name + '/' : name + ' ' + content(path).toHex();
    }
    entries.sort();
    return entries;
}

Cells cellsNamed(const QString &name)
{
    Cells cells;
    for (int i = 0; i < CellCount; ++i)
        cells[i] = name + ' ' + QString::number(i);
    return cells;
}

QByteArray withLength(QByteArray table, int record, quint16 length)
{
    table[record * RecordSize] = char(length & 0xff);
    table[record * RecordSize + 1] = char(length >> 8);
    return table;
}

} // namespace

class tst_Faults : public QObject
{
    Q_OBJECT

private slots:
    void saveBlocked_data();
    void saveBlocked();
    void readBlocked_data();
    void readBlocked();
    void diskFullDuringSave_data();
    void diskFullDuringSave();
    void corruptTable_data();
    void corruptTable();
    void randomTables();
};

void tst_Faults::saveBlocked_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("isFolder");

    QTest::newRow("dungeons root is a file") << "Dungeons" << false;
    QTest::newRow("dungeon folder is a file") << "Dungeons/Dungeon1" << false;
    QTest::newRow("table file is a folder") << "Dungeons/Dungeon1/7.Encounter" << true;
    QTest::newRow("details file is a folder") << "Dungeons/Dungeon1/7.Encounter7" << true;
}

// The first save of an encounter fails where something is in the way: the
// error names it, and no part of the encounter is left behind. Once the
// obstacle is gone the same save succeeds.
void tst_Faults::saveBlocked()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, isFolder);

    QTemporaryDir dir;
    const QDir base(dir.path());
    const QString inTheWay = base.filePath(obstacle);
    QVERIFY(base.mkpath(isFolder ? obstacle : QFileInfo(inTheWay).path()));
    if (!isFolder)
        putFile(inTheWay, "in the way");
    const QStringList before = tree(dir.path());

    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    verifyFailure(writeEncounter(files, cellsNamed("Orc"), "{\\rtf1 Orcs}"), inTheWay);
    QCOMPARE(tree(dir.path()), before);

    QVERIFY(isFolder ? QDir(inTheWay).removeRecursively() : QFile::remove(inTheWay));
    QVERIFY(writeEncounter(files, cellsNamed("Orc"), "{\\rtf1 Orcs}").ok());
    QCOMPARE(list(readTableCreatingFile(files)), list(cellsNamed("Orc")));
    QCOMPARE(content(files.detailsFile), "{\\rtf1 Orcs}");
}

void tst_Faults::readBlocked_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("dungeons root is a file") << "Dungeons";
    QTest::newRow("dungeon folder is a file") << "Dungeons/Dungeon1";
}

// A selection reads an empty encounter and changes nothing on disk.
void tst_Faults::readBlocked()
{
    QFETCH(QString, obstacle);

    QTemporaryDir dir;
    const QDir base(dir.path());
    QVERIFY(base.mkpath(QFileInfo(base.filePath(obstacle)).path()));
    putFile(base.filePath(obstacle), "in the way");
    const QStringList before = tree(dir.path());

    QCOMPARE(list(readTableCreatingFile(encounterFiles(dir.path(), 1, "7"))), list(Cells()));
    QCOMPARE(tree(dir.path()), before);
}

// Sizes of the files in diskFullDuringSave: the old table carries bytes past
// its fortieth record, which every save keeps.
constexpr qint64 TailSize = 2000;
constexpr qint64 NewTableSize = TableSize + TailSize;
constexpr qint64 NewDetailsSize = 20000;

void tst_Faults::diskFullDuringSave_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("failingFile"); // empty when the save succeeds

    const QString table = "7.Encounter";
    const QString details = "7.Encounter7";
    QTest::newRow("no room at all") << qint64(0) << table;
    QTest::newRow("room for one record") << RecordSize << table;
    QTest::newRow("room for forty records, not the bytes after them") << TableSize + 10 << table;
    QTest::newRow("one byte short of the table") << NewTableSize - 1 << table;
    QTest::newRow("room for the table, not the details") << NewTableSize << details;
    QTest::newRow("one byte short of the details") << NewDetailsSize - 1 << details;
    QTest::newRow("just enough room") << NewDetailsSize << QString();
}

// A file size limit makes the disk run full at a chosen byte of the save,
// for any user, root included. Neither file may change unless both do.
void tst_Faults::diskFullDuringSave()
{
    QFETCH(qint64, limit);
    QFETCH(QString, failingFile);

    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(createFolders(files).ok());
    const QByteArray oldTable = encodeTable(cellsNamed("Orc")) + QByteArray(TailSize, 't');
    const QByteArray oldDetails = "{\\rtf1 " + QByteArray(3000, 'o') + '}';
    putFile(files.tableFile, oldTable);
    putFile(files.detailsFile, oldDetails);
    const QByteArray newDetails = "{\\rtf1 " + QByteArray(NewDetailsSize - 8, 'n') + '}';
    QCOMPARE(newDetails.size(), NewDetailsSize);
    const QStringList before = tree(dir.path());

    WriteResult result;
    {
        const FileSizeLimit sizeLimit(limit);
        QVERIFY(sizeLimit.isSet());
        result = writeEncounter(files, cellsNamed("Troll"), newDetails);
    }

    if (failingFile.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QCOMPARE(content(files.tableFile), encodeTable(cellsNamed("Troll")) + QByteArray(TailSize, 't'));
        QCOMPARE(content(files.detailsFile), newDetails);
    } else {
        verifyFailure(result, QDir(files.dungeonFolder).filePath(failingFile));
        QCOMPARE(tree(dir.path()), before);
    }
}

void tst_Faults::corruptTable_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QList<int>>("unreadable"); // cells that read empty

    const QByteArray orcs = encodeTable(cellsNamed("Orc"));
    QList<int> all(CellCount);
    std::iota(all.begin(), all.end(), 0);

    QByteArray overLimit = orcs;
    for (int record = 0; record < CellCount; ++record)
        overLimit = withLength(overLimit, record, quint16(127 + record * 1000));
    QTest::newRow("every length field over 126") << overLimit << all;
    QTest::newRow("text where a length belongs")
            << withLength(orcs, 39, quint16('O' | 'r' << 8)) << QList<int>{ 39 };
    QTest::newRow("one byte") << orcs.first(1) << all;
    QTest::newRow("one record and one byte") << orcs.first(RecordSize + 1) << all.mid(1);
    QTest::newRow("one byte short of forty records") << orcs.first(TableSize - 1) << QList<int>{ 39 };
    QTest::newRow("odd bytes past forty records, damaged lengths among them")
            << orcs + withLength(orcs, 0, 0xffff).first(3 * RecordSize + 77) << QList<int>();
}

// A damaged table file reads what can be read, and saving over it gives a
// whole table that reads back as saved, keeping what lies past the forty
// records.
void tst_Faults::corruptTable()
{
    QFETCH(QByteArray, old);
    QFETCH(QList<int>, unreadable);

    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(createFolders(files).ok());
    putFile(files.tableFile, old);

    Cells expected = cellsNamed("Orc");
    for (int cell : unreadable)
        expected[cell].clear();
    QCOMPARE(list(readTableCreatingFile(files)), list(expected));

    QVERIFY(writeEncounter(files, cellsNamed("Troll"), "{\\rtf1}").ok());
    QCOMPARE(list(readTableCreatingFile(files)), list(cellsNamed("Troll")));
    const QByteArray saved = content(files.tableFile);
    QCOMPARE(saved.size(), std::max(old.size(), TableSize));
    QCOMPARE(saved.sliced(TableSize), old.size() > TableSize ? old.sliced(TableSize) : QByteArray());
}

// Table files of random bytes and sizes. Each record reads as the rules
// say, and the file takes a save like any other.
void tst_Faults::randomTables()
{
    constexpr int Files = 200;
    QRandomGenerator random(20261207);
    QTemporaryDir dir;
    const EncounterFiles files = encounterFiles(dir.path(), 1, "7");
    QVERIFY(createFolders(files).ok());

    int readableCells = 0;
    for (int n = 0; n < Files; ++n) {
        QByteArray old(random.bounded(3 * int(TableSize)), '\0');
        random.fillRange(reinterpret_cast<quint32 *>(old.data()), old.size() / 4);
        // Half the files get mostly sound length fields, so that their
        // records' text is read too.
        for (int record = 0; n % 2 && (record + 1) * RecordSize <= old.size(); ++record)
            old = withLength(old, record, quint16(random.bounded(140)));
        putFile(files.tableFile, old);

        const Cells cells = readTableCreatingFile(files);
        for (int i = 0; i < CellCount; ++i) {
            const QByteArray where = "file " + QByteArray::number(n) + ", cell " + QByteArray::number(i);
            const qsizetype at = i * RecordSize;
            const int length = at + RecordSize <= old.size()
                    ? quint8(old[at]) | quint8(old[at + 1]) << 8 : -1;
            if (length < 0 || length > MaxCellBytes) {
                QVERIFY2(cells[i].isEmpty(), where);
                continue;
            }
            // One character per byte, spaces trimmed; ASCII reads as itself.
            QByteArray text = old.sliced(at + 2, length);
            while (text.startsWith(' '))
                text.remove(0, 1);
            while (text.endsWith(' '))
                text.chop(1);
            QCOMPARE(cells[i].size(), text.size());
            for (qsizetype c = 0; c < text.size(); ++c) {
                if (quint8(text[c]) < 0x80)
                    QVERIFY2(cells[i][c] == QLatin1Char(text[c]), where);
            }
            readableCells += !text.isEmpty();
        }

        QVERIFY(writeEncounter(files, cellsNamed("Troll"), "{\\rtf1}").ok());
        QCOMPARE(list(readTableCreatingFile(files)), list(cellsNamed("Troll")));
        const QByteArray saved = content(files.tableFile);
        QCOMPARE(saved.size(), std::max(old.size(), TableSize));
        QCOMPARE(saved.sliced(TableSize), old.size() > TableSize ? old.sliced(TableSize) : QByteArray());
    }
    QVERIFY2(readableCells > Files * 5, "too few records held text to check the reading");
}

QTEST_GUILESS_MAIN(tst_Faults)
#include "tst_faults.moc"
