// Details files no RTF writer made: not RTF at all, random bytes after an
// RTF header, and 50 MB documents of the kinds that break readers. Loading
// each into the rich-text box finishes within a bounded time and memory and
// shows what can be read; a folder in place of the file loads nothing and
// keeps what the box showed.
#include "tests/support/filetesting.h"
#include "kit/richtextbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

constexpr qsizetype Megabyte = 1024 * 1024;

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// 50 MB of what the pattern repeats, between an RTF header and an ending.
QByteArray fiftyMegabytes(const QByteArray &header, const QByteArray &pattern, const QByteArray &ending)
{
    return header + pattern.repeated(50 * Megabyte / pattern.size()) + ending;
}

// The peak resident memory since the last reset, in megabytes. Linux keeps
// it per process and lets the process start it afresh at its current size.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return -1;
}

qint64 residentMemory()
{
    resetPeakMemory();
    return peakMemory();
}

} // namespace

class tst_RtfFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadDetails_data();
    void loadDetails();
};

void tst_RtfFaults::initTestCase()
{
    // Every one of these files is malformed on purpose.
    QLoggingCategory::setFilterRules(QStringLiteral("dungeon.rtf.warning=false"));
}

void tst_RtfFaults::loadDetails_data()
{
    QTest::addColumn<QByteArray>("content"); // a folder stands in place of the file when empty
    QTest::addColumn<QString>("shown");      // text the box must show afterwards

    const QByteArray header = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\n";
    QTest::newRow("folder in place of the file") << QByteArray() << "shown before";
    QTest::newRow("1 MB of random bytes") << randomBytes(Megabyte, 1) + "the end" << "the end";
    QTest::newRow("RTF header, then 1 MB of random bytes")
            << header + "the start" + randomBytes(Megabyte, 2) << "the start";
    QTest::newRow("50 MB of text")
            << fiftyMegabytes(header, "\\pard Orcs guard the {\\b gate} at night.\\par\n", "the end}")
            << "the end";
    QTest::newRow("50 MB picture")
            << fiftyMegabytes(header + "{\\pict\\pngblip\\picw100\\pich100 ", "89504e470d0a1a0a", "}the end}")
            << "the end";
    QTest::newRow("50 MB of opening braces") << fiftyMegabytes(header, "{", "the end") << "the end";
    QTest::newRow("50 MB of control words")
            << fiftyMegabytes(header, "\\b\\i0\\fs99999\\u-10179\\'e9", " the end}") << "the end";
    QTest::newRow("50 MB of one paragraph")
            << fiftyMegabytes(header, "orc ", "the end}") << "the end";
}

void tst_RtfFaults::loadDetails()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("7.Encounter7"));
    if (content.isEmpty()) {
        QVERIFY(QDir().mkdir(path));
    } else {
        putFile(path, content);
    }
    const qint64 memoryBefore = residentMemory();

    RichTextBox box;
    box.setPlainText(QStringLiteral("shown before"));
    QElapsedTimer clock;
    clock.start();
    const bool loaded = box.LoadFile(path);
    const qint64 milliseconds = clock.elapsed();
    const QString text = box.toPlainText();
    const qint64 memory = peakMemory() - memoryBefore;
    qInfo("%lld ms, peak memory %lld MB above the start, %lld characters shown",
          milliseconds, memory, qint64(text.size()));

    QCOMPARE(loaded, !content.isEmpty());
    QVERIFY2(text.contains(shown), qPrintable(text.right(200)));
    // Bounds far above what a sound reader needs, even under sanitizers, and
    // far below what a hang or unbounded growth reaches.
    QVERIFY2(milliseconds < 150'000, "loading took too long");
    QVERIFY2(memoryBefore > 0 && memory < 40 * content.size() / Megabyte + 200, "loading took too much memory");
}

QTEST_MAIN(tst_RtfFaults)
#include "tst_rtffaults.moc"
