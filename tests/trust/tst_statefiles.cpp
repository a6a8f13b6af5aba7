// Copies of the program changing the state files of one dungeon at once:
// each change is applied to what the file holds, so none is lost, and two
// new dungeons never share a folder.
#include "dungeon/dungeondescription.h"
#include "fight/fight.h"
#include "fog/tablefile.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QFile>
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
    void twoCopiesReveal();
    void twoCopiesJoinTheFight();
    void copiesMakeNewDungeonsAtOnce();

private:
    // Runs one copy per list of arguments, all set off at once; their
    // standard outputs.
    QStringList runTogether(const QList<QStringList> &copies);
    QTemporaryDir m_dir;
};

namespace {

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

} // namespace

QStringList tst_StateFiles::runTogether(const QList<QStringList> &copies)
{
    const QString go = m_dir.filePath(QStringLiteral("go"));
    QFile::remove(go);
    std::vector<std::unique_ptr<QProcess>> running;
    for (const QStringList &arguments : copies) {
        auto &copy = running.emplace_back(std::make_unique<QProcess>());
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(TRUST_STATEWRITER), QStringList{go} + arguments);
        if (!copy->waitForStarted())
            return {};
    }
    putFile(go, "");
    QStringList outputs;
    for (auto &copy : running) {
        if (!copy->waitForFinished(60000) || copy->exitCode() != 0)
            return {};
        outputs.append(QString::fromLocal8Bit(copy->readAllStandardOutput()).trimmed());
    }
    return outputs;
}

void tst_StateFiles::twoCopiesReveal()
{
    const QString table = TableFile::path(m_dir.filePath(QStringLiteral("reveal")));
    QCOMPARE(runTogether({QStringList{"reveal", table} + numbers(1, 20), QStringList{"reveal", table} + numbers(21, 40)}).size(), 2);
    const TableFile::ReadResult read = TableFile::read(table);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.fog.revealed.size(), 40);
}

void tst_StateFiles::twoCopiesJoinTheFight()
{
    const QString file = m_dir.filePath(QStringLiteral("join/fight.json"));
    QCOMPARE(runTogether({QStringList{"join", file} + numbers(1, 15), QStringList{"join", file} + numbers(16, 30)}).size(), 2);
    Fight fight;
    QCOMPARE(fight.open(file).opened, Fight::Opened::Restored);
    QCOMPARE(fight.state().encounters.size(), 30);
    QCOMPARE(fight.state().combatants.size(), 30);
}

void tst_StateFiles::copiesMakeNewDungeonsAtOnce()
{
    const QString program = m_dir.filePath(QStringLiteral("create"));
    const QString picture = m_dir.filePath(QStringLiteral("map.png"));
    QImage map(40, 30, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    QVERIFY(map.save(picture));
    constexpr int Copies = 4;
    constexpr int Each = 10;
    const QStringList made = runTogether(QList<QStringList>(Copies, QStringList{"create", program, picture, QString::number(Each)}))
                                     .join(u'\n').split(u'\n');
    QCOMPARE(QSet<QString>(made.begin(), made.end()).size(), Copies * Each);
    QCOMPARE(Dungeon::dungeonNumbers(program).size(), Copies * Each);
    QSet<QString> titles;
    for (int number = 1; number <= Copies * Each; ++number) {
        const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(Dungeon::dungeonFolder(program, number));
        QVERIFY2(read.ok() && read.exists, qPrintable(read.error));
        titles.insert(read.description.title);
    }
    QCOMPARE(titles.size(), Copies * Each);
}

QTEST_GUILESS_MAIN(tst_StateFiles)
#include "tst_statefiles.moc"
