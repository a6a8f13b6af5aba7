// Two copies of the program on one folder: one saves encounter 7 over and
// over, numbering each save in both its table and its details, while this
// one reads the encounter each way the program does: the board, find and the
// booklet. No read may show the table of one save beside the details of
// another.
#include "tests/support/formtesting.h"
#include "versions.h"

#include "app/startup.h"
#include "booklet/booklet.h"
#include "dungeon_window/encounterindex.h"
#include "kit/form.h"
#include "kit/module1.h"
#include "kit/richtextbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <memory>

namespace {

enum class Path { Board, Find, Booklet };

// The save number a text carries after `word`, or -1.
long numberAfter(const QString &word, const QString &text)
{
    const QRegularExpressionMatch match =
            QRegularExpression(word + QStringLiteral(" (\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

} // namespace

class tst_PairedReads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyReadShowsOneSave_data();
    void everyReadShowsOneSave();

private:
    // The save numbers of the table and the details, as the path shows them.
    std::pair<long, long> read(Path path);

    // Saves are quick in memory, so that many land beside the reads.
    std::unique_ptr<QTemporaryDir> m_dungeons;
    QString m_link;
    std::unique_ptr<EncounterIndex> m_index;
};

void tst_PairedReads::initTestCase()
{
    startDungeonBoard();
    m_dungeons = std::make_unique<QTemporaryDir>(
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/pairedreads-XXXXXX")
                                                      : QDir::tempPath() + QStringLiteral("/pairedreads-XXXXXX"));
    QVERIFY(m_dungeons->isValid());
    m_link = Storage::programFolder() + QStringLiteral("/Dungeons");
    QFile::remove(m_link);
    QDir(m_link).removeRecursively();
    QVERIFY(QFile::link(m_dungeons->path(), m_link));
    QVERIFY(showBoard());
}

void tst_PairedReads::cleanupTestCase()
{
    unloadWindows();
    QFile::remove(m_link);
}

void tst_PairedReads::everyReadShowsOneSave_data()
{
    QTest::addColumn<Path>("path");
    QTest::newRow("board") << Path::Board;
    QTest::newRow("find") << Path::Find;
    QTest::newRow("booklet") << Path::Booklet;
}

std::pair<long, long> tst_PairedReads::read(Path path)
{
    switch (path) {
    case Path::Board:
        Module1::DungeonWindow->showEncounter(7);
        return {numberAfter(QStringLiteral("Table"), textOf(board(), QStringLiteral("Text1(0)"))),
                numberAfter(QStringLiteral("Details"),
                            control<RichTextBox>(board(), QStringLiteral("RichTextBox1(0)"))->toPlainText())};
    case Path::Find: {
        m_index->refresh();
        const QList<EncounterIndex::Match> names = m_index->find(QStringLiteral("Table "));
        const QList<EncounterIndex::Match> details = m_index->find(QStringLiteral("Details "));
        return {names.isEmpty() ? -1 : numberAfter(QStringLiteral("Table"), names[0].context),
                details.isEmpty() ? -1 : numberAfter(QStringLiteral("Details"), details[0].context)};
    }
    case Path::Booklet: {
        const QString text =
                Booklet::encounterBooklet(Storage::programFolder(), 1, QStringLiteral("7"))->toPlainText();
        return {numberAfter(QStringLiteral("Table"), text), numberAfter(QStringLiteral("Details"), text)};
    }
    }
    return {};
}

void tst_PairedReads::everyReadShowsOneSave()
{
    QFETCH(Path, path);
    constexpr int Saves = 3000;

    QDir(m_dungeons->path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dungeons->path()));
    const QString programFolder = Storage::programFolder();
    QProcess first;
    first.start(QStringLiteral(TRUST_SAVER), {programFolder, QStringLiteral("N"), QStringLiteral("1")});
    QVERIFY(first.waitForFinished() && first.exitCode() == 0);
    m_index = std::make_unique<EncounterIndex>(programFolder, 1);

    QProcess saver;
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(TRUST_SAVER), {programFolder, QStringLiteral("N"), QString::number(Saves)});
    QVERIFY(saver.waitForStarted());
    int reads = 0, mixed = 0;
    long lastSeen = 0;
    QByteArray firstMix;
    while (!saver.waitForFinished(0)) {
        const auto [table, details] = read(path);
        ++reads;
        if (table != details && firstMix.isEmpty())
            firstMix = "table of save " + QByteArray::number(table) + " beside details of save "
                    + QByteArray::number(details);
        mixed += table != details;
        lastSeen = std::max(lastSeen, table);
    }
    QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
    QCOMPARE(saver.exitCode(), 0);
    qInfo("%d reads beside %d saves, %d of them pairing two saves; the reads saw save %ld",
          reads, Saves, mixed, lastSeen);
    QVERIFY2(lastSeen > 0, "the reads never saw a save land");
    QVERIFY2(mixed == 0, firstMix.constData());
}

QTEST_MAIN(tst_PairedReads)
#include "tst_pairedreads.moc"
