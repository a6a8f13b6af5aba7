#include "booklet.h"

#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <array>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace Booklet {

namespace {

using EncounterShape::ColumnCount;
using EncounterShape::MonsterRows;

// The share of the page's width of each column, left to right.
constexpr std::array<qreal, ColumnCount> ColumnPercents = {52, 12, 18, 18};

// The map is placed at its own 500 x 680 pixels, one map pixel to one pixel
// of the layout's 96 per inch: the PDF holds the picture unscaled.
constexpr QSize MapSize(500, 680);
const char MapResource[] = "booklet:map";

// A dungeon's own map fills the width of an A4 or Letter page's text, and
// at most the height left under the title.
constexpr QSizeF OwnMapArea(210 / 25.4 * 96 - 2 * 2 / 2.54 * 96, 840);

// A block that must share its page with the block after it.
constexpr int KeepWithNext = QTextFormat::UserProperty + 1;

// Margins in the layout's units of 1/96 inch, which it scales to the device:
// 2 cm, and more at the foot, where the page number stands.
constexpr qreal SideMargin = 2 / 2.54 * 96;
constexpr qreal FootMargin = 2.5 / 2.54 * 96;

// Marks the monster tables among the tables of the details.
constexpr int MonsterTable = QTextFormat::UserProperty + 2;

// --- Monster tables ----------------------------------------------------------

QTextTableFormat monsterTableFormat()
{
    QTextTableFormat format;
    format.setProperty(MonsterTable, true);
    format.setHeaderRowCount(1);
    format.setBorderCollapse(true);
    format.setBorder(1);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setBottomMargin(10);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (qreal percent : ColumnPercents)
        widths << QTextLength(QTextLength::PercentageLength, percent);
    format.setColumnWidthConstraints(widths);
    return format;
}

// The captions in bold, then a row for each monster, at the cursor.
void insertMonsterTable(QTextCursor &cursor, const QList<QStringList> &monsters, const QTextTableFormat &format)
{
    QTextTable *table = cursor.insertTable(1 + int(monsters.size()), ColumnCount, format);
    QTextCharFormat captionText;
    captionText.setFontWeight(QFont::Bold);
    for (int column = 0; column < ColumnCount; ++column) {
        table->cellAt(0, column).firstCursorPosition().insertText(
                QString::fromLatin1(EncounterShape::ColumnCaptions[column]), captionText);
        for (int row = 0; row < int(monsters.size()); ++row)
            table->cellAt(1 + row, column).firstCursorPosition().insertText(monsters[row][column]);
    }
}

// --- Reading an encounter without touching it --------------------------------

enum class Details { None, Unreadable, Rtf };

struct StoredEncounter
{
    Storage::Cells cells; // all empty where there is no table file
    Details details = Details::None;
    QByteArray rtf;

    bool rowHoldsSomething(int row) const
    {
        for (int column = 0; column < ColumnCount; ++column) {
            if (!cells[EncounterShape::cellIndex(column, row)].isEmpty())
                return true;
        }
        return false;
    }

    // The board leaves an empty table behind for every encounter it shows,
    // so a table file alone is not yet something to print.
    bool holdsSomething() const
    {
        for (int row = 0; row < MonsterRows; ++row) {
            if (rowHoldsSomething(row))
                return true;
        }
        return details != Details::None;
    }
};

// Reads only: the booklet leaves the dungeon as it found it.
StoredEncounter readEncounter(const Storage::EncounterFiles &files)
{
    const Storage::SavedEncounter saved = Storage::readEncounter(files, Storage::ReadMode::LookOnly);
    StoredEncounter encounter;
    encounter.cells = saved.cells;
    encounter.rtf = saved.details;
    switch (saved.detailsState) {
    case Storage::SavedEncounter::Details::Missing:
        break;
    case Storage::SavedEncounter::Details::Unreadable:
        encounter.details = Details::Unreadable;
        break;
    case Storage::SavedEncounter::Details::Read:
        encounter.details = Rtf::isRtf(encounter.rtf) ? Details::Rtf : Details::Unreadable;
        break;
    }
    return encounter;
}

// --- The title page ------------------------------------------------------------

struct TitlePage
{
    QString title;
    QString story; // a one-page dungeon's, kept in dungeon.json
    QImage map;
    QSizeF mapSize; // in the layout's pixels
};

// A dungeon's own map carries no spot numbers: they go on it as the board
// draws them, red on white in a thin dark frame, as large against the map as
// on the board's fitted map.
void drawSpotNumbers(QImage &map, QSize pictureSize, const QMap<int, QPointF> &spots)
{
    constexpr qreal BoardSquare = 17;
    const qreal boardScale = std::min(qreal(MapSize.width()) / pictureSize.width(),
                                      qreal(MapSize.height()) / pictureSize.height());
    const qreal imageScale = qreal(map.width()) / pictureSize.width();
    const qreal side = BoardSquare / boardScale * imageScale;
    QPainter painter(&map);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(side * 0.6)));
    painter.setFont(font);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(1.0, side / 17)));
    for (auto spot = spots.cbegin(); spot != spots.cend(); ++spot) {
        const QRectF square(spot.value() * imageScale - QPointF(side, side) / 2, QSizeF(side, side));
        painter.setBrush(Qt::white);
        painter.drawRect(square);
        painter.save();
        painter.setPen(Qt::red);
        painter.drawText(square, Qt::AlignCenter, QString::number(spot.key()));
        painter.restore();
    }
}

// The description's title and map where the dungeon has them. A map that is
// more than twice as fine as the page needs is scaled down to that; a smaller
// one goes in with its own pixels.
TitlePage titlePageOf(const QString &programFolder, qint16 dungeonNumber)
{
    TitlePage page{dungeonTitle(dungeonNumber), {}, QImage(QStringLiteral(":/map.gif")), QSizeF(MapSize)};
    const QString folder = Storage::dungeonFolder(programFolder, qint16(dungeonNumber));
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    if (!read.ok())
        return page;
    if (!read.description.title.isEmpty())
        page.title = read.description.title;
    page.story = read.description.otherKeys.value(QStringLiteral("story")).toString();
    if (!read.description.hasOwnMap())
        return page;
    const QString path = Dungeon::mapPath(folder, read.description);
    QString error;
    const QSize pictureSize = Dungeon::mapPictureSize(path, &error);
    if (!pictureSize.isValid())
        return page;
    const QSizeF printed = QSizeF(pictureSize).scaled(OwnMapArea, Qt::KeepAspectRatio);
    const Dungeon::MapPicture map = Dungeon::readMapPicture(path, (printed * 2).toSize());
    if (map.ok()) {
        page.map = map.image.convertToFormat(QImage::Format_RGB32);
        drawSpotNumbers(page.map, pictureSize, read.description.spots);
        page.mapSize = printed;
    }
    return page;
}

// --- Writing the booklet -------------------------------------------------------

class BookletWriter
{
public:
    explicit BookletWriter(QTextDocument *booklet)
        : m_booklet(booklet), m_cursor(booklet)
    {
        QFont font = booklet->defaultFont();
        font.setPointSize(11);
        booklet->setDefaultFont(font);
    }

    void titlePage(const QString &title, const QString &story, const QImage &map, QSizeF mapSize)
    {
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setBottomMargin(12);
        QTextCharFormat titleText;
        titleText.setFontPointSize(20);
        titleText.setFontWeight(QFont::Bold);
        newBlock(centred, titleText);
        m_cursor.insertText(title);
        if (!story.isEmpty()) {
            QTextBlockFormat storyFormat;
            storyFormat.setBottomMargin(12);
            newBlock(storyFormat, QTextCharFormat());
            m_cursor.insertText(story);
        }

        m_booklet->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(MapResource)), map);
        QTextImageFormat mapFormat;
        mapFormat.setName(QString::fromLatin1(MapResource));
        mapFormat.setWidth(mapSize.width());
        mapFormat.setHeight(mapSize.height());
        newBlock(centred, QTextCharFormat());
        m_cursor.insertImage(mapFormat);
        m_nextSectionOnNewPage = true;
    }

    void section(const QString &numberText, const StoredEncounter &encounter)
    {
        ++m_sectionCount;
        QTextBlockFormat heading;
        heading.setProperty(KeepWithNext, true);
        heading.setTopMargin(m_sectionCount > 1 ? 18 : 0);
        heading.setBottomMargin(6);
        if (std::exchange(m_nextSectionOnNewPage, false))
            heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCharFormat headingText;
        headingText.setFontPointSize(16);
        headingText.setFontWeight(QFont::Bold);
        newBlock(heading, headingText);
        m_cursor.insertText(encounterHeading(numberText));

        monsterTable(encounter);
        if (encounter.details == Details::Rtf)
            details(encounter.rtf);
        else if (encounter.details == Details::Unreadable)
            unreadableDetails();
    }

private:
    // The document's first block, and the one a table leaves after it, are
    // empty and are used rather than followed by another.
    void newBlock(const QTextBlockFormat &block, const QTextCharFormat &text)
    {
        m_cursor.movePosition(QTextCursor::End);
        if (m_cursor.block().length() > 1) {
            m_cursor.insertBlock(block, text);
        } else {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(text);
            m_cursor.setCharFormat(text);
        }
    }

    void monsterTable(const StoredEncounter &encounter)
    {
        QList<QStringList> monsters;
        for (int row = 0; row < MonsterRows; ++row) {
            if (!encounter.rowHoldsSomething(row))
                continue;
            QStringList cells;
            for (int column = 0; column < ColumnCount; ++column)
                cells << encounter.cells[EncounterShape::cellIndex(column, row)];
            monsters << cells;
        }
        newBlock(QTextBlockFormat(), QTextCharFormat());
        insertMonsterTable(m_cursor, monsters, monsterTableFormat());
    }

    void details(const QByteArray &rtf)
    {
        QTextDocument details;
        Rtf::read(rtf, &details);
        movePicturesFrom(&details);
        // The fragment's first block joins the block it is inserted into and
        // takes its format: that block takes the first block's format first.
        const QTextBlock first = details.begin();
        newBlock(first.blockFormat(), first.charFormat());
        m_cursor.insertFragment(QTextDocumentFragment(&details));
    }

    // A fragment carries its pictures' names but not the pictures, and every
    // details document numbers its pictures from 1: each one is renamed after
    // its section and handed to the booklet.
    void movePicturesFrom(QTextDocument *details)
    {
        struct Picture
        {
            int position, length;
            QTextImageFormat format;
        };
        std::vector<Picture> pictures;
        for (QTextBlock block = details->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().isImageFormat())
                    pictures.push_back({fragment.position(), fragment.length(),
                                        fragment.charFormat().toImageFormat()});
            }
        }
        for (Picture &picture : pictures) {
            const QString name = QStringLiteral("section%1/%2").arg(QString::number(m_sectionCount), picture.format.name());
            m_booklet->addResource(QTextDocument::ImageResource, QUrl(name),
                                   details->resource(QTextDocument::ImageResource, QUrl(picture.format.name())));
            picture.format.setName(name);
            QTextCursor cursor(details);
            cursor.setPosition(picture.position);
            cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture.format);
        }
    }

    void unreadableDetails()
    {
        QTextCharFormat note;
        note.setFontItalic(true);
        newBlock(QTextBlockFormat(), note);
        m_cursor.insertText(QCoreApplication::translate("Booklet", "The encounter details cannot be read."));
    }

    QTextDocument *m_booklet;
    QTextCursor m_cursor;
    int m_sectionCount = 0;
    bool m_nextSectionOnNewPage = false;
};

// --- Setting the booklet on paper ---------------------------------------------

// How much smaller the small letters of small capitals are, as Qt draws them.
constexpr qreal SmallCapitalScale = 0.7;

// Small capitals as capitals of two sizes. Qt draws them right on screen, but
// in a PDF or on a printer the small ones come out tiny and apart from the rest.
std::vector<std::pair<QString, QTextCharFormat>> inTwoSizesOfCapitals(const QString &text, QTextCharFormat format,
                                                                       const QFont &defaultFont)
{
    format.setFontCapitalization(QFont::MixedCase);
    QTextCharFormat small = format;
    if (format.hasProperty(QTextFormat::FontPixelSize))
        small.setProperty(QTextFormat::FontPixelSize, qRound(format.intProperty(QTextFormat::FontPixelSize) * SmallCapitalScale));
    else
        small.setFontPointSize((format.fontPointSize() > 0 ? format.fontPointSize() : defaultFont.pointSizeF()) * SmallCapitalScale);
    std::vector<std::pair<QString, QTextCharFormat>> runs;
    for (const QChar character : text) {
        const bool isSmall = character.isLower();
        if (runs.empty() || (runs.back().second == small) != isSmall)
            runs.emplace_back(QString(), isSmall ? small : format);
        runs.back().first += isSmall ? character.toUpper() : character;
    }
    return runs;
}

// A picture larger than the page's text area is shown smaller, in proportion:
// a line taller than a page runs over the text of the next one.
std::optional<QTextImageFormat> fittedPicture(QTextImageFormat picture, const QTextDocument *booklet,
                                              const QSizeF &textArea)
{
    QSizeF shown(picture.width(), picture.height());
    if (shown.isEmpty())
        shown = booklet->resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>().size();
    if (shown.isEmpty() || (shown.width() <= textArea.width() && shown.height() <= textArea.height()))
        return std::nullopt;
    shown = shown.scaled(textArea, Qt::KeepAspectRatio);
    picture.setWidth(shown.width());
    picture.setHeight(shown.height());
    return picture;
}

void setOnPaper(QTextDocument *booklet, const QSizeF &textArea)
{
    struct Span
    {
        int position, length;
        QTextCharFormat format;
    };
    std::vector<Span> pictures, smallCapitals;
    for (QTextBlock block = booklet->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                if (const auto fitted = fittedPicture(format.toImageFormat(), booklet, textArea))
                    pictures.push_back({fragment.position(), fragment.length(), *fitted});
            } else if (format.fontCapitalization() == QFont::SmallCaps) {
                smallCapitals.push_back({fragment.position(), fragment.length(), format});
            }
        }
    }
    QTextCursor cursor(booklet);
    const auto select = [&cursor](const Span &span) {
        cursor.setPosition(span.position);
        cursor.setPosition(span.position + span.length, QTextCursor::KeepAnchor);
    };
    for (const Span &picture : pictures) {
        select(picture);
        cursor.setCharFormat(picture.format);
    }
    // From the last, so that a replaced text moves none still to come.
    for (auto span = smallCapitals.crbegin(); span != smallCapitals.crend(); ++span) {
        select(*span);
        const QString text = cursor.selectedText();
        cursor.removeSelectedText();
        for (const auto &[run, format] : inTwoSizesOfCapitals(text, span->format, booklet->defaultFont()))
            cursor.insertText(run, format);
    }
}

// The pages of the booklet's layout, as far as its lines go.
class Pages
{
public:
    explicit Pages(QTextDocument *booklet)
        : m_layout(booklet->documentLayout()), m_height(booklet->pageSize().height())
    {
    }

    int ofTop(const QTextBlock &block) const { return int(m_layout->blockBoundingRect(block).top() / m_height); }

    // Qt moves the lines of a block that runs over a page's foot to the next
    // page one by one: the last line tells where the block ends.
    int ofBottom(const QTextBlock &block) const
    {
        const QTextLayout *lines = block.layout();
        if (lines->lineCount() == 0)
            return ofTop(block);
        const QTextLine last = lines->lineAt(lines->lineCount() - 1);
        const qreal bottom = m_layout->blockBoundingRect(block).top() + last.y() + last.height();
        return int((bottom - 0.01) / m_height);
    }

    // A monster row's pages: its cells hold a block each.
    std::pair<int, int> ofRow(const QTextTable *table, int row) const
    {
        std::pair<int, int> pages{INT_MAX, 0};
        for (int column = 0; column < table->columns(); ++column) {
            const QTextBlock cell = table->cellAt(row, column).firstCursorPosition().block();
            pages = {std::min(pages.first, ofTop(cell)), std::max(pages.second, ofBottom(cell))};
        }
        return pages;
    }

    // Qt lays a document out lazily, a part at a time. A change made before
    // the layout is finished passes over the blocks not laid out yet and
    // leaves them without lines: they would print as blank space.
    void finishLayout() const { m_layout->documentSize(); }

private:
    QAbstractTextDocumentLayout *m_layout;
    qreal m_height;
};

const QTextTable *monsterTableAfter(const QTextBlock &heading)
{
    // An empty block stands between a heading and its monster table.
    const QTextTable *table = QTextCursor(heading.next().next()).currentTable();
    return table && table->format().boolProperty(MonsterTable) ? table : nullptr;
}

// Whether a heading lies on another page than what it must share its page
// with: its monster table's captions and first row, or where the table has no
// row of monsters, the first text after.
bool parted(const QTextBlock &heading, const Pages &pages)
{
    const QTextTable *table = monsterTableAfter(heading);
    if (!table)
        return pages.ofTop(heading.next()) != pages.ofTop(heading);
    if (table->rows() > 1)
        return pages.ofRow(table, 1).second != pages.ofTop(heading);
    QTextBlock after = QTextCursor(table->lastCursorPosition()).block().next();
    while (after.isValid() && after.length() <= 1 && !QTextCursor(after.next()).currentTable())
        after = after.next();
    return pages.ofTop(after.isValid() ? after : table->cellAt(0, 0).firstCursorPosition().block())
        != pages.ofTop(heading);
}

// A monster row that would run over a page's foot starts a table of its own
// on the next page, under the captions again, with the rows after it.
// Returns a block of the new table: the rows before it are set.
QTextBlock moveRowsToNextPage(QTextTable *table, int firstMoved)
{
    QList<QStringList> moved;
    for (int row = firstMoved; row < table->rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columns(); ++column)
            cells << table->cellAt(row, column).firstCursorPosition().block().text();
        moved << cells;
    }
    QTextTableFormat format = table->format();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    table->removeRows(firstMoved, table->rows() - firstMoved);
    // The block after the table holds what follows it, a heading or details:
    // an empty block goes in before it, for the new table to go into.
    QTextCursor cursor(table->lastCursorPosition());
    cursor.movePosition(QTextCursor::NextBlock);
    const QTextBlock next = cursor.block();
    cursor.insertBlock(next.blockFormat(), next.charFormat());
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    insertMonsterTable(cursor, moved, format);
    return cursor.block();
}

// Headings go to the next page where what they head would start there, and
// monster rows where they would be cut at a page's foot. Each move pushes the
// rest of the booklet down, so the blocks are checked in order, each after
// the moves before it.
void keepTogether(QTextDocument *booklet)
{
    const Pages pages(booklet);
    for (QTextBlock block = booklet->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().boolProperty(KeepWithNext)) {
            if (!parted(block, pages))
                continue;
            pages.finishLayout();
            QTextBlockFormat breakBefore;
            breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).mergeBlockFormat(breakBefore);
            continue;
        }
        QTextTable *table = QTextCursor(block).currentTable();
        if (!table || !table->format().boolProperty(MonsterTable))
            continue;
        const QTextTableCell cell = table->cellAt(block.position());
        if (cell.row() < 2 || cell.column() != 0 || cell.firstCursorPosition().block() != block)
            continue;
        if (const auto [top, bottom] = pages.ofRow(table, cell.row()); top != bottom) {
            pages.finishLayout();
            block = moveRowsToNextPage(table, cell.row());
        }
    }
}

} // namespace

QString dungeonTitle(qint16 dungeonNumber)
{
    return QStringLiteral("Orvane Editable Dungeon %1").arg(dungeonNumber);
}

QString encounterHeading(const QString &numberText)
{
    return QCoreApplication::translate("Booklet", "Encounter %1").arg(numberText);
}

QPageSize pageSizeFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

std::unique_ptr<QTextDocument> dungeonBooklet(const QString &programFolder, qint16 dungeonNumber)
{
    auto booklet = std::make_unique<QTextDocument>();
    BookletWriter writer(booklet.get());
    const TitlePage title = titlePageOf(programFolder, dungeonNumber);
    writer.titlePage(title.title, title.story, title.map, title.mapSize);
    booklet->setMetaInformation(QTextDocument::DocumentTitle, title.title);
    for (int number = 1; number <= EncounterShape::EncounterCount; ++number) {
        const QString numberText = QString::number(number);
        const StoredEncounter encounter =
                readEncounter(Storage::encounterFiles(programFolder, dungeonNumber, numberText));
        if (encounter.holdsSomething())
            writer.section(numberText, encounter);
    }
    return booklet;
}

std::unique_ptr<QTextDocument> encounterBooklet(const QString &programFolder, qint16 dungeonNumber,
                                                const QString &numberText)
{
    auto booklet = std::make_unique<QTextDocument>();
    BookletWriter(booklet.get())
            .section(numberText, readEncounter(Storage::encounterFiles(programFolder, dungeonNumber, numberText)));
    return booklet;
}

bool print(QTextDocument *booklet, QPagedPaintDevice *device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    // Pictures go into a PDF as their own pixels, not recompressed as JPEG:
    // the map's thin lines and small numbers stay sharp.
    painter.setRenderHint(QPainter::LosslessImageRendering);

    const int dpi = device->logicalDpiY();
    const QPageLayout pageLayout = device->pageLayout();
    const QRect paper = pageLayout.fullRectPixels(dpi);
    // The painter starts at the printable area; the booklet sets its own margins.
    const QPoint printableOrigin = pageLayout.paintRectPixels(dpi).topLeft();

    QAbstractTextDocumentLayout *layout = booklet->documentLayout();
    layout->setPaintDevice(device);
    QTextFrameFormat frame = booklet->rootFrame()->frameFormat();
    frame.setLeftMargin(SideMargin);
    frame.setRightMargin(SideMargin);
    frame.setTopMargin(SideMargin);
    frame.setBottomMargin(FootMargin);
    booklet->rootFrame()->setFrameFormat(frame);
    // The layout measures in pixels of 96 to the inch and scales them to the device.
    const QSizeF textArea = QSizeF(paper.size()) * 96.0 / dpi - QSizeF(2 * SideMargin, SideMargin + FootMargin);
    setOnPaper(booklet, textArea);
    booklet->setPageSize(paper.size());
    keepTogether(booklet);

    const qreal footHeight = FootMargin * dpi / 96.0;
    const QRectF foot(0, paper.height() - footHeight, paper.width(), footHeight);
    painter.setFont(booklet->defaultFont());
    // The pages the print dialog was asked for; none chosen means all.
    const QPageRanges chosen = device->pageRanges();
    bool firstPrinted = true;
    for (int page = 0; page < booklet->pageCount(); ++page) {
        if (!chosen.isEmpty() && !chosen.contains(page + 1))
            continue;
        if (!std::exchange(firstPrinted, false) && !device->newPage())
            return false;
        painter.resetTransform();
        painter.translate(-printableOrigin);
        painter.drawText(foot, Qt::AlignCenter, QStringLiteral("Page %1").arg(page + 1));

        const QRectF onPage(0, page * paper.height(), paper.width(), paper.height());
        painter.translate(0, -onPage.top());
        painter.setClipRect(onPage);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = onPage;
        layout->draw(&painter, context);
        painter.setClipping(false);
    }
    return painter.end();
}

Storage::WriteResult exportPdf(const QString &programFolder, qint16 dungeonNumber,
                               const QString &pdfPath, const QPageSize &pageSize)
{
    const std::unique_ptr<QTextDocument> booklet = dungeonBooklet(programFolder, dungeonNumber);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(booklet->metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
    if (!print(booklet.get(), &writer))
        return {Storage::WriteResult::Failure::CannotSave, pdfPath,
                QCoreApplication::translate("Booklet", "the pages could not be drawn")};
    return Storage::writeFileAtomically(pdfPath, pdf);
}

} // namespace Booklet
