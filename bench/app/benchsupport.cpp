#include "benchsupport.h"

#include "rtf/rtf.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <random>

namespace Bench {

Storage::Cells typicalCells(int number)
{
    Storage::Cells cells;
    cells[0] = QStringLiteral("Orc");
    cells[1] = QStringLiteral("Orc leader of room %1").arg(number);
    cells[10] = QStringLiteral("6");
    cells[11] = QStringLiteral("4");
    cells[20] = QStringLiteral("1d8");
    cells[21] = QStringLiteral("1d10+2");
    cells[30] = QStringLiteral("15");
    cells[31] = QStringLiteral("22");
    return cells;
}

void fillTypicalDetails(QTextDocument *document)
{
    document->setHtml(QStringLiteral(
        "<p>Two orcs guard the <b>iron gate</b> and argue over a game of bones. "
        "The leader wears a <i>rusted key</i> on a chain; a search of the straw "
        "finds <span style=\"color:#a00000\">14 gold pieces</span> and a "
        "<u>dented lantern</u>. If the party is seen, the younger orc runs for "
        "the barracks in room 9 while the leader holds the door.</p>"));
}

namespace {

// Tuned for about a megabyte of RTF: a third text, two thirds pictures.
constexpr int LargeChapters = 280;
constexpr int PictureEvery = 70; // four pictures
constexpr int ListEvery = 10;
constexpr int TableRows = 30;
constexpr int PhotoCount = 4; // with the large details, about five megabytes

const char *const Words[] = {
    "the", "orc", "stair", "torch", "damp", "iron", "gate", "shadow", "goblin", "chest",
    "guard", "ancient", "rune", "corridor", "trap", "silver", "whisper", "bones", "lever",
    "altar", "spider", "web", "moss", "echo", "cold", "lantern", "crypt", "knight", "rat",
};

// A picture a game master pastes: a drawn map detail, smooth enough to
// compress like a photograph rather than like noise.
QByteArray picturePng(int seed)
{
    QImage image(360, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(180, 120, 220);
    gradient.setColorAt(0, QColor::fromHsv(seed * 67 % 360, 120, 240));
    gradient.setColorAt(1, QColor::fromHsv(seed * 67 % 360, 200, 60));
    painter.fillRect(image.rect(), gradient);
    std::mt19937 random(seed);
    for (int i = 0; i < 60; ++i) {
        painter.setPen(QPen(QColor::fromHsv(random() % 360, 180, 220), 1 + random() % 4));
        painter.drawEllipse(QPointF(random() % 360, random() % 240), random() % 40, random() % 40);
    }
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// A camera's photograph: fine detail everywhere, as JPEG.
QByteArray photoJpeg(int seed)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random() % 48);
            line[x] = qRgb(60 + x / 16 + grain, 80 + y / 12 + grain, 40 + (x + y) / 24 + grain);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return jpeg;
}

class LargeWriter
{
public:
    explicit LargeWriter(QTextDocument *document) : m_document(document), m_cursor(document) {}

    void chapter(int number)
    {
        if (number > 0)
            m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextCharFormat heading;
        heading.setFontWeight(QFont::Bold);
        heading.setFontPointSize(14);
        heading.setForeground(QColor(128, 0, 0));
        m_cursor.insertText(QStringLiteral("Chamber %1: %2").arg(number).arg(sentence(4)), heading);

        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        for (int run = 0; run < 24; ++run)
            m_cursor.insertText(sentence(6) + QLatin1Char(' '), runFormat(run));

        if (number % ListEvery == 0)
            list(number % (2 * ListEvery) ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc, 5);
        if (number == LargeChapters / 2)
            table();
        if (number % PictureEvery == PictureEvery / 2)
            picture(number);
    }

    // Shown at the width of the editor's box, as pasted photos are.
    void photo(int number)
    {
        const QString name = QStringLiteral("photo%1.jpg").arg(number);
        m_document->addResource(QTextDocument::ImageResource, QUrl(name), photoJpeg(number));
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(430);
        format.setHeight(430 * 3 / 4);
        m_cursor.movePosition(QTextCursor::End);
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        m_cursor.insertImage(format);
    }

private:
    QString sentence(int words)
    {
        QString text;
        for (int i = 0; i < words; ++i) {
            if (i > 0)
                text += QLatin1Char(' ');
            text += QLatin1String(Words[m_random() % std::size(Words)]);
        }
        text[0] = text[0].toUpper();
        return text;
    }

    QTextCharFormat runFormat(int run)
    {
        QTextCharFormat format;
        switch (run % 6) {
        case 1: format.setFontWeight(QFont::Bold); break;
        case 2: format.setFontItalic(true); break;
        case 3: format.setFontUnderline(true); break;
        case 4: format.setForeground(QColor::fromHsv(m_random() % 360, 255, 160)); break;
        case 5: format.setFontPointSize(10 + m_random() % 6); break;
        default: break;
        }
        return format;
    }

    void list(QTextListFormat::Style style, int items)
    {
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextListFormat format;
        format.setStyle(style);
        m_cursor.createList(format);
        for (int item = 0; item < items; ++item) {
            if (item > 0)
                m_cursor.insertBlock();
            m_cursor.insertText(sentence(8));
        }
    }

    void table()
    {
        static const char *const Captions[] = {"Monster Name", "AC", "DMG", "HP"};
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextTable *table = m_cursor.insertTable(TableRows + 1, 4);
        for (int column = 0; column < 4; ++column) {
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            table->cellAt(0, column).firstCursorPosition().insertText(
                QLatin1String(Captions[column]), bold);
        }
        for (int row = 1; row <= TableRows; ++row) {
            table->cellAt(row, 0).firstCursorPosition().insertText(sentence(2));
            table->cellAt(row, 1).firstCursorPosition().insertText(QString::number(m_random() % 20));
            table->cellAt(row, 2).firstCursorPosition().insertText(
                QStringLiteral("%1d%2").arg(1 + m_random() % 3).arg(4 + 2 * (m_random() % 5)));
            table->cellAt(row, 3).firstCursorPosition().insertText(QString::number(m_random() % 90));
        }
        m_cursor.movePosition(QTextCursor::End);
    }

    void picture(int number)
    {
        const QString name = QStringLiteral("picture%1.png").arg(number);
        m_document->addResource(QTextDocument::ImageResource, QUrl(name), picturePng(number));
        QTextImageFormat format;
        format.setName(name);
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        m_cursor.insertImage(format);
    }

    QTextDocument *m_document;
    QTextCursor m_cursor;
    std::mt19937 m_random{1993};
};

} // namespace

void fillLargeDetails(QTextDocument *document)
{
    document->clear();
    LargeWriter writer(document);
    for (int number = 0; number < LargeChapters; ++number)
        writer.chapter(number);
}

void fillPhotoDetails(QTextDocument *document)
{
    fillLargeDetails(document);
    LargeWriter writer(document);
    for (int number = 0; number < PhotoCount; ++number)
        writer.photo(number);
}

ScratchDungeons::ScratchDungeons()
    : m_root(Storage::programFolder() + QStringLiteral("/Dungeons"))
{
    QDir(m_root).removeRecursively();
}

ScratchDungeons::~ScratchDungeons()
{
    QDir(m_root).removeRecursively();
}

qint64 ScratchDungeons::write(int number, const Storage::Cells &cells, const QTextDocument &details)
{
    const Storage::EncounterFiles files =
        Storage::encounterFiles(Storage::programFolder(), 1, QString::number(number));
    const QByteArray rtf = Rtf::write(&details);
    const Storage::WriteResult result = Storage::writeEncounter(files, cells, rtf);
    if (!result.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message()));
        return -1;
    }
    return rtf.size();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

void printRow(const QString &benchmark, const QString &figure, const QString &goal,
              const QString &met)
{
    std::printf("| %s | %s | %s | %s |\n", qPrintable(benchmark), qPrintable(figure),
                qPrintable(goal), qPrintable(met));
    std::fflush(stdout);
}

QString metText(bool met)
{
    return met ? QStringLiteral("yes") : QStringLiteral("**no**");
}

void report(const char *what, int runs, const Costs &costs, const QString &goal, double goalCpuMs)
{
    const Cost cost = costs.median();
    std::printf("  %-52s %8.2f ms wall %8.2f ms CPU   (median of %d)\n", what, cost.wallMs,
                cost.cpuMs, runs);
    printRow(QString::fromLatin1(what),
             QStringLiteral("%1 ms CPU, %2 ms wall").arg(cost.cpuMs, 0, 'f', 2).arg(cost.wallMs, 0, 'f', 2),
             goal.isEmpty() ? QStringLiteral("-") : goal,
             goal.isEmpty() ? QStringLiteral("-") : metText(cost.cpuMs < goalCpuMs));
}

} // namespace Bench
