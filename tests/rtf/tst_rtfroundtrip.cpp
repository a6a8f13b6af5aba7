// The round-trip property: a document written as RTF and read back shows the
// same text with the same formatting. Seeded random documents, one row per
// group of features and one with everything, are compared through a
// normalised description of their structure; a failure names the seed and
// shows the lines that differ.

#include "rtf/rtf.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {

enum Feature {
    CharacterFormats = 0x01,
    ParagraphFormats = 0x02,
    Lists = 0x04,
    Tables = 0x08,
    Images = 0x10,
    Links = 0x20,
    Scripts = 0x40, // text beyond code page 1252: other alphabets, CJK, emoji
    PastedHtml = 0x80,
    Everything = 0xff,
};

// ---------------------------------------------------------------------------
// Generating documents
// ---------------------------------------------------------------------------

class Generator
{
public:
    Generator(quint32 seed, int features) : random(seed), features(features) {}

    std::unique_ptr<QTextDocument> document()
    {
        auto document = std::make_unique<QTextDocument>();
        target = document.get();
        // A default font other than the reading document's own shows
        // whether the reader applies the RTF's default font and size.
        if (chance(50))
            document->setDefaultFont(pick({QFont(u"DejaVu Serif"_s, 11), QFont(u"Courier New"_s, 10)}));
        QTextCursor cursor(target);
        fresh = true;
        addItems(cursor, 1 + below(6), Paragraph);
        return document;
    }

private:
    enum BlockKind { Paragraph, ListItem, TableCell };

    bool has(Feature feature) const { return features & feature; }
    int below(int bound) { return int(random.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T>
    T pick(std::initializer_list<T> values) { return values.begin()[below(int(values.size()))]; }

    // A new paragraph, or the empty one the cursor stands in: the first of
    // the document, or the one Qt leaves after a table.
    void startBlock(QTextCursor &cursor, const QTextBlockFormat &format)
    {
        if (fresh)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format, QTextCharFormat());
        fresh = false;
    }

    // Paragraphs, lists and tables; a table cell holds paragraphs and lists.
    void addItems(QTextCursor &cursor, int count, BlockKind kind)
    {
        for (; count > 0; --count) {
            if (kind == Paragraph && has(Tables) && chance(15))
                addTable(cursor);
            else if (kind == Paragraph && has(PastedHtml) && chance(20))
                addPastedHtml(cursor);
            else if (has(Lists) && chance(25))
                addList(cursor);
            else
                addParagraph(cursor, blockFormat(kind));
        }
    }

    void addParagraph(QTextCursor &cursor, const QTextBlockFormat &format)
    {
        startBlock(cursor, format);
        addRuns(cursor);
    }

    // Items nest at most one level deeper than the one before; going back
    // out closes the deeper lists, as HTML's nested lists do. Sometimes a
    // list carries on one from further up, numbering and all.
    void addList(QTextCursor &cursor)
    {
        std::vector<QTextList *> open; // by indent - 1
        // Qt deletes a list whose last item has left it.
        std::erase_if(topLists, [](const QPointer<QTextList> &list) { return list.isNull(); });
        if (!topLists.empty() && chance(25))
            open.push_back(topLists[below(int(topLists.size()))]);
        for (int items = 1 + below(5); items > 0; --items) {
            const int indent = 1 + below(std::min(int(open.size()) + 1, 3));
            open.resize(std::min<size_t>(open.size(), indent));
            startBlock(cursor, blockFormat(ListItem));
            if (has(CharacterFormats) && chance(30))
                cursor.setBlockCharFormat(charFormat()); // the number's, as formatting a selected item sets it
            if (int(open.size()) == indent) {
                open.back()->add(cursor.block());
            } else {
                QTextListFormat format;
                format.setStyle(pick({QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare,
                                      QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha,
                                      QTextListFormat::ListUpperAlpha, QTextListFormat::ListLowerRoman,
                                      QTextListFormat::ListUpperRoman}));
                format.setIndent(indent);
                open.push_back(cursor.createList(format));
                if (indent == 1)
                    topLists.push_back(open.back());
            }
            addRuns(cursor);
        }
    }

    void addTable(QTextCursor &cursor)
    {
        QTextTableFormat format;
        format.setBorder(pick({0, 1, 2}));
        if (chance(50))
            format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 80)});
        QTextTable *table = cursor.insertTable(1 + below(3), 1 + below(3), format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
                fresh = true;
                addItems(cell, below(3), TableCell);
            }
        }
        if (chance(30)) {
            const int row = below(table->rows());
            const int column = below(table->columns());
            table->mergeCells(row, column, 1 + below(table->rows() - row), 1 + below(table->columns() - column));
        }
        cursor.movePosition(QTextCursor::End);
        fresh = true;
    }

    // Qt's own importer, as a paste from a web page runs it.
    void addPastedHtml(QTextCursor &cursor)
    {
        startBlock(cursor, QTextBlockFormat());
        cursor.insertHtml(pick({u"<h1>1</h1><h2>2</h2><h3>3</h3><h4>4</h4><h5>5</h5><h6>6</h6>"_s,
                                u"<font size=1>1</font><font size=6>6</font><small>s</small><big>b</big>"_s,
                                u"<span style='font-size:x-large'>xl <b>b</b></span><p style='background:#fc0'>p</p>"_s,
                                u"<table cellpadding=4><tr><td bgcolor=lime>a</td><td style='padding:9px'>b</td></table>"_s,
                                u"<p>above</p><hr><p>below</p>"_s}));
    }

    void addRuns(QTextCursor &cursor)
    {
        QString link;
        for (int runs = below(5); runs > 0; --runs) {
            QTextCharFormat format = charFormat();
            if (has(Links) && chance(30)) {
                // Often the same link again, so one link holds several formats.
                if (link.isEmpty() || chance(30))
                    link = pick({u"https://example.com/"_s, u"https://example.com/a?b=1&c=d"_s, u"#encounter-7"_s,
                                 u"mailto:dm@example.com"_s, u"https://example.com/caf\u00e9 dungeon"_s,
                                 u"file:///C:/Dungeons/1.Encounter"_s, u"Dungeons\\Dungeon1\\7.Encounter7"_s});
                format.setAnchor(true);
                format.setAnchorHref(link);
            } else {
                link.clear();
            }
            if (has(Images) && chance(20))
                addImage(cursor, format);
            else
                cursor.insertText(text(), format);
        }
    }

    void addImage(QTextCursor &cursor, const QTextCharFormat &around)
    {
        QImage image(1 + below(6), 1 + below(6), chance(30) ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, image.hasAlphaChannel() ? random.generate() | 0x01000000 : random.generate());
        }
        const QUrl name(u"generated/%1.png"_s.arg(++images));
        switch (below(3)) {
        case 0: target->addResource(QTextDocument::ImageResource, name, image); break;
        case 1: target->addResource(QTextDocument::ImageResource, name, QPixmap::fromImage(image)); break;
        default: target->addResource(QTextDocument::ImageResource, name, encoded(image, pick({"PNG", "JPEG"})));
        }

        QTextImageFormat format;
        format.merge(around);
        format.setName(name.toString());
        if (chance(50))
            format.setWidth(1 + below(100));
        if (chance(50))
            format.setHeight(1 + below(100));
        cursor.insertImage(format);
    }

    static QByteArray encoded(const QImage &image, const char *format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    // Words that test escaping, delimiters after control words and the code
    // page; with Scripts, words that need \u.
    QString text()
    {
        static const QStringList plain = {
            u"dragon"_s, u"Gold"_s, u"12"_s, u"-3"_s, u"d20"_s, u"(AC)"_s, u"{brace}"_s, u"back\\slash"_s,
            u"tab\there"_s, u"two  spaces"_s, u" lead"_s, u"trail "_s, u"line\u2028break"_s, u"50%"_s,
            u"\"quoted\""_s, u"semi;colon"_s, u"*star"_s, u"?"_s,
        };
        static const QStringList codePage = {
            u"caf\u00e9"_s, u"na\u00efve"_s, u"\u00c6r\u00f8"_s, u"\u00bd"_s, u"\u00a9 \u00ae"_s, u"\u20ac5"_s,
            u"\u201cquote\u201d"_s, u"\u2014"_s, u"\u2026"_s, u"no\u00a0break"_s, u"\u00ff"_s,
        };
        static const QStringList scripts = {
            u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac"_s, u"\u041a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430"_s,
            u"\u65e5\u672c\u8a9e"_s, u"\ud55c\uad6d\uc5b4"_s, u"\u0627\u0644\u0639\u0631\u0628\u064a\u0629"_s,
            u"\u05e2\u05d1\u05e8\u05d9\u05ea"_s, u"\U0001f409"_s, u"\U0001f3b2\U0001f44d\U0001f3fd"_s,
            u"e\u0301"_s, u"\U0001d518\U0001d52b"_s, u"\uff21\uff22"_s,
            u"\U0001f409?"_s, // a real "?" after the pair's two fallbacks
        };
        QString words;
        for (int count = 1 + below(4); count > 0; --count) {
            if (!words.isEmpty())
                words += u' ';
            const int kind = below(has(Scripts) ? 3 : 2);
            const QStringList &pool = kind == 0 ? plain : kind == 1 ? codePage : scripts;
            words += pool[below(int(pool.size()))];
        }
        return words;
    }

    QTextCharFormat charFormat()
    {
        QTextCharFormat format;
        if (!has(CharacterFormats))
            return format;
        if (chance(25))
            format.setFontWeight(pick({QFont::Bold, QFont::DemiBold, QFont::Black, QFont::Light}));
        if (chance(25))
            format.setFontItalic(true);
        if (chance(25))
            format.setUnderlineStyle(pick({QTextCharFormat::SingleUnderline, QTextCharFormat::DashUnderline,
                                           QTextCharFormat::DotLine, QTextCharFormat::DashDotLine,
                                           QTextCharFormat::DashDotDotLine, QTextCharFormat::WaveUnderline}));
        if (chance(20))
            format.setFontStrikeOut(true);
        if (chance(25))
            format.setFontFamilies({pick({u"Courier New"_s, u"Times New Roman"_s, u"DejaVu Serif"_s,
                                          u"Noto Sans Mono"_s, u"Comic Sans MS"_s, u"Caf\u00e9 Script"_s})});
        if (chance(30))
            format.setFontPointSize(pick({7.0, 8.5, 9.0, 10.0, 11.5, 12.0, 14.0, 18.0, 24.0, 36.0, 72.0}));
        if (chance(25))
            format.setForeground(color());
        if (chance(20))
            format.setBackground(color());
        if (chance(15))
            format.setVerticalAlignment(pick({QTextCharFormat::AlignSuperScript, QTextCharFormat::AlignSubScript}));
        return format;
    }

    QColor color() { return pick({QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 170, 0), QColor(18, 52, 86),
                                  QColor(255, 255, 255), QColor(255, 255, 0)}); }

    // List items keep to what belongs to a paragraph, not to the list: their
    // indentation is the list's.
    QTextBlockFormat blockFormat(BlockKind kind)
    {
        QTextBlockFormat format;
        if (!has(ParagraphFormats))
            return format;
        if (chance(30))
            format.setAlignment(pick({Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify}));
        if (kind != ListItem) {
            if (chance(20))
                format.setLeftMargin(pick({5.0, 10.0, 36.5, 72.0}));
            if (chance(10))
                format.setIndent(pick({1, 2}));
            if (chance(20))
                format.setTextIndent(pick({-10.0, 12.0, 24.5}));
        }
        if (chance(20))
            format.setRightMargin(pick({5.0, 20.5, 50.0}));
        if (chance(25))
            format.setTopMargin(pick({3.0, 6.0, 12.5}));
        if (chance(25))
            format.setBottomMargin(pick({3.0, 6.0, 12.5}));
        if (chance(25)) {
            switch (below(3)) {
            case 0: format.setLineHeight(pick({80.0, 150.0, 200.0}), QTextBlockFormat::ProportionalHeight); break;
            case 1: format.setLineHeight(pick({12.0, 20.0}), QTextBlockFormat::MinimumHeight); break;
            default: format.setLineHeight(pick({14.0, 30.0}), QTextBlockFormat::FixedHeight); break;
            }
        }
        return format;
    }

    QRandomGenerator random;
    int features;
    QTextDocument *target = nullptr;
    std::vector<QPointer<QTextList>> topLists;
    bool fresh = true;
    int images = 0;
};

// ---------------------------------------------------------------------------
// Describing documents
// ---------------------------------------------------------------------------

// One line per paragraph, run, image, table and cell, with the properties
// RTF carries, resolved against the document's default font so that "not
// set" and "set to the default" read the same.
class Description
{
public:
    static QStringList of(const QTextDocument &document)
    {
        Description description(document);
        description.frame(document.rootFrame(), QString());
        return description.lines;
    }

private:
    explicit Description(const QTextDocument &document) : document(document) {}

    void frame(const QTextFrame *frame, const QString &indent)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
                lines += indent + u"table %1x%2"_s.arg(table->rows()).arg(table->columns());
                for (int row = 0; row < table->rows(); ++row) {
                    for (int column = 0; column < table->columns(); ++column) {
                        const QTextTableCell cell = table->cellAt(row, column);
                        if (cell.row() != row || cell.column() != column)
                            continue; // covered by a spanning cell
                        const QTextTableCellFormat format = cell.format().toTableCellFormat();
                        const auto padding = [&](QTextFormat::Property side) {
                            return format.hasProperty(side) ? format.doubleProperty(side) : table->format().cellPadding();
                        };
                        lines += indent + u"  cell %1,%2 spans %3x%4 background %5 padding %6 %7 %8 %9"_s.arg(row).arg(column)
                                              .arg(cell.rowSpan()).arg(cell.columnSpan()).arg(brush(format.background()))
                                              .arg(padding(QTextFormat::TableCellTopPadding)).arg(padding(QTextFormat::TableCellBottomPadding))
                                              .arg(padding(QTextFormat::TableCellLeftPadding)).arg(padding(QTextFormat::TableCellRightPadding));
                        for (auto inCell = cell.begin(); !inCell.atEnd(); ++inCell)
                            block(inCell.currentBlock(), indent + u"    "_s);
                    }
                }
            } else if (it.currentFrame()) {
                this->frame(it.currentFrame(), indent);
            } else {
                block(it.currentBlock(), indent);
            }
        }
    }

    void block(const QTextBlock &block, const QString &indent)
    {
        if (!block.isValid())
            return;
        const QTextBlockFormat format = block.blockFormat();
        QStringList properties;
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        properties += alignment & Qt::AlignHCenter ? u"centre"_s
            : alignment & Qt::AlignJustify         ? u"justify"_s
            : alignment & Qt::AlignRight           ? u"right"_s
                                                   : u"left"_s;
        addLength(properties, u"left"_s, format.leftMargin() + format.indent() * document.indentWidth());
        addLength(properties, u"right"_s, format.rightMargin());
        addLength(properties, u"first"_s, format.textIndent());
        addLength(properties, u"before"_s, format.topMargin());
        addLength(properties, u"after"_s, format.bottomMargin());
        const qreal height = format.lineHeight();
        switch (format.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            if (height != 100)
                properties += u"line %1%"_s.arg(height);
            break;
        case QTextBlockFormat::MinimumHeight: properties += u"line at least %1"_s.arg(height); break;
        case QTextBlockFormat::FixedHeight: properties += u"line exactly %1"_s.arg(height); break;
        default: break;
        }
        properties += u"heading %1 background %2"_s.arg(format.headingLevel()).arg(brush(format.background()));
        if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            properties += u"rule"_s;
        if (const QTextList *list = block.textList()) {
            if (!lists.contains(list))
                lists += list;
            const qsizetype number = lists.indexOf(list) + 1;
            // A number is never a link, and the writer keeps it on the baseline.
            QTextCharFormat numberFormat = block.charFormat();
            numberFormat.clearProperty(QTextFormat::AnchorHref);
            numberFormat.clearProperty(QTextFormat::TextVerticalAlignment);
            properties += u"list %1 style %2 indent %3 number %4"_s.arg(number).arg(list->format().style())
                              .arg(list->format().indent()).arg(characters(numberFormat));
        }
        lines += indent + u"paragraph "_s + properties.join(u", ");

        // Runs are split where the description changes, not where Qt's
        // fragments happen to end.
        QString run;
        QString runText;
        const auto flush = [&] {
            if (!runText.isEmpty())
                lines += indent + u"  \""_s + runText + u"\" "_s + run;
            runText.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                flush();
                // A picture's font is invisible; what shows is where it leads.
                const QString link = format.isAnchor() ? u" link "_s + format.anchorHref() : QString();
                for (qsizetype count = fragment.length(); count > 0; --count)
                    lines += indent + u"  "_s + image(format.toImageFormat()) + link;
                continue;
            }
            const QString description = characters(format);
            if (description != run)
                flush();
            run = description;
            runText += fragment.text();
        }
        flush();
    }

    static QString brush(const QBrush &brush) { return brush.style() == Qt::NoBrush ? u"none"_s : brush.color().name(); }

    static void addLength(QStringList &properties, const QString &name, qreal value)
    {
        if (qRound(value * 20) != 0)
            properties += name + u' ' + QString::number(qRound(value * 20) / 20.0);
    }

    // A document's format holds the font its layout uses: resolved against
    // the default font, HTML's size steps scaled.
    QString characters(const QTextCharFormat &format) const
    {
        const QFont font = format.font();
        QStringList properties;
        properties += font.family();
        const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        properties += QString::number(qRound(points * 2) / 2.0) + u"pt"_s;
        if (font.weight() >= QFont::DemiBold)
            properties += u"bold"_s;
        if (font.italic())
            properties += u"italic"_s;
        const QTextCharFormat::UnderlineStyle underline = format.hasProperty(QTextFormat::TextUnderlineStyle)
            ? format.underlineStyle()
            : font.underline() ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
        if (underline != QTextCharFormat::NoUnderline)
            properties += u"underline %1"_s.arg(underline);
        if (font.strikeOut())
            properties += u"strike-out"_s;
        if (format.foreground().style() != Qt::NoBrush)
            properties += u"colour "_s + format.foreground().color().name();
        if (format.background().style() != Qt::NoBrush)
            properties += u"highlight "_s + format.background().color().name();
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            properties += u"superscript"_s;
        if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            properties += u"subscript"_s;
        if (format.isAnchor() && !format.anchorHref().isEmpty())
            properties += u"link "_s + format.anchorHref();
        return properties.join(u", ");
    }

    // The picture by its pixels and the size it is shown at, as Qt lays it
    // out: a side that is not set keeps the picture's proportions.
    QString image(const QTextImageFormat &format) const
    {
        const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image;
        if (resource.userType() == QMetaType::QImage)
            image = resource.value<QImage>();
        else if (resource.userType() == QMetaType::QPixmap)
            image = resource.value<QPixmap>().toImage();
        else if (resource.userType() == QMetaType::QByteArray)
            image = QImage::fromData(resource.toByteArray());
        if (image.isNull())
            return u"image (missing)"_s;
        image.convertTo(QImage::Format_ARGB32);

        QCryptographicHash pixels(QCryptographicHash::Sha1);
        for (int y = 0; y < image.height(); ++y)
            pixels.addData(QByteArrayView(image.constScanLine(y), image.width() * 4));
        const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth) && format.width() > 0;
        const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight) && format.height() > 0;
        QSizeF shown = image.size();
        if (hasWidth && hasHeight)
            shown = {format.width(), format.height()};
        else if (hasWidth)
            shown = {format.width(), format.width() * image.height() / image.width()};
        else if (hasHeight)
            shown = {format.height() * image.width() / image.height(), format.height()};
        return u"image %1x%2 shown %3x%4 pixels %5"_s.arg(image.width()).arg(image.height())
            .arg(qRound(shown.width())).arg(qRound(shown.height()))
            .arg(QString::fromLatin1(pixels.result().toHex().left(12)));
    }

    const QTextDocument &document;
    QStringList lines;
    QList<const QTextList *> lists; // numbered in order of appearance
};

// The differing middle of two descriptions, after their common start and end.
QString minimalDiff(const QStringList &expected, const QStringList &actual)
{
    const qsizetype shorter = std::min(expected.size(), actual.size());
    qsizetype start = 0;
    while (start < shorter && expected[start] == actual[start])
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && expected[expected.size() - 1 - end] == actual[actual.size() - 1 - end])
        ++end;

    QStringList diff;
    if (start > 0)
        diff += u"  "_s + expected[start - 1];
    for (qsizetype line = start; line < expected.size() - end; ++line)
        diff += u"- "_s + expected[line];
    for (qsizetype line = start; line < actual.size() - end; ++line)
        diff += u"+ "_s + actual[line];
    return diff.join(u'\n');
}

} // namespace

class tst_RtfRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void tst_RtfRoundTrip::roundTrip_data()
{
    QTest::addColumn<int>("features");
    QTest::addColumn<quint32>("firstSeed");
    QTest::addColumn<int>("count");

    QTest::newRow("character formats") << int(CharacterFormats) << 1000u << 200;
    QTest::newRow("paragraph formats") << int(ParagraphFormats | CharacterFormats) << 2000u << 200;
    QTest::newRow("lists") << int(Lists | ParagraphFormats) << 3000u << 200;
    QTest::newRow("tables") << int(Tables | CharacterFormats | ParagraphFormats) << 4000u << 200;
    QTest::newRow("images") << int(Images | CharacterFormats) << 5000u << 200;
    QTest::newRow("links") << int(Links | CharacterFormats) << 6000u << 200;
    QTest::newRow("scripts") << int(Scripts) << 7000u << 200;
    QTest::newRow("pasted HTML") << int(PastedHtml | Lists | CharacterFormats) << 9000u << 200;
    QTest::newRow("everything") << int(Everything) << 8000u << 600;
}

void tst_RtfRoundTrip::roundTrip()
{
    QFETCH(int, features);
    QFETCH(quint32, firstSeed);
    QFETCH(int, count);

    for (quint32 seed = firstSeed; seed < firstSeed + quint32(count); ++seed) {
        const std::unique_ptr<QTextDocument> source = Generator(seed, features).document();
        const QByteArray rtf = Rtf::write(source.get());
        QTextDocument copy;
        Rtf::read(rtf, &copy);

        const QStringList expected = Description::of(*source);
        const QStringList actual = Description::of(copy);
        if (expected != actual) {
            constexpr qsizetype shownBytes = 3000;
            QFAIL(qPrintable(u"seed %1 (features 0x%2) does not survive the round trip:\n%3\nRTF%4:\n%5"_s
                                 .arg(seed).arg(features, 0, 16).arg(minimalDiff(expected, actual))
                                 .arg(rtf.size() > shownBytes ? u" (start)"_s : QString())
                                 .arg(QString::fromLatin1(rtf.left(shownBytes)))));
        }
    }
}

QTEST_MAIN(tst_RtfRoundTrip)
#include "tst_rtfroundtrip.moc"
