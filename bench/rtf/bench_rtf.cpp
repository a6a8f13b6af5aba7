// bench_rtf: our RTF reader and writer against Qt's own HTML import and
// export on the same generated document of about 1 MB of RTF, with runs of
// every character format, paragraph formats, nested lists, links and a table.
// Prints the median of several runs.
//   bench_rtf [runs]

#include "rtf/rtf.h"
#include "rtf/rtftokenizer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qsizetype targetRtfBytes = 1'000'000;

class DocumentBuilder
{
public:
    explicit DocumentBuilder(QTextDocument *document) : cursor(document) {}

    void build()
    {
        QTextDocument *document = cursor.document();
        for (int section = 0; Rtf::write(document).size() < targetRtfBytes; ++section) {
            for (int step = 0; step < 40; ++step)
                addSection(section * 40 + step);
        }
    }

private:
    void addSection(int number)
    {
        QTextBlockFormat heading;
        heading.setAlignment(Qt::AlignHCenter);
        heading.setTopMargin(12);
        QTextCharFormat headingText;
        headingText.setFontPointSize(16);
        headingText.setFontWeight(QFont::Bold);
        newBlock(heading);
        cursor.insertText(QStringLiteral("Encounter %1").arg(number), headingText);

        for (int paragraph = 0; paragraph < 2; ++paragraph) {
            newBlock(paragraphFormat());
            addRuns(12);
        }

        QTextListFormat bullets;
        bullets.setStyle(number % 2 ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal);
        QTextListFormat nested;
        nested.setStyle(number % 2 ? QTextListFormat::ListCircle : QTextListFormat::ListLowerAlpha);
        nested.setIndent(2);
        newBlock(QTextBlockFormat());
        QTextList *outer = cursor.createList(bullets);
        addRuns(4);
        newBlock(QTextBlockFormat());
        cursor.createList(nested);
        addRuns(4);
        newBlock(QTextBlockFormat());
        outer->add(cursor.block());
        addRuns(4);

        if (number % 40 == 20)
            addTable();
    }

    void addTable()
    {
        QTextTableFormat format;
        format.setBorder(1);
        QTextTable *table = cursor.insertTable(12, 4, format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
                cell.insertText(word(), characterFormat());
            }
        }
        cursor.movePosition(QTextCursor::End);
        fresh = true;
    }

    void newBlock(const QTextBlockFormat &format)
    {
        if (fresh)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format, QTextCharFormat());
        fresh = false;
    }

    void addRuns(int count)
    {
        for (int run = 0; run < count; ++run) {
            QString text;
            for (int words = 1 + below(6); words > 0; --words)
                text += word() + u' ';
            cursor.insertText(text, characterFormat());
        }
    }

    QString word()
    {
        static const QStringList words = {
            QStringLiteral("dragon"),   QStringLiteral("goblin"),     QStringLiteral("treasure"),
            QStringLiteral("d20"),      QStringLiteral("trap"),       QStringLiteral("{secret}"),
            QStringLiteral("door"),     QStringLiteral("caf\u00e9"),  QStringLiteral("\u201cbeware\u201d"),
            QStringLiteral("\u20ac12"), QStringLiteral("\u0394\u03c1\u03ac\u03ba\u03c9\u03bd"),
            QStringLiteral("\u9f8d"),   QStringLiteral("torch"),      QStringLiteral("hit points"),
        };
        return words[below(int(words.size()))];
    }

    QTextCharFormat characterFormat()
    {
        QTextCharFormat format;
        switch (below(12)) {
        case 0: format.setFontWeight(QFont::Bold); break;
        case 1: format.setFontItalic(true); break;
        case 2: format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(1 + below(6))); break;
        case 3: format.setFontStrikeOut(true); break;
        case 4: format.setFontFamilies({QStringLiteral("Courier New")}); break;
        case 5: format.setFontPointSize(8 + below(12)); break;
        case 6: format.setForeground(QColor::fromRgb(random.generate() & 0xffffff)); break;
        case 7: format.setBackground(QColor(Qt::yellow)); break;
        case 8: format.setVerticalAlignment(below(2) ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript); break;
        case 9:
            format.setAnchor(true);
            format.setAnchorHref(QStringLiteral("https://example.com/encounter/%1").arg(below(40)));
            break;
        default: break; // plain
        }
        return format;
    }

    QTextBlockFormat paragraphFormat()
    {
        QTextBlockFormat format;
        format.setAlignment(below(4) ? Qt::AlignLeft : Qt::AlignJustify);
        format.setBottomMargin(6);
        if (!below(3))
            format.setLeftMargin(20);
        if (!below(4))
            format.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
        return format;
    }

    int below(int bound) { return int(random.bounded(bound)); }

    QTextCursor cursor;
    QRandomGenerator random{20240601};
    bool fresh = true;
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Medians of both, run in turn so that a busy machine slows both alike.
std::pair<double, double> medianMilliseconds(int runs, const std::function<void()> &ours,
                                             const std::function<void()> &theirs)
{
    std::vector<double> ourTimes;
    std::vector<double> theirTimes;
    for (int run = 0; run < runs; ++run) {
        ourTimes.push_back(milliseconds(ours));
        theirTimes.push_back(milliseconds(theirs));
    }
    return {median(ourTimes), median(theirTimes)};
}

double megabytesPerSecond(qsizetype bytes, double milliseconds)
{
    return bytes / 1e6 / (milliseconds / 1e3);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;

    QTextDocument source;
    DocumentBuilder(&source).build();
    const QByteArray rtf = Rtf::write(&source);
    const QString html = source.toHtml();

    std::printf("Document: %d paragraphs, %.2f MB of text, RTF %.2f MB, HTML %.2f MB; median of %d runs\n\n",
                source.blockCount(), source.characterCount() / 1e6, rtf.size() / 1e6, html.toUtf8().size() / 1e6, runs);

    const auto [read, setHtml] = medianMilliseconds(
        runs,
        [&] {
            QTextDocument document;
            Rtf::read(rtf, &document);
        },
        [&] {
            QTextDocument document;
            document.setHtml(html);
        });
    const auto [write, toHtml] = medianMilliseconds(
        runs, [&] { Rtf::write(&source); }, [&] { source.toHtml(); });
    qsizetype tokens = 0;
    std::vector<double> tokenizeTimes;
    for (int run = 0; run < runs; ++run) {
        tokenizeTimes.push_back(milliseconds([&] {
            tokens = 0;
            Rtf::Tokenizer tokenizer(rtf);
            while (tokenizer.next().type != Rtf::Tokenizer::Type::End)
                ++tokens;
        }));
    }
    const double tokenize = median(tokenizeTimes);

    std::printf("%-10s %12s %14s %8s %s\n", "", "RTF (ms)", "Qt HTML (ms)", "ratio", "(goal <= 1.0, aim 0.5)");
    std::printf("%-10s %12.1f %14.1f %8.2f  setHtml\n", "read", read, setHtml, read / setHtml);
    std::printf("%-10s %12.1f %14.1f %8.2f  toHtml\n", "write", write, toHtml, write / toHtml);
    std::printf("\n%-10s %12.1f ms %8.1f MB/s  (%lld tokens)\n", "tokenizer", tokenize,
                megabytesPerSecond(rtf.size(), tokenize), qlonglong(tokens));
    std::printf("%-10s %12.1f ms %8.1f MB/s\n", "reader", read, megabytesPerSecond(rtf.size(), read));
    std::printf("%-10s %12.1f ms %8.1f MB/s\n", "writer", write, megabytesPerSecond(rtf.size(), write));
    return 0;
}
