// Structural checks of the RTF the writer produces: the header and its
// tables, escaping and code page bytes, each format's control words, lists,
// tables, pictures and links. Every output must also be well-formed 7-bit RTF.

#include "rtf/rtf.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace {

// A 12-point default font, so that runs in it need no \fs.
QFont defaultFont()
{
    QFont font(QStringLiteral("Test Sans"));
    font.setPointSizeF(12);
    return font;
}

std::unique_ptr<QTextDocument> makeDocument()
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(defaultFont());
    return document;
}

// Braces balance and close only at the very end, escapes are complete and
// every byte is 7-bit: what any RTF reader needs to get through a file.
QString wellFormednessProblem(const QByteArray &rtf)
{
    if (!rtf.startsWith("{\\rtf1"))
        return QStringLiteral("does not start with {\\rtf1");
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (uchar(c) >= 0x80)
            return QStringLiteral("8-bit byte at %1").arg(i);
        if (c == '\\') {
            if (++i == rtf.size())
                return QStringLiteral("backslash at the end");
            if (rtf[i] == '\'' && !QRegularExpression(QStringLiteral("^[0-9a-f]{2}$")).match(QString::fromLatin1(rtf.mid(i + 1, 2))).hasMatch())
                return QStringLiteral("bad hex escape at %1").arg(i);
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0 || (depth == 0 && i != rtf.size() - 1))
                return QStringLiteral("root group closed at %1 of %2").arg(i).arg(rtf.size());
        }
    }
    return depth == 0 ? QString() : QStringLiteral("%1 groups left open").arg(depth);
}

QByteArray writeChecked(const QTextDocument &document)
{
    const QByteArray rtf = Rtf::write(&document);
    const QString problem = wellFormednessProblem(rtf);
    if (!problem.isEmpty())
        qWarning().noquote() << problem << "in" << rtf;
    return problem.isEmpty() ? rtf : QByteArray();
}

// The body: what follows the header's tables.
QByteArray bodyOf(const QByteArray &rtf)
{
    const qsizetype start = rtf.indexOf("\\pard");
    return start < 0 ? QByteArray() : rtf.mid(start, rtf.size() - 1 - start);
}

QByteArray bodyOf(const QString &text, const QTextCharFormat &format = {})
{
    auto document = makeDocument();
    QTextCursor(document.get()).insertText(text, format);
    return bodyOf(writeChecked(*document));
}

QTextCharFormat charFormat(QTextFormat::Property property, const QVariant &value)
{
    QTextCharFormat format;
    format.setProperty(property, value);
    return format;
}

QTextBlockFormat blockFormat(QTextFormat::Property property, const QVariant &value)
{
    QTextBlockFormat format;
    format.setProperty(property, value);
    return format;
}

QTextBlockFormat lineHeight(qreal height, QTextBlockFormat::LineHeightTypes type)
{
    QTextBlockFormat format;
    format.setLineHeight(height, type);
    return format;
}

QTextListFormat listFormat(QTextListFormat::Style style, int indent = 1)
{
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(indent);
    return format;
}

QImage testImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray withoutNewlines(QByteArray bytes)
{
    return bytes.replace('\n', QByteArray());
}

} // namespace

class tst_RtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void emptyDocument();
    void fontAndColorTables();
    void paragraphs();
    void text_data();
    void text();
    void characterFormat_data();
    void characterFormat();
    void emptyParagraphTakesItsMarkFormat();
    void paragraphMarkOnTheBaseline();
    void paragraphFormat_data();
    void paragraphFormat();
    void listStyles_data();
    void listStyles();
    void nestedLists();
    void listNumberTakesTheBlockFormat();
    void tableCells_data();
    void tableCells();
    void tableSpans();
    void tableCellParagraphs();
    void pictures_data();
    void pictures();
    void hyperlinks_data();
    void hyperlinks();
    void footnotes_data();
    void footnotes();
};

void tst_RtfWriter::emptyDocument()
{
    auto document = makeDocument();
    const QByteArray rtf = writeChecked(*document);
    // The header, both tables, and control words only: no text at all.
    static const QRegularExpression expected(QStringLiteral(
        R"(^\{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\{\\fonttbl\{\\f0\\fnil\\fcharset0 Test Sans;\}\}\s*)"
        R"(\{\\colortbl;\}\s*(\\[a-z]+-?\d*\s*)*\}$)"));
    QVERIFY2(expected.match(QString::fromLatin1(rtf)).hasMatch(), rtf.constData());
    QCOMPARE(Rtf::write(nullptr).left(40), rtf.left(40));
}

void tst_RtfWriter::fontAndColorTables()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextCharFormat courier;
    courier.setFontFamilies({QStringLiteral("Courier New")});
    courier.setForeground(QColor(255, 0, 0));
    QTextCharFormat greek;
    greek.setFontFamilies({QStringLiteral("Ελληνικά {x}")});
    greek.setForeground(QColor(0, 128, 255));
    greek.setBackground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("a"), courier);
    cursor.insertText(QStringLiteral("b"), greek);
    cursor.insertText(QStringLiteral("c"), courier);
    const QByteArray rtf = writeChecked(*document);

    QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Test Sans;}{\\f1\\fnil\\fcharset0 Courier New;}"
                          "{\\f2\\fnil\\fcharset0\\u917?\\u955?\\u955?\\u951?\\u957?\\u953?\\u954?\\u940? \\{x\\};}}"),
             rtf.constData());
    // Colours are shared between text and highlight, each listed once.
    QVERIFY2(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"), rtf.constData());
    QVERIFY2(bodyOf(rtf).contains("\\f1\\cf1 a\\f2\\cf2\\highlight1 b\\f1\\cf1\\highlight0 c"), rtf.constData());
}

void tst_RtfWriter::paragraphs()
{
    auto document = makeDocument();
    document->setPlainText(QStringLiteral("one\ntwo\n\nfour"));
    const QByteArray body = bodyOf(writeChecked(*document));
    // The last paragraph ends with \par too: that is how readers know it ends.
    QCOMPARE(body, QByteArray("\\pard one\\par\n\\pard two\\par\n\\pard\\par\n\\pard four\\par\n"));
}

void tst_RtfWriter::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << QStringLiteral("Hello, world!") << QByteArray(" Hello, world!");
    QTest::newRow("punctuation first") << QStringLiteral("(x)") << QByteArray("(x)");
    QTest::newRow("braces and backslash") << QStringLiteral("a{b}c\\d") << QByteArray(" a\\{b\\}c\\\\d");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray(" a\\tab b");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray(" a\\line b");
    QTest::newRow("other controls dropped") << QStringLiteral("a\x01\x1f\x7f" "b") << QByteArray(" ab");
    QTest::newRow("latin-1") << QStringLiteral("café Ñ ÿ") << QByteArray(" caf\\'e9 \\'d1 \\'ff");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b") << QByteArray(" a\\'a0b");
    QTest::newRow("1252 extras") << QStringLiteral("€“”…•Ÿ") << QByteArray("\\'80\\'93\\'94\\'85\\'95\\'9f");
    QTest::newRow("greek") << QStringLiteral("Ωa") << QByteArray("\\u937?a");
    QTest::newRow("digit after unicode") << QStringLiteral("Ω1") << QByteArray("\\u937?1");
    QTest::newRow("above 32767") << QStringLiteral("\uff21") << QByteArray("\\u-223?");
    QTest::newRow("CJK") << QStringLiteral("中文") << QByteArray("\\u20013?\\u25991?");
    QTest::newRow("surrogate pair") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
    // A control word swallows one space and the letters, digits and '-'
    // after it; anything else may follow directly.
    QTest::newRow("letter after word") << QStringLiteral("\tx") << QByteArray("\\tab x");
    QTest::newRow("space after word") << QStringLiteral("\t x") << QByteArray("\\tab  x");
    QTest::newRow("minus after word") << QStringLiteral("\t-1") << QByteArray("\\tab -1");
    QTest::newRow("punctuation after word") << QStringLiteral("\t.") << QByteArray("\\tab.");
    QTest::newRow("escape after word") << QStringLiteral("\t{") << QByteArray("\\tab\\{");
}

void tst_RtfWriter::text()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(bodyOf(text), "\\pard" + expected + "\\par\n");
}

void tst_RtfWriter::characterFormat_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");

    QTest::newRow("bold") << charFormat(QTextFormat::FontWeight, QFont::Bold) << QByteArray("\\b") << QByteArray("\\b0");
    QTest::newRow("demibold") << charFormat(QTextFormat::FontWeight, QFont::DemiBold) << QByteArray("\\b") << QByteArray("\\b0");
    QTest::newRow("medium") << charFormat(QTextFormat::FontWeight, QFont::Medium) << QByteArray() << QByteArray();
    QTest::newRow("italic") << charFormat(QTextFormat::FontItalic, true) << QByteArray("\\i") << QByteArray("\\i0");
    QTest::newRow("strike-out") << charFormat(QTextFormat::FontStrikeOut, true) << QByteArray("\\strike") << QByteArray("\\strike0");
    QTest::newRow("underline, old property") << charFormat(QTextFormat::FontUnderline, true) << QByteArray("\\ul") << QByteArray("\\ulnone");

    const QList<std::pair<QTextCharFormat::UnderlineStyle, QByteArray>> underlines = {
        {QTextCharFormat::SingleUnderline, "\\ul"},     {QTextCharFormat::DashUnderline, "\\uldash"},
        {QTextCharFormat::DotLine, "\\uld"},            {QTextCharFormat::DashDotLine, "\\uldashd"},
        {QTextCharFormat::DashDotDotLine, "\\uldashdd"}, {QTextCharFormat::WaveUnderline, "\\ulwave"},
    };
    for (const auto &[style, word] : underlines) {
        QTest::addRow("underline %s", word.constData() + 1)
            << charFormat(QTextFormat::TextUnderlineStyle, style) << word << QByteArray("\\ulnone");
    }

    QTest::newRow("font family") << charFormat(QTextFormat::FontFamilies, QStringList{QStringLiteral("Courier New")})
                                 << QByteArray("\\f1") << QByteArray("\\f0");
    QTest::newRow("point size") << charFormat(QTextFormat::FontPointSize, 14.0) << QByteArray("\\fs28") << QByteArray("\\fs24");
    QTest::newRow("point size rounds to halves") << charFormat(QTextFormat::FontPointSize, 10.3) << QByteArray("\\fs21") << QByteArray("\\fs24");
    QTest::newRow("pixel size") << charFormat(QTextFormat::FontPixelSize, 20) << QByteArray("\\fs30") << QByteArray("\\fs24");
    QTest::newRow("text colour") << charFormat(QTextFormat::ForegroundBrush, QBrush(QColor(1, 2, 3)))
                                 << QByteArray("\\cf1") << QByteArray("\\cf0");
    QTest::newRow("highlight") << charFormat(QTextFormat::BackgroundBrush, QBrush(Qt::yellow))
                               << QByteArray("\\highlight1") << QByteArray("\\highlight0");
    QTest::newRow("superscript") << charFormat(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSuperScript)
                                 << QByteArray("\\super") << QByteArray("\\nosupersub");
    QTest::newRow("subscript") << charFormat(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSubScript)
                               << QByteArray("\\sub") << QByteArray("\\nosupersub");
    QTest::newRow("middle is not a position") << charFormat(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignMiddle)
                                              << QByteArray() << QByteArray();
    QTest::newRow("capitals") << charFormat(QTextFormat::FontCapitalization, QFont::AllUppercase) << QByteArray("\\caps") << QByteArray("\\caps0");
    QTest::newRow("small capitals") << charFormat(QTextFormat::FontCapitalization, QFont::SmallCaps) << QByteArray("\\scaps") << QByteArray("\\scaps0");

    QTextCharFormat several;
    several.setFontWeight(QFont::Bold);
    several.setFontItalic(true);
    several.setFontPointSize(8);
    several.setForeground(QColor(Qt::red));
    QTest::newRow("several at once") << several << QByteArray("\\fs16\\b\\i\\cf1") << QByteArray("\\fs24\\b0\\i0\\cf0");
}

void tst_RtfWriter::characterFormat()
{
    QFETCH(QTextCharFormat, format);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);

    auto document = makeDocument();
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("x"), format);
    cursor.insertText(QStringLiteral("y"), QTextCharFormat());
    cursor.insertText(QStringLiteral("z"), format);
    cursor.insertText(QStringLiteral("."), QTextCharFormat());
    const QByteArray run = on.isEmpty() ? QByteArray("x") : on + " x";
    const QByteArray plain = off.isEmpty() ? QByteArray("y") : off + " y";
    const QByteArray again = on.isEmpty() ? QByteArray("z") : on + " z";
    QCOMPARE(bodyOf(writeChecked(*document)), "\\pard" + (on.isEmpty() ? " " : QByteArray()) + run + plain + again + off + ".\\par\n");
}

void tst_RtfWriter::emptyParagraphTakesItsMarkFormat()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("a"));
    QTextCharFormat big;
    big.setFontPointSize(20);
    cursor.insertBlock(QTextBlockFormat(), big);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(QStringLiteral("b"));
    QCOMPARE(bodyOf(writeChecked(*document)), QByteArray("\\pard a\\par\n\\pard\\fs40\\par\n\\pard\\fs24 b\\par\n"));
}

void tst_RtfWriter::paragraphMarkOnTheBaseline()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextCharFormat superscript;
    superscript.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QStringLiteral("x"));
    cursor.insertText(QStringLiteral("2"), superscript);
    cursor.insertBlock(QTextBlockFormat(), superscript);
    cursor.insertText(QStringLiteral("3"), superscript);
    QCOMPARE(bodyOf(writeChecked(*document)),
             QByteArray("\\pard x\\super 2\\nosupersub\\par\n\\pard\\super 3\\nosupersub\\par\n"));
}

void tst_RtfWriter::paragraphFormat_data()
{
    QTest::addColumn<QTextBlockFormat>("format");
    QTest::addColumn<QByteArray>("words");

    QTest::newRow("left") << blockFormat(QTextFormat::BlockAlignment, int(Qt::AlignLeft)) << QByteArray();
    QTest::newRow("centre") << blockFormat(QTextFormat::BlockAlignment, int(Qt::AlignHCenter)) << QByteArray("\\qc");
    QTest::newRow("right") << blockFormat(QTextFormat::BlockAlignment, int(Qt::AlignRight)) << QByteArray("\\qr");
    QTest::newRow("right, absolute") << blockFormat(QTextFormat::BlockAlignment, int(Qt::AlignRight | Qt::AlignAbsolute)) << QByteArray("\\qr");
    QTest::newRow("justify") << blockFormat(QTextFormat::BlockAlignment, int(Qt::AlignJustify)) << QByteArray("\\qj");
    QTest::newRow("left margin") << blockFormat(QTextFormat::BlockLeftMargin, 36.0) << QByteArray("\\li720");
    QTest::newRow("indent level") << blockFormat(QTextFormat::BlockIndent, 2) << QByteArray("\\li1600");
    QTest::newRow("right margin") << blockFormat(QTextFormat::BlockRightMargin, 18.5) << QByteArray("\\ri370");
    QTest::newRow("hanging first line") << blockFormat(QTextFormat::TextIndent, -9.0) << QByteArray("\\fi-180");
    QTest::newRow("space before") << blockFormat(QTextFormat::BlockTopMargin, 6.0) << QByteArray("\\sb120");
    QTest::newRow("space after") << blockFormat(QTextFormat::BlockBottomMargin, 12.0) << QByteArray("\\sa240");
    QTest::newRow("one and a half lines") << lineHeight(150, QTextBlockFormat::ProportionalHeight) << QByteArray("\\sl360\\slmult1");
    QTest::newRow("one line") << lineHeight(100, QTextBlockFormat::ProportionalHeight) << QByteArray();
    QTest::newRow("at least") << lineHeight(14, QTextBlockFormat::MinimumHeight) << QByteArray("\\sl280\\slmult0");
    QTest::newRow("exactly") << lineHeight(14, QTextBlockFormat::FixedHeight) << QByteArray("\\sl-280\\slmult0");
    QTest::newRow("line distance") << lineHeight(4, QTextBlockFormat::LineDistanceHeight) << QByteArray();

    QTextBlockFormat all = lineHeight(200, QTextBlockFormat::ProportionalHeight);
    all.setAlignment(Qt::AlignHCenter);
    all.setLeftMargin(10);
    all.setRightMargin(20);
    all.setTextIndent(5);
    all.setTopMargin(1);
    all.setBottomMargin(2);
    QTest::newRow("all together") << all << QByteArray("\\qc\\li200\\ri400\\fi100\\sb20\\sa40\\sl480\\slmult1");
}

void tst_RtfWriter::paragraphFormat()
{
    QFETCH(QTextBlockFormat, format);
    QFETCH(QByteArray, words);

    auto document = makeDocument();
    QTextCursor cursor(document.get());
    cursor.setBlockFormat(format);
    cursor.insertText(QStringLiteral("x"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("y"));
    // \pard puts the next paragraph back to the defaults.
    QCOMPARE(bodyOf(writeChecked(*document)), "\\pard" + words + " x\\par\n\\pard y\\par\n");
}

void tst_RtfWriter::listStyles_data()
{
    QTest::addColumn<QTextListFormat>("format");
    QTest::addColumn<QByteArray>("levelFormat");
    QTest::addColumn<QByteArray>("levelText");
    QTest::addColumn<QByteArrayList>("markers");

    const auto row = [](const char *name, QTextListFormat::Style style, const char *nfc, const char *text, QByteArrayList markers) {
        QTest::newRow(name) << listFormat(style) << QByteArray(nfc) << QByteArray(text) << markers;
    };
    row("disc", QTextListFormat::ListDisc, "\\levelnfc23", "{\\leveltext\\'01\\'95;}{\\levelnumbers;}", {"\\'95", "\\'95"});
    row("circle", QTextListFormat::ListCircle, "\\levelnfc23", "{\\leveltext\\'01\\u9702?;}", {"\\u9702?", "\\u9702?"});
    row("square", QTextListFormat::ListSquare, "\\levelnfc23", "{\\leveltext\\'01\\u9642?;}", {"\\u9642?", "\\u9642?"});
    row("decimal", QTextListFormat::ListDecimal, "\\levelnfc0", "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}", {" 1.", " 2."});
    row("upper roman", QTextListFormat::ListUpperRoman, "\\levelnfc1", "{\\leveltext\\'02\\'00.;}", {" I.", " II."});
    row("lower roman", QTextListFormat::ListLowerRoman, "\\levelnfc2", "{\\leveltext\\'02\\'00.;}", {" i.", " ii."});
    row("upper letter", QTextListFormat::ListUpperAlpha, "\\levelnfc3", "{\\leveltext\\'02\\'00.;}", {" A.", " B."});
    row("lower letter", QTextListFormat::ListLowerAlpha, "\\levelnfc4", "{\\leveltext\\'02\\'00.;}", {" a.", " b."});

    QTextListFormat decorated = listFormat(QTextListFormat::ListDecimal);
    decorated.setNumberPrefix(QStringLiteral("("));
    decorated.setNumberSuffix(QStringLiteral(")"));
    QTest::newRow("prefix and suffix") << decorated << QByteArray("\\levelnfc0")
                                       << QByteArray("{\\leveltext\\'03(\\'00);}{\\levelnumbers\\'02;}")
                                       << QByteArrayList{"(1)", "(2)"};
}

void tst_RtfWriter::listStyles()
{
    QFETCH(QTextListFormat, format);
    QFETCH(QByteArray, levelFormat);
    QFETCH(QByteArray, levelText);
    QFETCH(QByteArrayList, markers);

    auto document = makeDocument();
    QTextCursor cursor(document.get());
    cursor.createList(format);
    cursor.insertText(QStringLiteral("first"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));
    const QByteArray rtf = writeChecked(*document);

    QCOMPARE(rtf.count("\\listlevel" + levelFormat + "\\levelstartat1"), 1);
    QVERIFY2(rtf.contains("\\listlevel" + levelFormat + "\\levelstartat1" + levelText), rtf.constData());
    QVERIFY2(rtf.contains("{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"), rtf.constData());
    const QByteArray item = "\\pard\\ls1\\ilvl0\\li800\\fi-400{\\listtext";
    QCOMPARE(bodyOf(rtf), item + markers[0] + "\\tab}first\\par\n" + item + markers[1] + "\\tab}second\\par\n");
}

void tst_RtfWriter::nestedLists()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextList *outer = cursor.createList(listFormat(QTextListFormat::ListDecimal));
    cursor.insertText(QStringLiteral("one"));
    cursor.insertList(listFormat(QTextListFormat::ListLowerAlpha, 2));
    cursor.insertText(QStringLiteral("one a"));
    cursor.insertBlock();
    outer->add(cursor.block());
    cursor.insertText(QStringLiteral("two"));
    const QByteArray rtf = writeChecked(*document);

    // Each QTextList is its own RTF list, numbered on its own level, so the
    // outer list counts on past its sublist.
    static const QRegularExpression list(QStringLiteral(R"(\{\\list\\listtemplateid\d+(.*?)\\listid(\d+)\})"));
    QStringList levels;
    for (const QRegularExpressionMatch &match : list.globalMatch(QString::fromLatin1(rtf)))
        levels += match.captured(2) + u':' + match.captured(1);
    QCOMPARE(levels, QStringList({
        QStringLiteral(R"(1:{\listlevel\levelnfc0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-400\li800})"),
        QStringLiteral(R"(2:{\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-400\li800})"
                       R"({\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'01.;}{\levelnumbers\'01;}\fi-400\li1600})"),
    }));
    QCOMPARE(bodyOf(rtf), QByteArray("\\pard\\ls1\\ilvl0\\li800\\fi-400{\\listtext 1.\\tab}one\\par\n"
                                     "\\pard\\ls2\\ilvl1\\li1600\\fi-400{\\listtext a.\\tab}one a\\par\n"
                                     "\\pard\\ls1\\ilvl0\\li800\\fi-400{\\listtext 2.\\tab}two\\par\n"));
}

void tst_RtfWriter::listNumberTakesTheBlockFormat()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    cursor.createList(listFormat(QTextListFormat::ListDecimal));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    // Word processors draw the number in the formatting of the paragraph
    // mark, so the mark goes back to the block's format.
    QCOMPARE(bodyOf(writeChecked(*document)),
             QByteArray("\\pard\\ls1\\ilvl0\\li800\\fi-400{\\listtext 1.\\tab}\\b bold\\b0\\par\n"));
}

void tst_RtfWriter::tableCells_data()
{
    QTest::addColumn<QList<QTextLength>>("constraints");
    QTest::addColumn<QTextLength>("width");
    QTest::addColumn<QByteArray>("edges");

    QTest::newRow("equal split") << QList<QTextLength>() << QTextLength() << QByteArray("\\cellx3000\\cellx6000\\cellx9000");
    QTest::newRow("fixed, percentage, the rest")
        << QList<QTextLength>{QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::PercentageLength, 50), QTextLength()}
        << QTextLength() << QByteArray("\\cellx1500\\cellx6000\\cellx9000");
    QTest::newRow("fixed table width") << QList<QTextLength>() << QTextLength(QTextLength::FixedLength, 300)
                                       << QByteArray("\\cellx1500\\cellx3000\\cellx4500");
    QTest::newRow("percentage table width") << QList<QTextLength>{QTextLength(QTextLength::PercentageLength, 50)}
                                            << QTextLength(QTextLength::PercentageLength, 50)
                                            << QByteArray("\\cellx2250\\cellx3375\\cellx4500");
    QTest::newRow("no room left") << QList<QTextLength>{QTextLength(QTextLength::FixedLength, 600)} << QTextLength()
                                  << QByteArray("\\cellx9000\\cellx9360\\cellx9720");
}

void tst_RtfWriter::tableCells()
{
    QFETCH(QList<QTextLength>, constraints);
    QFETCH(QTextLength, width);
    QFETCH(QByteArray, edges);

    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(0); // Qt 6.8 pads cells by 4 pixels unless told
    format.setColumnWidthConstraints(constraints);
    format.setWidth(width);
    QTextTable *table = cursor.insertTable(2, 3, format);
    for (int cell = 0; cell < 6; ++cell)
        table->cellAt(cell / 3, cell % 3).firstCursorPosition().insertText(QString::number(cell));
    const QByteArray body = bodyOf(writeChecked(*document));

    QByteArray expected = "\\pard\\par\n";
    for (int row = 0; row < 2; ++row) {
        expected += "\\trowd" + edges + "\n";
        for (int column = 0; column < 3; ++column)
            expected += "\\pard\\intbl " + QByteArray::number(row * 3 + column) + "\\cell\n";
        expected += "\\row\n";
    }
    QCOMPARE(body, expected + "\\pard\\par\n");
}

void tst_RtfWriter::tableSpans()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextTableFormat format;
    format.setBorder(1);
    format.setCellPadding(0);
    format.setBorderBrush(QColor(Qt::blue));
    QTextTable *table = cursor.insertTable(2, 3, format);
    table->mergeCells(0, 0, 1, 2); // across the first two columns
    table->mergeCells(0, 2, 2, 1); // down the last column
    const QByteArray rtf = writeChecked(*document);

    const QByteArray border = "\\clbrdrt\\brdrs\\brdrw15\\brdrcf1\\clbrdrl\\brdrs\\brdrw15\\brdrcf1"
                              "\\clbrdrb\\brdrs\\brdrw15\\brdrcf1\\clbrdrr\\brdrs\\brdrw15\\brdrcf1";
    const QByteArray cells = "\\pard\\intbl\\cell\n\\pard\\intbl\\cell\n\\pard\\intbl\\cell\n\\row\n";
    // Each row keeps all three cells; the covered ones continue a merge.
    QVERIFY2(rtf.contains("\\trowd\\clmgf" + border + "\\cellx3000\\clmrg" + border + "\\cellx6000\\clvmgf" + border
                          + "\\cellx9000\n" + cells),
             rtf.constData());
    QVERIFY2(rtf.contains("\\trowd" + border + "\\cellx3000" + border + "\\cellx6000\\clvmrg" + border + "\\cellx9000\n" + cells),
             rtf.constData());
}

void tst_RtfWriter::tableCellParagraphs()
{
    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(4);
    format.setAlignment(Qt::AlignHCenter);
    format.setHeaderRowCount(1);
    QTextTable *table = cursor.insertTable(1, 1, format);
    QTextCursor cell = table->cellAt(0, 0).firstCursorPosition();
    cell.insertText(QStringLiteral("a"));
    cell.insertBlock(QTextBlockFormat());
    cell.insertText(QStringLiteral("b"));
    QTextTableCellFormat cellFormat;
    cellFormat.setBackground(QColor(Qt::green));
    table->cellAt(0, 0).setFormat(cellFormat);

    QVERIFY2(bodyOf(writeChecked(*document)).contains("\\trowd\\trgaph60\\trqc\\trhdr\\clcbpat1"
                                                      "\\clpadl60\\clpadfl3\\clpadt60\\clpadft3\\clpadb60\\clpadfb3"
                                                      "\\clpadr60\\clpadfr3\\cellx9000\n"
                                                      "\\pard\\intbl a\\par\n\\pard\\intbl b\\cell\n\\row\n"),
             writeChecked(*document).constData());
}

void tst_RtfWriter::pictures_data()
{
    QTest::addColumn<QVariant>("resource");
    QTest::addColumn<QSizeF>("displaySize"); // an empty side is not set
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QByteArray>("data"); // empty: any PNG

    const QImage image = testImage({4, 2});
    const QByteArray png = encoded(image, "PNG");
    const QByteArray jpeg = encoded(image, "JPEG");

    QTest::newRow("image") << QVariant(image) << QSizeF() << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal60\\pichgoal30") << QByteArray();
    QTest::newRow("pixmap") << QVariant(QPixmap::fromImage(image)) << QSizeF() << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal60\\pichgoal30") << QByteArray();
    QTest::newRow("PNG bytes") << QVariant(png) << QSizeF() << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal60\\pichgoal30") << png;
    QTest::newRow("JPEG bytes") << QVariant(jpeg) << QSizeF() << QByteArray("\\jpegblip\\picw4\\pich2\\picwgoal60\\pichgoal30") << jpeg;
    QTest::newRow("BMP bytes") << QVariant(encoded(image, "BMP")) << QSizeF() << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal60\\pichgoal30") << QByteArray();
    QTest::newRow("both sides") << QVariant(image) << QSizeF(10, 30) << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal150\\pichgoal450") << QByteArray();
    QTest::newRow("width keeps proportions") << QVariant(image) << QSizeF(40, 0) << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal600\\pichgoal300") << QByteArray();
    QTest::newRow("height keeps proportions") << QVariant(image) << QSizeF(0, 40) << QByteArray("\\pngblip\\picw4\\pich2\\picwgoal1200\\pichgoal600") << QByteArray();
    QTest::newRow("missing") << QVariant() << QSizeF() << QByteArray() << QByteArray();
    QTest::newRow("not an image") << QVariant(QByteArray("not an image")) << QSizeF() << QByteArray() << QByteArray();
}

void tst_RtfWriter::pictures()
{
    QFETCH(QVariant, resource);
    QFETCH(QSizeF, displaySize);
    QFETCH(QByteArray, words);
    QFETCH(QByteArray, data);

    auto document = makeDocument();
    const QUrl name(QStringLiteral("picture.png"));
    if (words.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "no image data for \"picture.png\"");
    if (resource.isValid())
        document->addResource(QTextDocument::ImageResource, name, resource);
    QTextImageFormat format;
    format.setName(name.toString());
    if (displaySize.width() > 0)
        format.setWidth(displaySize.width());
    if (displaySize.height() > 0)
        format.setHeight(displaySize.height());
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("a"));
    cursor.insertImage(format);
    cursor.insertText(QStringLiteral("b"));
    const QByteArray body = bodyOf(writeChecked(*document));

    if (words.isEmpty()) {
        QCOMPARE(body, QByteArray("\\pard ab\\par\n"));
        return;
    }
    static const QRegularExpression picture(QStringLiteral(R"(^\\pard a\{\\pict(\\[a-z]+\d*)+\n([0-9a-f\n]+)\}b\\par\n$)"));
    const QRegularExpressionMatch match = picture.match(QString::fromLatin1(body));
    QVERIFY2(match.hasMatch(), body.constData());
    QCOMPARE(body.mid(13, words.size()), words);
    const QByteArray hex = withoutNewlines(match.captured(2).toLatin1());
    if (data.isEmpty())
        QVERIFY2(hex.startsWith("89504e470d0a1a0a"), hex.constData());
    else
        QCOMPARE(hex, data.toHex());
}

void tst_RtfWriter::hyperlinks_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QByteArray>("instruction");

    QTest::newRow("web address") << QStringLiteral("https://example.com/a?b=c&d")
                                 << QByteArray("HYPERLINK \"https://example.com/a?b=c&d\"");
    QTest::newRow("quote and backslash") << QStringLiteral("file:///a\"b\\c")
                                         << QByteArray("HYPERLINK \"file:///a%22b\\\\\\\\c\"");
    QTest::newRow("non-ASCII") << QStringLiteral("https://example.com/é") << QByteArray("HYPERLINK \"https://example.com/\\'e9\"");
    QTest::newRow("bookmark") << QStringLiteral("#top") << QByteArray("HYPERLINK \\\\l \"top\"");
}

void tst_RtfWriter::hyperlinks()
{
    QFETCH(QString, href);
    QFETCH(QByteArray, instruction);

    auto document = makeDocument();
    QTextCursor cursor(document.get());
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(href);
    QTextCharFormat boldLink = link;
    boldLink.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("see "));
    cursor.insertText(QStringLiteral("the "), link);
    cursor.insertText(QStringLiteral("bold"), boldLink);
    cursor.insertText(QStringLiteral(" link"), link);
    cursor.insertText(QStringLiteral(" here"), QTextCharFormat());

    // Formatting inside the result ends with its group, so the text after
    // the field needs no \b0.
    QCOMPARE(bodyOf(writeChecked(*document)),
             "\\pard see {\\field{\\*\\fldinst{" + instruction + "}}{\\fldrslt{the \\b bold\\b0  link}}} here\\par\n");
}


// The reader shows footnotes as notes after the text, and the writer puts
// them back at their references; a note without its reference, or a
// reference without its note, stays text.
void tst_RtfWriter::footnotes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("footnotes");
    const QByteArray oneNote("{\\rtf1 a\\chftn{\\footnote x}b\\par}");
    QTest::newRow("libreoffice") << QByteArray("{\\rtf1 a{\\super \\chftn{\\*\\footnote \\chftn\\pard\\plain{\\tab x}}} b\\par}")
                                 << QString() << QStringLiteral("a1 b\n1 x") << 1;
    QTest::newRow("word, two notes") << QByteArray("{\\rtf1 a{\\super\\chftn}{\\footnote{\\super\\chftn} x\\par y}b"
                                                   "{\\super\\chftn}{\\footnote{\\super\\chftn} z}\\par}")
                                     << QString() << QStringLiteral("a1b2\n1 x\u2028y\n2 z") << 2;
    QTest::newRow("no automatic number") << QByteArray("{\\rtf1 a{\\footnote x}b}") << QString() << QStringLiteral("a1b\n1 x") << 1;
    QTest::newRow("reference deleted") << oneNote << QStringLiteral("1") << QStringLiteral("ab\n1 x") << 0;
    QTest::newRow("note deleted") << oneNote << QStringLiteral("1 x") << QStringLiteral("a1b\n") << 0;
}

void tst_RtfWriter::footnotes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, removed);
    auto document = makeDocument();
    Rtf::read(rtf, document.get());
    if (!removed.isEmpty())
        document->find(removed).removeSelectedText();
    const QByteArray written = writeChecked(*document);
    QTEST(int(written.count("\\chftn{\\footnote\\pard")), "footnotes");

    Rtf::read(written, document.get());
    QStringList blocks;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        blocks << block.text();
    QTEST(blocks.join(u'\n'), "expected");
}

QTEST_MAIN(tst_RtfWriter)
#include "tst_rtfwriter.moc"
