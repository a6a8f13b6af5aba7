// Copies of the program changing the state files of one dungeon at once:
// each change is applied to what the file holds, so none is lost, and two
// new dungeons never share a folder.
#include "dungeon/dungeondescription.h"
#include "fight/fight.h"
#include "fog/tablefile.h"
#include "tests/support/filetesting.h"

#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

class tst_StateFiles : public QObject
{
    Q_OBJECT

private slots:
    void twoCopiesRevealAndJoin();
    void copiesMakeNewDungeonsAtOnce();

private:
    QTemporaryDir m_dir;
};

namespace {

// Runs one copy per list of arguments, set off at once; their outputs, or
// nothing when one failed.
QStringList runTogether(const QString &go, const QList<QStringList> &copies)
{
    std::vector<std::unique_ptr<QProcess>> running;
    for (const QStringList &arguments : copies) {
        auto &copy = running.emplace_back(std::make_unique<QProcess>());
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(TRUST_STATEWRITER), QStringList{go} + arguments);
    }
    putFile(go, "");
    QStringList outputs;
    for (auto &copy : running) {
        if (!copy->waitForFinished(60000) || copy->exitCode() != 0)
            return {};
        outputs += QString::fromLocal8Bit(copy->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    return outputs;
}

QStringList numbers(const QString &command, const QString &path, int from, int to)
{
    QStringList list{command, path};
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

} // namespace

void tst_StateFiles::twoCopiesRevealAndJoin()
{
    const QString table = TableFile::path(m_dir.filePath(QStringLiteral("Dungeon1")));
    const QString fight = m_dir.filePath(QStringLiteral("Dungeon1/fight.json"));
    runTogether(m_dir.filePath("go reveal"), {numbers("reveal", table, 1, 20), numbers("reveal", table, 21, 40)});
    runTogether(m_dir.filePath("go join"), {numbers("join", fight, 1, 15), numbers("join", fight, 16, 30)});

    const TableFile::ReadResult read = TableFile::read(table);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.fog.revealed.size(), 40);
    Fight joined;
    QCOMPARE(joined.open(fight).opened, Fight::Opened::Restored);
    QCOMPARE(joined.state().encounters.size(), 30);
    QCOMPARE(joined.state().combatants.size(), 30);
}

void tst_StateFiles::copiesMakeNewDungeonsAtOnce()
{
    const QString program = m_dir.filePath(QStringLiteral("create"));
    const QString picture = m_dir.filePath(QStringLiteral("map.png"));
    QImage map(40, 30, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    QVERIFY(map.save(picture));
    constexpr int Made = 4 * 10;
    const QStringList made = runTogether(m_dir.filePath("go create"), QList<QStringList>(4, {"create", program, picture, "10"}));
    QCOMPARE(QSet<QString>(made.begin(), made.end()).size(), Made);
    QCOMPARE(Dungeon::dungeonNumbers(program).size(), Made);
    QSet<QString> titles;
    for (int number = 1; number <= Made; ++number) {
        const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(Storage::dungeonFolder(program, qint16(number)));
        QVERIFY2(read.ok() && read.exists, qPrintable(read.error));
        titles.insert(read.description.title);
    }
    QCOMPARE(titles.size(), Made); // each written by one copy only
}

QTEST_GUILESS_MAIN(tst_StateFiles)
#include "tst_statefiles.moc"
