// rtfconv run as a user runs it, in a shell with no display and no session:
// its exit codes, and a stderr that holds one line naming the fault or
// nothing at all.

#include <QProcess>
#include <QRegularExpression>
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
    void listItemStyle();

private:
    QString convert(const QStringList &arguments);

    QTemporaryDir m_directory;
};

void tst_RtfConv::initTestCase()
{
    QVERIFY(m_directory.isValid());
    QFile file(m_directory.filePath(u"dragon.rtf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("{\\rtf1\\ansi Here be {\\b dragons}.\\par}") > 0);
    // A bullet as LibreOffice writes it: the item's font and size are its paragraph's.
    QFile list(m_directory.filePath(u"list.rtf"_s));
    QVERIFY(list.open(QIODevice::WriteOnly));
    QVERIFY(list.write("{\\rtf1{\\fonttbl{\\f0\\fcharset2 OpenSymbol;}{\\f2 DejaVu Serif;}}"
                       "{\\stylesheet{\\s0\\f2\\fs24 Normal;}{\\s18\\sbasedon0\\sa140 Text Body;}}"
                       "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext \\'01\\u8226 ?;}\\f0}\\listid1}}"
                       "{\\listoverridetable{\\listoverride\\listid1\\ls1}}\\pard\\plain \\s18{\\listtext\\pard\\plain "
                       "\\f0 \\u8226\\'95\\tab}\\ls1\\li709\\fi-283 Goblins (4)\\par}")
            > 0);
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

// Every reader of the HTML sees the item's font and size: one style
// attribute per element, whichever of two a parser would keep.
void tst_RtfConv::listItemStyle()
{
    const QString html = convert({u"list.rtf"_s});
    static const QRegularExpression item(u"<li( [a-z-]+=\"[^\"]*\")*>Goblins"_s);
    const QRegularExpressionMatch match = item.match(html);
    QVERIFY2(match.hasMatch(), qPrintable(html));
    const QString tag = match.captured();
    QCOMPARE(tag.count(u"style="_s), 1);
    QVERIFY2(tag.contains(u"font-family:'DejaVu Serif'; font-size:12pt;"_s), qPrintable(tag));
    QVERIFY2(tag.contains(u"margin-bottom:7px;"_s), qPrintable(tag));
}

QString tst_RtfConv::convert(const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_directory.path());
    process.start(QStringLiteral(RTFCONV), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QTEST_GUILESS_MAIN(tst_RtfConv)
#include "tst_rtfconv.moc"
