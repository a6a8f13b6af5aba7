// Two copies of the program on one folder: while one saves an encounter over
// and over, the other reads it as a selection on its board would. Every read
// finds one whole version, and the last save is what the next read shows.
#include "tests/support/filetesting.h"
#include "versions.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace Trust;

namespace {

} // namespace

class tst_SharedFolder : public QObject
{
    Q_OBJECT

private slots:
    void readsBesideSaves_data();
    void readsBesideSaves();
};

void tst_SharedFolder::readsBesideSaves_data()
{
    QTest::addColumn<int>("savers");
    QTest::newRow("one copy saves, the other reads") << 1;
    QTest::newRow("two copies save, a third reads") << 2;
}

void tst_SharedFolder::readsBesideSaves()
{
    QFETCH(int, savers);
    constexpr int Saves = 201; // each saver's; odd, so that the first saver begins and ends on B

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Storage::EncounterFiles files = Trust::files(dir.path());
    QVERIFY(Storage::createFolders(files).ok());
    putFile(files.tableFile, table(A));
    putFile(files.detailsFile, details(A));

    std::vector<std::unique_ptr<QProcess>> running;
    for (int i = 0; i < savers; ++i) {
        auto &saver = running.emplace_back(std::make_unique<QProcess>());
        saver->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver->start(QStringLiteral(TRUST_SAVER),
                     { dir.path(), QString(QChar(letter(i % 2 ? A : B))), QString::number(Saves) });
        QVERIFY(saver->waitForStarted());
    }
    const auto saving = [&running] {
        bool any = false;
        for (auto &saver : running) {
            saver->waitForFinished(0); // notices an end without waiting for one
            any = saver->state() != QProcess::NotRunning || any;
        }
        return any;
    };

    const QByteArray tables[] = { table(A), table(B) };
    const QByteArray documents[] = { details(A), details(B) };
    int reads = 0;
    int tableChanges = 0;
    int detailsChanges = 0;
    Holds lastTable = Holds::A;
    Holds lastDetails = Holds::A;
    while (saving()) {
        ++reads;
        const Storage::Cells cells = Storage::readTableCreatingFile(files);
        QVERIFY2(cells == Trust::cells(A) || cells == Trust::cells(B),
                 qPrintable(QStringLiteral("read %1: the cells are of neither version").arg(reads)));

        const QByteArray tableBytes = content(files.tableFile);
        const Holds table = classify(tableBytes, tables[A], tables[B]);
        QVERIFY2(table != Holds::Other,
                 "read " + QByteArray::number(reads) + ": the table file is neither version whole: "
                         + describe(tableBytes, tables[A], tables[B]));
        tableChanges += table != lastTable;
        lastTable = table;

        const QByteArray detailsBytes = content(files.detailsFile);
        const Holds details = classify(detailsBytes, documents[A], documents[B]);
        QVERIFY2(details != Holds::Other,
                 "read " + QByteArray::number(reads) + ": the details file is neither version whole: "
                         + describe(detailsBytes, documents[A], documents[B]));
        detailsChanges += details != lastDetails;
        lastDetails = details;
    }
    for (auto &saver : running) {
        QCOMPARE(saver->exitStatus(), QProcess::NormalExit);
        QCOMPARE(saver->exitCode(), 0);
    }

    // Reads that never saw a save prove nothing.
    QVERIFY2(tableChanges > 0 && detailsChanges > 0, "the reads never saw a save land");
    if (savers == 1) {
        QCOMPARE(content(files.tableFile), tables[B]);
        QCOMPARE(content(files.detailsFile), documents[B]);
        QVERIFY(Storage::readTableCreatingFile(files) == cells(B));
    }
    qInfo("%d reads beside %d saves: the table file seen changing %d times, the details file %d times",
          reads, savers * Saves, tableChanges, detailsChanges);
}

QTEST_GUILESS_MAIN(tst_SharedFolder)
#include "tst_sharedfolder.moc"
