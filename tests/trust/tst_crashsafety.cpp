// Saves killed at random moments. After every kill and the read that
// follows it, the two files of the encounter hold one whole version between
// them: the one before the save under way or the one that save was writing,
// never a mix of the two and never a part. Readers that only look see that
// same version before the read.
#include "tests/support/filetesting.h"
#include "versions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Trust;

namespace {

constexpr int Kills = 300;
constexpr quint32 Seed = 61207;

// The saver's rhythm on this machine, sanitizers and disk included: the
// microseconds from the start of one save to the start of the next.
qint64 microsecondsPerSave(const QString &folder)
{
    constexpr int Saves = 20;
    QProcess saver;
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(TRUST_SAVER), { folder, QStringLiteral("A"), QString::number(Saves) });
    if (!saver.waitForReadyRead(30000))
        return -1;
    QElapsedTimer clock;
    clock.start();
    if (!saver.waitForFinished(60000) || saver.exitCode() != 0)
        return -1;
    return clock.nsecsElapsed() / 1000 / Saves;
}

} // namespace

class tst_CrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedSaves();
};

void tst_CrashSafety::killedSaves()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Storage::EncounterFiles files = Trust::files(dir.path());
    const qint64 saveTime = microsecondsPerSave(dir.path());
    QVERIFY2(saveTime > 0, "the saver could not save");

    QVERIFY(Storage::createFolders(files).ok());
    putFile(files.tableFile, table(B));
    putFile(files.detailsFile, details(B));

    struct File
    {
        const char *name;
        QString path;
        QByteArray versions[2];
        Version holds;
    };
    File encounter[] = { { "table file", files.tableFile, { table(A), table(B) }, B },
                         { "details file", files.detailsFile, { details(A), details(B) }, B } };

    QRandomGenerator random(Seed);
    QElapsedTimer clock;
    clock.start();
    int duringSave = 0;
    int completedByRead = 0;
    int leftovers = 0;
    for (int kill = 1; kill <= Kills; ++kill) {
        const Version first = other(encounter[0].holds);
        QProcess saver;
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start(QStringLiteral(TRUST_SAVER), { dir.path(), QString(QChar(letter(first))) });
        // Timed from the first save on, so that no kill is spent on start-up.
        QVERIFY2(saver.waitForReadyRead(30000), "the saver never began to save");
        QThread::usleep(random.bounded(2 * saveTime));
        saver.kill();
        QVERIFY(saver.waitForFinished(30000));
        QVERIFY2(saver.exitStatus() == QProcess::CrashExit, "the saver stopped on its own");

        const QByteArray events = saver.readAllStandardOutput();
        const qsizetype begun = events.count('b');
        const qsizetype ended = events.count('e');
        QVERIFY2(begun == ended || begun == ended + 1, events.constData());
        const auto savedBy = [first](qsizetype save) { return save % 2 == 0 ? first : other(first); };
        const bool underWay = begun > ended;
        duringSave += underWay;

        const QString pendingDetails = QStringLiteral("%1/.7.Encounter7.pending").arg(files.dungeonFolder);
        completedByRead += QFileInfo::exists(pendingDetails);
        // What a reader that only looks (find, the booklet) takes for the
        // last save is what the read that completes it leaves in place.
        const Storage::EncounterFiles lastSaved = Storage::lastSavedFiles(files);
        const QByteArray lookedAt[] = { content(lastSaved.tableFile), content(lastSaved.detailsFile) };
        const Storage::Cells read = Storage::readTableCreatingFile(files);
        QVERIFY2(lookedAt[0] == content(files.tableFile) && lookedAt[1] == content(files.detailsFile),
                 qPrintable(QStringLiteral("kill %1: a reader that only looks sees another save").arg(kill)));

        for (File &file : encounter) {
            const Version before = ended > 0 ? savedBy(ended - 1) : file.holds;
            const QByteArray bytes = content(file.path);
            const Holds found = classify(bytes, file.versions[A], file.versions[B]);
            const QByteArray where = "kill " + QByteArray::number(kill) + ": the " + file.name;
            QVERIFY2(found != Holds::Other, where + " is neither version whole: "
                             + describe(bytes, file.versions[A], file.versions[B]));
            const Version holds = found == Holds::A ? A : B;
            if (underWay)
                QVERIFY2(holds == before || holds == savedBy(ended), where + " holds an older save");
            else
                QVERIFY2(holds == before, where + " lost a finished save");
            file.holds = holds;
        }
        QVERIFY2(encounter[0].holds == encounter[1].holds,
                 qPrintable(QStringLiteral("kill %1: the table and the details are of two saves").arg(kill)));
        QVERIFY2(read == cells(encounter[0].holds),
                 qPrintable(QStringLiteral("kill %1: the table reads wrong").arg(kill)));

        // A save killed between naming its new file and moving it into place
        // leaves that file behind, beside the encounter's two, never instead;
        // the read has completed or dropped the pending pair.
        const QStringList names = QDir(files.dungeonFolder)
                                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY(names.contains(QStringLiteral("7.Encounter")) && names.contains(QStringLiteral("7.Encounter7")));
        QVERIFY2(names.filter(QRegularExpression(QStringLiteral("\\.pending$"))).isEmpty(),
                 qPrintable(names.join(u' ')));
        leftovers = int(names.size()) - 2;
    }
    qInfo("%d kills in %.1f s, a save every %lld us: %d during a save, %d between saves; "
          "%d kills left a save that the next read completed; %d temporary files left behind",
          Kills, clock.elapsed() / 1000.0, saveTime, duringSave, Kills - duringSave,
          completedByRead, leftovers);
}

QTEST_GUILESS_MAIN(tst_CrashSafety)
#include "tst_crashsafety.moc"
