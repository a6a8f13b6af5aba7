#include "../filetesting.h"

#include "booklet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <sys/resource.h>
#include <csignal>

// The booklet read back from its PDF with poppler-utils, and the command line
// run as the user runs it.
class tst_Booklet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void text_data();
    void text();
    void leftOut_data();
    void leftOut();
    void onlyRowsThatHoldSomething();
    void pages_data();
    void pages();
    void mapIsPlacedUnscaled();
    void exportCreatesNothingInTheDungeon();
    void headingNeverEndsAPage();
    void commandLine_data();
    void commandLine();

private:
    QString exportPdf(const QString &programFolder, const QLocale &locale = QLocale::c());

    QTemporaryDir m_scratch;
    QString m_text;
    QStringList m_dungeonBeforeExports;
};

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

void writeEncounter(const QString &programFolder, int number, const QStringList &monsters, const QByteArray &details)
{
    const auto files = Storage::encounterFiles(programFolder, 1, QString::number(number));
    QVERIFY(QDir().mkpath(files.dungeonFolder));
    Storage::Cells cells;
    for (int row = 0; row < monsters.size(); ++row)
        cells[row] = monsters[row];
    if (!monsters.isEmpty())
        putFile(files.tableFile, Storage::encodeTable(cells));
    if (!details.isNull())
        putFile(files.detailsFile, details);
}

QStringList dungeonListing(const QString &programFolder)
{
    QStringList listing;
    for (const QFileInfo &file : QDir(programFolder + "/Dungeons/Dungeon1").entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        listing << QStringLiteral("%1 %2 %3").arg(file.fileName()).arg(file.size()).arg(file.lastModified().toString(Qt::ISODateWithMs));
    return listing;
}

} // namespace

QString tst_Booklet::exportPdf(const QString &programFolder, const QLocale &locale)
{
    const QString pdf = m_scratch.filePath(QStringLiteral("booklet.pdf"));
    const Storage::WriteResult result = Booklet::exportPdf(programFolder, 1, pdf, Booklet::pageSizeFor(locale));
    return result.ok() ? pdf : result.error;
}

void tst_Booklet::initTestCase()
{
    const QString folder = m_scratch.filePath(QStringLiteral("program"));
    writeEncounter(folder, 2, {"Goblin", "", "", "Goblin boss"},
                   R"({\rtf1\ansi The goblins hold the {\b guard room}.\par
                      {\pntext\'B7\tab}{\*\pn\pnlvlblt{\pntxtb\'B7}}First point\par\pard
                      \trowd\cellx2000\cellx4000\intbl Treasure\cell 12 gp\cell\row\pard Closing words\par})");
    writeEncounter(folder, 5, {"Skeleton"}, QByteArray());
    writeEncounter(folder, 7, {}, R"({\rtf1\ansi A draughty corridor.\par})");
    writeEncounter(folder, 9, {"Ogre"}, "PK\x03\x04 no details here");
    putFile(folder + "/Dungeons/Dungeon1/3.Encounter", ""); // as the board leaves it
    m_dungeonBeforeExports = dungeonListing(folder);
    const QString pdf = exportPdf(folder);
    m_text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(m_text.contains(QStringLiteral("Page 2")), qPrintable(pdf));
}

void tst_Booklet::text_data()
{
    QTest::addColumn<QStringList>("inOrder");
    QTest::newRow("title, then the headings by number")
            << QStringList{"Orvane Editable Dungeon 1", "Encounter 2", "Encounter 5", "Encounter 7", "Encounter 9"};
    QTest::newRow("captions, then the rows that hold something")
            << QStringList{"Encounter 2", "Monster Name", "AC", "DMG", "HP", "Goblin", "Goblin boss", "Encounter 5"};
    QTest::newRow("details with formatting, a list and a table")
            << QStringList{"Encounter 2", "guard room", "First point", "Treasure", "12 gp", "Closing words", "Encounter 5"};
    QTest::newRow("table file only") << QStringList{"Encounter 5", "Skeleton", "Encounter 7"};
    QTest::newRow("details only") << QStringList{"Encounter 7", "Monster Name", "A draughty corridor.", "Encounter 9"};
    QTest::newRow("details that are no RTF")
            << QStringList{"Encounter 9", "Ogre", "The encounter details cannot be read.", "Page 2"};
    QTest::newRow("page numbers at the foot") << QStringList{"Dungeon 1", "Page 1", "Encounter 2", "Page 2"};
}

void tst_Booklet::text()
{
    QFETCH(QStringList, inOrder);
    qsizetype at = 0;
    for (const QString &text : inOrder) {
        at = m_text.indexOf(text, at);
        QVERIFY2(at >= 0, qPrintable(text + " missing or out of order in:\n" + m_text));
    }
}

void tst_Booklet::leftOut_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("encounter without files") << "Encounter 1\\b";
    QTest::newRow("empty table left by the board") << "Encounter 3\\b";
    QTest::newRow("bytes of details that are no RTF") << "no details here";
}

void tst_Booklet::leftOut()
{
    QFETCH(QString, pattern);
    QVERIFY2(!m_text.contains(QRegularExpression(pattern)), qPrintable(m_text));
}

void tst_Booklet::onlyRowsThatHoldSomething()
{
    const auto section = Booklet::encounterBooklet(m_scratch.filePath(QStringLiteral("program")), 1, "2");
    const auto table = qobject_cast<QTextTable *>(section->rootFrame()->childFrames().value(0));
    QVERIFY(table);
    QCOMPARE(table->rows(), 3); // the captions, Goblin and Goblin boss
}

void tst_Booklet::pages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "612 x 792 pts (letter)";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "595 x 842 pts (A4)";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "595 x 842 pts (A4)";
}

// The map alone on the first page, the four short encounters on the second.
void tst_Booklet::pages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pageSize);
    const QString info = run(QStringLiteral("pdfinfo"), {exportPdf(m_scratch.filePath("program"), locale)});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(pageSize))), qPrintable(info));
}

// One map pixel to one pixel at 96 per inch, its own pixels, not smoothed.
void tst_Booklet::mapIsPlacedUnscaled()
{
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), exportPdf(m_scratch.filePath("program"))});
    QVERIFY2(images.contains(QRegularExpression("\\n\\s+1\\s+0\\s+image\\s+500\\s+680\\s+rgb\\s+3\\s+8\\s+image\\s+no\\s+\\d+\\s+0\\s+96\\s+96\\s")),
             qPrintable(images));
}

void tst_Booklet::exportCreatesNothingInTheDungeon()
{
    const QString folder = m_scratch.filePath(QStringLiteral("program"));
    QVERIFY(QFile::exists(exportPdf(folder)));
    QCOMPARE(dungeonListing(folder), m_dungeonBeforeExports);
}

// Sections of every length from a few lines to a page and a half: some
// heading would fall last on its page.
void tst_Booklet::headingNeverEndsAPage()
{
    QTemporaryDir folder;
    for (int number = 1; number <= 40; ++number)
        writeEncounter(folder.path(), number, {"Rat"}, "{\\rtf1 " + QByteArray("Squeak and scurry.\\par ").repeated(number * 7 % 60) + "}");
    const std::unique_ptr<QTextDocument> booklet = Booklet::dungeonBooklet(folder.path(), 1);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    QVERIFY(Booklet::print(booklet.get(), &writer));

    const auto pageOf = [&](const QTextBlock &block) {
        return int(booklet->documentLayout()->blockBoundingRect(block).top() / booklet->pageSize().height());
    };
    int moved = 0;
    for (QTextBlock block = booklet->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(QStringLiteral("Encounter ")))
            continue;
        QCOMPARE(pageOf(block.next()), pageOf(block));
        moved += block.text() != QStringLiteral("Encounter 1") && block.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto;
    }
    QVERIFY2(moved > 0, "no heading came near the foot of a page: the check was not exercised");
}

void tst_Booklet::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qint64>("fileSizeLimit");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // in stdout, or stderr when failing
    const QString pdf = m_scratch.filePath(QStringLiteral("older.pdf"));
    QTest::newRow("help") << QStringList{"--help"} << 0ll << 0 << "--export-pdf <file>";
    QTest::newRow("version") << QStringList{"--version"} << 0ll << 0 << "dungeon-board " DUNGEON_BOARD_VERSION "\n";
    QTest::newRow("unknown option") << QStringList{"--print"} << 0ll << 2 << "Usage:";
    QTest::newRow("no file to export to") << QStringList{"--export-pdf"} << 0ll << 2 << "Usage:";
    QTest::newRow("export") << QStringList{"--export-pdf", pdf} << 0ll << 0 << "";
    QTest::newRow("missing folder") << QStringList{"--export-pdf", m_scratch.filePath("missing/a.pdf")} << 0ll << 1
                                    << m_scratch.filePath("missing/a.pdf") + ": No such file or directory\n";
    QTest::newRow("folder in the way") << QStringList{"--export-pdf", m_scratch.path()} << 0ll << 1 << m_scratch.path() + ": ";
    QTest::newRow("disk full, older file kept") << QStringList{"--export-pdf", pdf} << 2000ll << 1 << pdf + ": ";
}

// Without a display: no DISPLAY, no platform chosen by the user.
void tst_Booklet::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const QString older = m_scratch.filePath(QStringLiteral("older.pdf"));
    putFile(older, "an older booklet");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_scratch.path());
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([fileSizeLimit] {
        if (fileSizeLimit == 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start(QStringLiteral(DUNGEON_BOARD), arguments);
    QVERIFY(program.waitForFinished(60'000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY2((exitCode == 0 ? out : err).contains(output), qPrintable(out + err));
    if (exitCode == 1) {
        QCOMPARE(err.count(u'\n'), 1);
        QCOMPARE(content(older), QByteArray("an older booklet"));
    }
    if (arguments.contains(older) && exitCode == 0)
        QVERIFY(content(older).startsWith("%PDF"));
}

QTEST_MAIN(tst_Booklet)
#include "tst_booklet.moc"
