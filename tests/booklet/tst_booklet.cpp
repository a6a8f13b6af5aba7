#include "tests/support/filetesting.h"

#include "booklet/booklet.h"
#include "rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <sys/resource.h>
#include <csignal>

namespace {

void writeEncounter(const QString &programFolder, int number, const QStringList &monsters, const QByteArray &details)
{
    const auto files = Storage::encounterFiles(programFolder, 1, QString::number(number));
    QVERIFY(QDir().mkpath(files.dungeonFolder));
    Storage::Cells cells;
    std::copy(monsters.begin(), monsters.end(), cells.begin());
    if (!monsters.isEmpty())
        putFile(files.tableFile, Storage::encodeTable(cells));
    if (!details.isNull())
        putFile(files.detailsFile, details);
}

QStringList dungeonListing(const QString &programFolder)
{
    QStringList listing;
    for (const QFileInfo &file : QDir(programFolder + "/Dungeons/Dungeon1").entryInfoList(QDir::Files))
        listing << file.fileName() + ' ' + QString::number(file.size()) + ' ' + file.lastModified().toString(Qt::ISODateWithMs);
    return listing;
}

// Forty encounters from a few lines to several pages long, with monster rows
// (some without a name), tables and pictures up to larger than a page.
void writeGeneratedDungeon(const QString &programFolder)
{
    for (int n = 1; n <= 40; ++n) {
        QStringList cells(40);
        for (int row = 0; row < 1 + n % 10; ++row) {
            cells[row] = row % 4 == 3 ? QString() : QStringLiteral("Monster %1.%2").arg(n).arg(row);
            cells[10 + row] = QString::number(100 * n + row); // AC
        }
        QTextDocument details;
        QTextCursor cursor(&details);
        const int paragraphs = n % 13 == 0 ? 120 : n * 7 % 23;
        for (int i = 0; i < paragraphs; ++i) {
            cursor.insertText(QStringLiteral("Paragraph %1.%2 of the room, ").arg(n).arg(i).repeated(1 + i % 5));
            if (i == 3 && n % 3 == 0)
                cursor.insertTable(2, 2)->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("Cell %1").arg(n));
            if (i == 2 && n % 4 == 0) {
                QImage picture(n * 40, n * 30, QImage::Format_RGB32);
                picture.fill(Qt::darkCyan);
                details.addResource(QTextDocument::ImageResource, QUrl("picture"), picture);
                cursor.insertImage(QStringLiteral("picture"));
            }
            cursor.insertBlock();
        }
        writeEncounter(programFolder, n, cells, Rtf::write(&details));
    }
}

// Each encounter that has details: its heading, its monster cells and the
// paragraphs of its details, each paragraph on one line.
QStringList encounterTexts(const QString &programFolder)
{
    QStringList texts;
    for (int n = 1; n <= 40; ++n) {
        const Storage::EncounterFiles files = Storage::encounterFiles(programFolder, 1, QString::number(n));
        if (!QFile::exists(files.detailsFile))
            continue;
        texts << QStringLiteral("Encounter %1").arg(n);
        const Storage::Cells cells = Storage::readExistingTable(files.tableFile);
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 4; ++column)
                texts << cells[10 * column + row];
        QTextDocument details;
        Rtf::read(content(files.detailsFile), &details);
        for (QTextBlock block = details.begin(); block.isValid(); block = block.next())
            texts << block.text().remove(QChar::ObjectReplacementCharacter).simplified();
    }
    texts.removeAll(QString());
    return texts;
}

QString printedText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

// The booklet read back from its PDF with poppler-utils, and the command line
// run as the user runs it.
class tst_Booklet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    const QString m_folder = m_scratch.filePath(QStringLiteral("program"));
    QStringList m_dungeonBeforeExports;
    const QString m_sample = m_scratch.filePath(QStringLiteral("sample"));

    QString exportPdf(const QLocale &locale = QLocale::c())
    {
        const QString pdf = m_scratch.filePath(QStringLiteral("booklet.pdf"));
        const Storage::WriteResult result = Booklet::exportPdf(m_folder, 1, pdf, Booklet::pageSizeFor(locale));
        return result.ok() ? pdf : result.message();
    }

private slots:
    void initTestCase()
    {
        writeEncounter(m_folder, 2, {"Goblin", "", "", "Goblin boss"},
                       R"({\rtf1\ansi The goblins hold the {\b guard room}.\par
                          {\pntext\'B7\tab}{\*\pn\pnlvlblt{\pntxtb\'B7}}First point\par\pard
                          \trowd\cellx2000\cellx4000\intbl Treasure\cell 12 gp\cell\row\pard Closing words\par})");
        writeEncounter(m_folder, 5, {"Skeleton"}, QByteArray());
        writeEncounter(m_folder, 7, {}, R"({\rtf1\ansi\qc A draughty corridor.\par})");
        writeEncounter(m_folder, 9, {"Ogre"}, "PK\x03\x04 no details here");
        writeEncounter(m_folder, 11, {}, R"({\rtf1\ansi The {\scaps Bugbear Chieftain} waits.\par})");
        putFile(m_folder + "/Dungeons/Dungeon1/3.Encounter", ""); // as the board leaves it
        m_dungeonBeforeExports = dungeonListing(m_folder);
        QVERIFY(QDir().mkpath(m_sample + "/Dungeons/Dungeon1"));
        for (const QFileInfo &file : QDir(QStringLiteral(SAMPLE_DUNGEON)).entryInfoList(QDir::Files))
            QVERIFY(QFile::copy(file.filePath(), m_sample + "/Dungeons/Dungeon1/" + file.fileName()));
    }

    void pdf_data()
    {
        QTest::addColumn<QStringList>("tool"); // PDF stands for the booklet
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("inOrder");
        QTest::addColumn<QString>("absent");
        const QStringList text{"pdftotext", "-layout", "PDF", "-"};
        const QLocale c = QLocale::c();
        QTest::newRow("title, then the headings by number") << text << c
                << QStringList{"Orvane Editable Dungeon 1", "Page 1", "Encounter 2", "Encounter 5", "Encounter 7", "Encounter 9", "Page 2"}
                << "Encounter (1|3)\\b";
        QTest::newRow("captions, then the rows that hold something") << text << c
                << QStringList{"Encounter 2", "Monster Name +AC +DMG +HP\\n *Goblin\\n *Goblin boss\\n"} << "";
        QTest::newRow("details with formatting, a list and a table") << text << c
                << QStringList{"Goblin boss", "guard room", "First point", "Treasure +12 gp", "Closing words", "Encounter 5"} << "";
        QTest::newRow("table file only") << text << c << QStringList{"Encounter 5", "Skeleton", "Encounter 7"} << "";
        // Centred: the first paragraph keeps its format.
        QTest::newRow("details only") << text << c << QStringList{"Encounter 7", "HP\\n\\s* {20}A draughty corridor.", "Encounter 9"} << "";
        QTest::newRow("details that are no RTF") << text << c
                << QStringList{"Encounter 9", "Ogre", "The encounter details cannot be read."} << "no details here";
        // Capitals where the text has them, smaller ones for its small letters.
        QTest::newRow("small capitals") << text << c << QStringList{"The BUGBEAR CHIEFTAIN waits."} << "";
        QTest::newRow("Letter in the United States") << QStringList{"pdfinfo", "PDF"} << QLocale(QLocale::English, QLocale::UnitedStates)
                << QStringList{"Pages: +2\\n", "Page size: +612 x 792 pts \\(letter\\)"} << "";
        QTest::newRow("A4 in Germany") << QStringList{"pdfinfo", "PDF"} << QLocale(QLocale::German, QLocale::Germany)
                << QStringList{"Pages: +2\\n", "Page size: +595 x 842 pts \\(A4\\)"} << "";
        // One map pixel to one pixel at 96 per inch, losslessly, not smoothed.
        QTest::newRow("map at its own pixels") << QStringList{"pdfimages", "-list", "PDF"} << c
                << QStringList{"\\n +1 +0 image +500 +680 +rgb +3 +8 +image +no +\\d+ +0 +96 +96 "} << "";
    }

    void pdf()
    {
        QFETCH(QStringList, tool);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, inOrder);
        QFETCH(QString, absent);
        tool.replace(tool.indexOf("PDF"), exportPdf(locale));
        QProcess process;
        process.start(tool.takeFirst(), tool);
        QVERIFY(process.waitForFinished());
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        qsizetype at = 0;
        for (const QString &pattern : inOrder)
            QVERIFY2((at = output.indexOf(QRegularExpression(pattern), at)) >= 0, qPrintable(pattern + " not in order in\n" + output));
        QVERIFY2(absent.isEmpty() || !output.contains(QRegularExpression(absent)), qPrintable(output));
        QCOMPARE(dungeonListing(m_folder), m_dungeonBeforeExports); // no file created or changed
    }

    // A one-page dungeon's story opens the booklet, under its title.
    void storyOnTheTitlePage()
    {
        QTemporaryDir folder;
        const QString dungeon = folder.filePath(QStringLiteral("Dungeons/Dungeon4"));
        QVERIFY(QDir().mkpath(dungeon));
        putFile(dungeon + QStringLiteral("/dungeon.json"), R"({"title": "Tomb", "story": "The rats came first."})");
        const QString text = Booklet::dungeonBooklet(folder.path(), 4)->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Tomb\nThe rats came first.\n")), qPrintable(text));
    }

    // A map of the dungeon's own shows its spot numbers, as the board draws them.
    void ownMapCarriesSpotNumbers()
    {
        QTemporaryDir folder;
        const QString dungeon = folder.filePath(QStringLiteral("Dungeons/Dungeon3"));
        QVERIFY(QDir().mkpath(dungeon));
        QImage picture(1000, 1200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(dungeon + QStringLiteral("/map.png")));
        putFile(dungeon + QStringLiteral("/dungeon.json"),
                R"({"map": "map.png", "spots": {"3": [100, 200], "12": [900, 300]}})");
        const std::unique_ptr<QTextDocument> booklet = Booklet::dungeonBooklet(folder.path(), 3);
        const QImage map = booklet->resource(QTextDocument::ImageResource, QUrl("booklet:map")).value<QImage>();
        QVERIFY(!map.isNull());
        const qreal scale = qreal(map.width()) / picture.width();
        // The board's 17-pixel square on a map fitted into 500 x 680 at 0.5.
        const qreal side = 34 * scale;
        for (QPointF spot : {QPointF(100, 200), QPointF(900, 300)}) {
            const QRect square = QRectF(spot * scale - QPointF(side, side) / 2, QSizeF(side, side)).toRect();
            int white = 0, red = 0;
            for (int y = square.top() + 2; y < square.bottom() - 1; ++y) {
                for (int x = square.left() + 2; x < square.right() - 1; ++x) {
                    const QColor colour = map.pixelColor(x, y);
                    white += colour == Qt::white;
                    red += colour.red() > 200 && colour.green() < 80;
                }
            }
            QVERIFY2(white > 0 && red > 0, qPrintable(QStringLiteral("%1 white, %2 red").arg(white).arg(red)));
        }
        QCOMPARE(map.pixelColor(map.width() / 2, map.height() - 5), QColor(Qt::darkGreen)); // nothing else drawn
    }

    // Sections from a few lines to a page long: some heading would fall last on its page.
    void headingNeverEndsAPage()
    {
        QTemporaryDir folder;
        for (int number = 1; number <= 40; ++number)
            writeEncounter(folder.path(), number, {"Rat"}, "{\\rtf1 " + QByteArray("Squeak.\\par ").repeated(number * 7 % 60) + "}");
        const std::unique_ptr<QTextDocument> booklet = Booklet::dungeonBooklet(folder.path(), 1);
        QPdfWriter writer(m_scratch.filePath(QStringLiteral("rats.pdf")));
        QVERIFY(Booklet::print(booklet.get(), &writer));

        // As printed: no page's text ends with a heading.
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {m_scratch.filePath(QStringLiteral("rats.pdf")), "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() > 2);
        for (const QString &page : pages) {
            QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.removeIf([](const QString &line) { return line.startsWith(QStringLiteral("Page ")); }), 1);
            QVERIFY2(!lines.isEmpty() && !lines.last().startsWith(QStringLiteral("Encounter ")), qPrintable(page));
        }
        int moved = 0;
        for (QTextBlock block = booklet->begin(); block.isValid(); block = block.next()) {
            moved += block.text().startsWith(QStringLiteral("Encounter ")) && block.text() != "Encounter 1"
                    && block.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto;
        }
        QVERIFY2(moved > 0, "no heading came near the foot of a page: the check was not exercised");
    }

    void monsterRowsStayWhole_data()
    {
        QTest::addColumn<QPageSize>("pageSize");
        QTest::newRow("A4") << QPageSize(QPageSize::A4);
        QTest::newRow("A5") << QPageSize(QPageSize::A5);
    }

    // Monster rows several lines high: wherever one would meet a page's foot,
    // it goes whole to the next page.
    void monsterRowsStayWhole()
    {
        QFETCH(QPageSize, pageSize);
        QTemporaryDir folder;
        const auto damage = [](int number, int row) {
            return QStringLiteral("claws 2d6+3 and a bite of 1d8+2, rows %1.%2 end here").arg(number).arg(row);
        };
        for (int number = 1; number <= 12; ++number) {
            QStringList cells(40);
            for (int row = 0; row < 10; ++row) {
                cells[EncounterShape::cellIndex(0, row)] = QStringLiteral("Troll");
                cells[EncounterShape::cellIndex(2, row)] = damage(number, row);
            }
            writeEncounter(folder.path(), number, cells, QByteArray("{\\rtf1 A den.}"));
        }
        const QString pdf = m_scratch.filePath(QStringLiteral("trolls.pdf"));
        QVERIFY(Booklet::exportPdf(folder.path(), 1, pdf, pageSize).ok());
        const QStringList pages = printedText(pdf).split(u'\f');
        for (int number = 1; number <= 12; ++number) {
            for (int row = 0; row < 10; ++row) {
                const QString text = damage(number, row);
                QVERIFY2(std::any_of(pages.cbegin(), pages.cend(),
                                     [&text](const QString &page) { return page.simplified().contains(text); }),
                         qPrintable(text + " is not whole on one page"));
            }
        }
    }

    void everythingPrinted_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QPageSize>("pageSize");
        const QString generated = m_scratch.filePath(QStringLiteral("generated"));
        writeGeneratedDungeon(generated);
        QTest::newRow("sample adventure, A4") << m_sample << QPageSize(QPageSize::A4);
        QTest::newRow("sample adventure, Letter") << m_sample << QPageSize(QPageSize::Letter);
        QTest::newRow("generated, A4") << generated << QPageSize(QPageSize::A4);
        QTest::newRow("generated, A5") << generated << QPageSize(QPageSize::A5);
    }

    // Every heading, monster cell and paragraph, once and in number order;
    // each heading on the page of its captions and first monster row.
    void everythingPrinted()
    {
        QFETCH(QString, programFolder);
        QFETCH(QPageSize, pageSize);
        const QString pdf = m_scratch.filePath(QStringLiteral("everything.pdf"));
        QVERIFY(Booklet::exportPdf(programFolder, 1, pdf, pageSize).ok());
        const QString printed = printedText(pdf);
        QString flowing = printed;
        flowing.remove(QRegularExpression(QStringLiteral("\\n *Page \\d+\\n\\f"))); // the feet
        flowing = flowing.normalized(QString::NormalizationForm_KC).simplified(); // no ligatures
        qsizetype at = 0;
        for (const QString &text : encounterTexts(programFolder)) {
            const qsizetype found = flowing.indexOf(text, at);
            QVERIFY2(found >= 0, qPrintable(text + " is missing or out of order"));
            if (text.startsWith(QStringLiteral("Paragraph")) || text.startsWith(QStringLiteral("Encounter")))
                QVERIFY2(flowing.indexOf(text + ' ', found + 1) < 0, qPrintable(text + " printed twice"));
            at = found + text.size();
        }
        for (const QString &page : printed.split(u'\f')) {
            const qsizetype heading = page.lastIndexOf(QRegularExpression(QStringLiteral("^Encounter \\d+ *$"), QRegularExpression::MultilineOption));
            QVERIFY2(heading < 0 || page.indexOf(QRegularExpression(QStringLiteral("Monster Name +AC +DMG +HP\\n.*\\S")), heading) > 0,
                     qPrintable(page));
        }
    }

    void pageRange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("the first page") << 1 << 1;
        QTest::newRow("pages 2 to 4") << 2 << 4;
        QTest::newRow("the last page") << 6 << 6;
    }

    // The pages chosen in the print dialog, as the whole booklet has them.
    void pageRange()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        const auto printedPages = [this](int from, int to) {
            const QString pdf = m_scratch.filePath(QStringLiteral("range.pdf"));
            QPdfWriter writer(pdf);
            QPageRanges range;
            if (from > 0)
                range.addRange(from, to);
            writer.setPageRanges(range);
            Booklet::print(Booklet::dungeonBooklet(m_sample, 1).get(), &writer);
            return printedText(pdf).split(u'\f', Qt::SkipEmptyParts);
        };
        const QStringList whole = printedPages(0, 0);
        QCOMPARE(whole.size(), 6);
        QCOMPARE(printedPages(from, to), whole.mid(from - 1, to - from + 1));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // in stdout, or in stderr when failing
        const QString older = m_scratch.filePath(QStringLiteral("older.pdf"));
        const QString missing = m_scratch.filePath(QStringLiteral("missing/a.pdf"));
        QTest::newRow("help") << QStringList{"--help"} << 0 << 0 << "--export-pdf <file>";
        QTest::newRow("version") << QStringList{"--version"} << 0 << 0 << "dungeon-board " DUNGEON_BOARD_VERSION "\n";
        QTest::newRow("unknown option") << QStringList{"--print"} << 0 << 2 << "Usage:";
        QTest::newRow("no file to export to") << QStringList{"--export-pdf"} << 0 << 2 << "Usage:";
        QTest::newRow("export") << QStringList{"--export-pdf", older} << 0 << 0 << "";
        QTest::newRow("missing folder") << QStringList{"--export-pdf", missing} << 0 << 1 << missing + ": No such file or directory\n";
        QTest::newRow("folder in the way") << QStringList{"--export-pdf", m_scratch.path()} << 0 << 1 << m_scratch.path() + ": ";
        const QString vtt = m_scratch.filePath(QStringLiteral("dungeon.uvtt"));
        QTest::newRow("export as Universal VTT") << QStringList{"--export-uvtt", vtt} << 0 << 0 << "";
        QTest::newRow("Universal VTT to a missing folder") << QStringList{"--export-uvtt", missing} << 0 << 1
                                                            << missing + ": No such file or directory\n";
        QTest::newRow("disk full, older file kept") << QStringList{"--export-pdf", older} << 2000 << 1 << older + ": ";
    }

    // Without a display: no DISPLAY, no platform chosen by the user.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, fileSizeLimit);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const QString older = m_scratch.filePath(QStringLiteral("older.pdf"));
        putFile(older, "an older booklet");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", m_scratch.path()); // else Qt warns on stderr
        QProcess program;
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
        } else if (arguments.contains(older)) {
            QVERIFY(content(older).startsWith("%PDF"));
        } else if (arguments.contains("--export-uvtt")) {
            QVERIFY(content(arguments.last()).contains("\"format\":0.3"));
        }
    }
};

QTEST_MAIN(tst_Booklet)
#include "tst_booklet.moc"
