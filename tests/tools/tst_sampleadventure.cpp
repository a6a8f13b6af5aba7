// The sample adventure a first run shows: what is committed must read back
// in the program as written, and must be exactly what its sources give, so
// that an edit to a source can never be forgotten in the stored files.

#include "storage/filesteps.h"
#include "dungeon/dungeondescription.h"
#include "rtf/rtf.h"
#include "tools/samplegen/sampleadventure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace {

// What one stored details document holds, for the checks below.
struct Formatting
{
    bool bold = false;
    bool italic = false;
    bool list = false;
    bool table = false;
    bool picture = false;
};

Formatting formattingOf(const QTextDocument &document)
{
    Formatting found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        found.list = found.list || block.textList();
        found.table = found.table || QTextCursor(block).currentTable();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            found.bold = found.bold || format.fontWeight() >= QFont::Bold;
            found.italic = found.italic || format.fontItalic();
            found.picture = found.picture || format.isImageFormat();
        }
    }
    return found;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_SampleAdventure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void encounterReadsBack_data();
    void encounterReadsBack();
    void adventureHasEveryKindOfDetail();
    void storedFilesAreWhatTheSourcesGive();

private:
    SampleAdventure::Encounters sources;
};

void tst_SampleAdventure::initTestCase()
{
    sources = SampleAdventure::readTables(QStringLiteral(SAMPLE_SOURCES));
    QVERIFY2(sources.error.isEmpty(), qPrintable(sources.error));
    QVERIFY(sources.tables.size() >= 12);
}

void tst_SampleAdventure::encounterReadsBack_data()
{
    QTest::addColumn<int>("number");
    for (int number : sources.tables.keys())
        QTest::addRow("encounter %d", number) << number;
}

void tst_SampleAdventure::encounterReadsBack()
{
    QFETCH(int, number);
    // Named as the program names them; the program folder is left out.
    const Storage::EncounterFiles files = Storage::encounterFiles(QString(), 1, QString::number(number));
    const QDir dungeon(QStringLiteral(SAMPLE_DUNGEON));
    const QString tableFile = dungeon.filePath(QFileInfo(files.tableFile).fileName());
    const QString detailsFile = dungeon.filePath(QFileInfo(files.detailsFile).fileName());
    // Reading a missing table would leave an empty file in the source tree.
    QVERIFY2(QFile::exists(tableFile), qPrintable(tableFile));

    const Storage::Cells cells = Storage::readExistingTable(tableFile);
    QCOMPARE(cells, sources.tables.value(number));
    QVERIFY2(!cells[0].isEmpty(), "every encounter has at least one monster");

    QTextDocument details;
    Rtf::read(fileBytes(detailsFile), &details);
    QVERIFY(details.toPlainText().trimmed().size() > 100);
    const Formatting formatting = formattingOf(details);
    QVERIFY(formatting.bold);
    QVERIFY(formatting.italic);
    QVERIFY(formatting.list);
}

void tst_SampleAdventure::adventureHasEveryKindOfDetail()
{
    Formatting any;
    for (int number : sources.tables.keys()) {
        QTextDocument details;
        Rtf::read(fileBytes(QStringLiteral(SAMPLE_DUNGEON "/%1.Encounter%1").arg(number)), &details);
        const Formatting formatting = formattingOf(details);
        any.table = any.table || formatting.table;
        any.picture = any.picture || formatting.picture;
    }
    QVERIFY2(any.table, "one encounter shows a table");
    QVERIFY2(any.picture, "one encounter shows a picture");
    // Its title, for the Open dialog and the booklet; on the built-in map.
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(QStringLiteral(SAMPLE_DUNGEON));
    QCOMPARE(read.description.title, QStringLiteral("The Sunken Halls of Orvane"));
    QVERIFY(!read.description.hasOwnMap());
    // The Great Hall is outlined up to its open arch: a reveal shows the
    // hall, not the stairs and the corridor beyond the arch.
    const QPolygonF hall = read.description.rooms.value(12);
    QVERIFY(hall.containsPoint(QPointF(230, 250), Qt::OddEvenFill));
    QVERIFY(!hall.containsPoint(QPointF(200, 170), Qt::OddEvenFill));
    for (int spot = 1; spot <= 40; ++spot)
        QVERIFY2(read.description.rooms.contains(spot), qPrintable(QString::number(spot)));
}

void tst_SampleAdventure::storedFilesAreWhatTheSourcesGive()
{
    const SampleAdventure::StoredFiles generated = SampleAdventure::generate(QStringLiteral(SAMPLE_SOURCES));
    QVERIFY2(generated.error.isEmpty(), qPrintable(generated.error));

    QStringList generatedNames;
    for (const SampleAdventure::StoredFile &file : generated.files) {
        generatedNames.append(file.name);
        QVERIFY2(fileBytes(QStringLiteral(SAMPLE_DUNGEON "/") + file.name) == file.bytes,
                 qPrintable(file.name + " differs from its sources: run samplegen"));
    }
    // Nothing stored that no source gives.
    QStringList storedNames = QDir(QStringLiteral(SAMPLE_DUNGEON)).entryList(QDir::Files);
    storedNames.sort();
    generatedNames.sort();
    QCOMPARE(storedNames, generatedNames);
}

QTEST_MAIN(tst_SampleAdventure)
#include "tst_sampleadventure.moc"
