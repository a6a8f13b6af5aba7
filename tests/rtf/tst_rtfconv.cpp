// rtfconv run as a user runs it, in a shell with no display and no session:
// its exit codes, and a stderr that holds one line naming the fault or
// nothing at all.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_RtfConv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();

private:
    QTemporaryDir m_directory;
};

void tst_RtfConv::initTestCase()
{
    QVERIFY(m_directory.isValid());
    QFile file(m_directory.filePath(u"dragon.rtf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("{\\rtf1\\ansi Here be {\\b dragons}.\\par}") > 0);
}

void tst_RtfConv::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");   // what stdout starts with
    QTest::addColumn<QString>("complaint"); // the one line on stderr contains it; empty: no stderr

    QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"Usage:"_s << QString();
    QTest::newRow("text") << QStringList{u"--text"_s, u"dragon.rtf"_s} << 0 << u"Here be dragons.\n"_s << QString();
    QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s, u"dragon.rtf"_s} << 1 << QString()
                                    << u"frobnicate"_s;
    QTest::newRow("missing file") << QStringList{u"--text"_s, u"lair.rtf"_s} << 1 << QString() << u"lair.rtf"_s;
    QTest::newRow("no file") << QStringList() << 1 << QString() << u"FILE"_s;
}

void tst_RtfConv::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, complaint);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_directory.path());
    process.start(QStringLiteral(RTFCONV), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);

    const QString standardError = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(QString::fromUtf8(process.readAllStandardOutput()).startsWith(output), qPrintable(standardError));
    if (complaint.isEmpty()) {
        QCOMPARE(standardError, QString());
    } else {
        QCOMPARE(standardError.count(u'\n'), 1);
        QVERIFY2(standardError.contains(complaint), qPrintable(standardError));
    }
}

QTEST_GUILESS_MAIN(tst_RtfConv)
#include "tst_rtfconv.moc"
