#include "documentdump.h"
#include "rtf/rtf.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;
using namespace DocumentDump;

namespace {

std::unique_ptr<QTextDocument> load(const QByteArray &rtf)
{
    auto document = std::make_unique<QTextDocument>();
    Rtf::read(rtf, document.get());
    return document;
}

// The format of the first character of the first occurrence of text.
QTextCharFormat formatAt(const QTextDocument &document, const QString &text)
{
    QTextCursor cursor = document.find(text);
    if (cursor.isNull())
        return {};
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

QTextCharFormat charFormatWith(std::initializer_list<std::pair<int, QVariant>> properties)
{
    QTextCharFormat format;
    for (const auto &[property, value] : properties)
        format.setProperty(property, value);
    return format;
}

QTextBlockFormat blockFormatWith(std::initializer_list<std::pair<int, QVariant>> properties)
{
    QTextBlockFormat format;
    for (const auto &[property, value] : properties)
        format.setProperty(property, value);
    return format;
}

QByteArray imageHex(const char *format, QSize size = {4, 2})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QByteArray imageBytes(const char *format)
{
    return QByteArray::fromHex(imageHex(format));
}

} // namespace

class tst_RtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void charFormat_data();
    void charFormat();
    void blockFormat_data();
    void blockFormat();
    void styles_data();
    void styles();
    void lists_data();
    void lists();
    void tables_data();
    void tables();
    void images_data();
    void images();
    void links_data();
    void links();
    void plainText_data();
    void plainText();
    void robustness_data();
    void robustness();
    void logging_data();
    void logging();
    void unshownContent_data();
    void unshownContent();
    void replacesContent();
};

// ---------------------------------------------------------------------------

void tst_RtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    // Paragraphs and the old rich-text control's files
    QTest::newRow("wordpad") << "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}\r\n"
                                "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                                "\\viewkind4\\uc1\\pard\\lang1033\\f0\\fs17 text\\par\r\n}\r\n\0"_ba
                             << u"text"_s;
    QTest::newRow("par ends a paragraph") << "{\\rtf1 a\\par b\\par\\par c}"_ba << u"a\nb\n\nc"_s;
    QTest::newRow("line and tab") << "{\\rtf1 a\\line b\\tab c}"_ba << u"a\u2028b\tc"_s;
    QTest::newRow("page and sect after par add nothing") << "{\\rtf1 a\\par\\page b\\sect\\sect c}"_ba << u"a\nb\nc"_s;
    QTest::newRow("raw line breaks ignored") << "{\\rtf1 a\r\nb\nc\r}"_ba << u"abc"_s;
    QTest::newRow("backslash newline is par") << "{\\rtf1 one\\\ntwo\\\r\nthree}"_ba << u"one\ntwo\nthree"_s;
    QTest::newRow("delimiter space consumed") << "{\\rtf1\\b  two spaces}"_ba << u" two spaces"_s;
    QTest::newRow("parameter ended by a letter") << "{\\rtf1foobar}"_ba << u"foobar"_s;
    QTest::newRow("uppercase ends a word") << "{\\rtf1 \\superEndnote}"_ba << u"Endnote"_s;
    QTest::newRow("symbols") << "{\\rtf1 \\{\\}\\\\\\~\\-\\_}"_ba << u"{}\\\u00A0\u00AD\u2011"_s;
    QTest::newRow("named characters") << "{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"_ba
                                      << u"\u2014\u2013\u2018\u2019\u201C\u201D\u2022"_s;
    QTest::newRow("unknown words ignored") << "{\\rtf1 a\\foo\\bar12 b\\x-3 c}"_ba << u"abc"_s;

    // Destinations
    QTest::newRow("header tables skipped") << "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                                              "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}body}"_ba
                                           << u"body"_s;
    QTest::newRow("ignorable destination") << "{\\rtf1 a{\\*\\unknown {\\b nested} text}b}"_ba << u"ab"_s;
    QTest::newRow("known word after star") << "{\\rtf1 a{\\*\\bkmkstart x}b{\\*\\generator Msftedit;}c}"_ba << u"abc"_s;
    QTest::newRow("headers and footers skipped") << "{\\rtf1 a{\\header h}{\\footer f}b}"_ba << u"ab"_s;
    QTest::newRow("hidden text dropped") << "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"_ba << u"abd"_s;
    QTest::newRow("upr reads ud") << "{\\rtf1 {\\upr{ansi}{\\*\\ud{uni}}}}"_ba << u"uni"_s;
    QTest::newRow("object reads result") << "{\\rtf1 {\\object\\objemb{\\*\\objclass X}{\\*\\objdata 0102}{\\result shown}}}"_ba
                                         << u"shown"_s;
    QTest::newRow("nonshppict skipped") << "{\\rtf1 a{\\nonshppict b}c}"_ba << u"ac"_s;

    // Unicode
    QTest::newRow("u with fallback") << "{\\rtf1 a\\u160?c}"_ba << u"a\u00A0c"_s;
    QTest::newRow("uc defaults to 1") << "{\\rtf1 \\u945 ab}"_ba << u"\u03B1b"_s;
    QTest::newRow("negative u") << "{\\rtf1 \\u-3913?}"_ba << u"\uF0B7"_s;
    QTest::newRow("fallback is hex byte") << "{\\rtf1 \\u8216\\'93x}"_ba << u"\u2018x"_s;
    QTest::newRow("uc2 scoped to group") << "{\\rtf1 {\\uc2\\u228\\'E8a}\\u228 bc}"_ba << u"\u00E4\u00E4c"_s;
    QTest::newRow("uc0 surrogate pair") << "{\\rtf1\\uc0 \\u55357 \\u56447 x}"_ba << u"\U0001F47Fx"_s;
    QTest::newRow("pair with hex fallbacks") << "{\\rtf1 \\u-10179\\'5f\\u-9047\\'5f!}"_ba << u"\U0001F4A9!"_s;
    QTest::newRow("uc between the halves of a pair") << "{\\rtf1\\uc0 \\u55357\\uc1 \\u56329\\'3f!}"_ba << u"\U0001F409!"_s;
    QTest::newRow("pair of positive and negative halves") << "{\\rtf1 \\u55357?\\u-9207?}"_ba << u"\U0001F409"_s;
    QTest::newRow("space before fallback") << "{\\rtf1 \\u-10179 ?\\u-9047 ?}"_ba << u"\U0001F4A9"_s;
    QTest::newRow("lone surrogates") << "{\\rtf1\\uc0 a\\u-10240 b\\u-9216 c\\u-9216\\u-10240 d}"_ba
                                     << u"a\uFFFDb\uFFFDc\uFFFD\uFFFDd"_s;
    QTest::newRow("fallback counts control words") << "{\\rtf1\\uc2 \\u915\\b\\'47X}"_ba << u"\u0393X"_s;
    QTest::newRow("fallback counts bin as one") << "{\\rtf1\\uc2 \\u915\\bin3 }}}\\'47X}"_ba << u"\u0393X"_s;
    QTest::newRow("brace ends the fallback") << "{\\rtf1\\uc3 {\\u915}XY}"_ba << u"\u0393XY"_s;
    QTest::newRow("missing fallback eats the tab") << "{\\rtf1\\uc1 \\u8364\tx}"_ba << u"\u20ACx"_s;
    QTest::newRow("u out of range") << "{\\rtf1 \\u-99999999999?\\u99999 ?}"_ba << u"\uFFFD\uFFFD"_s;
    QTest::newRow("frame markers never inserted") << "{\\rtf1\\uc0 a\\u64976 \\u64977 \\u8233 \\u13 b}"_ba
                                                  << u"a\uFFFD\uFFFD\u2028b"_s;

    // Code pages
    QTest::newRow("ansi default 1252") << "{\\rtf1\\ansi caf\\'e9 \\'80}"_ba << u"café €"_s;
    QTest::newRow("ansicpg1251") << "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}"_ba << u"При"_s;
    QTest::newRow("ansicpg0 is 1252") << "{\\rtf1\\ansi\\ansicpg0 \\'e9}"_ba << u"é"_s;
    QTest::newRow("mac") << "{\\rtf1\\mac \\'8e}"_ba << u"é"_s;
    QTest::newRow("pc") << "{\\rtf1\\pc \\'f1\\'f2}"_ba << u"±≥"_s;
    QTest::newRow("fcharset204 beats ansicpg1252")
        << "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}\\'e9{\\f1 \\'e9}\\'e9}"_ba
        << u"éйé"_s;
    QTest::newRow("fcharset178 arabic") << "{\\rtf1{\\fonttbl{\\f0\\fcharset178 Arial;}}\\f0 \\'c7}"_ba << u"\u0627"_s;
    QTest::newRow("default font charset") << "{\\rtf1\\deff1{\\fonttbl{\\f1\\fcharset238 A;}}\\'b9}"_ba << u"ą"_s;
    QTest::newRow("plain returns to default font")
        << "{\\rtf1\\deff0{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f1\\'e9\\plain\\'e9}"_ba << u"йé"_s;
    QTest::newRow("symbol font") << "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f2\\fcharset2 Symbol;}}{\\f2\\'b7a}b}"_ba
                                 << u"\uF0B7\uF061b"_s;
    QTest::newRow("cp932 with fcharset128 and 129")
        << "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 MS Mincho;}{\\f1\\fcharset129 Gulim;}}"
           "\\f0\\'94\\'4e\\f1\\'c7\\'d1}"_ba
        << u"年한"_s;
    QTest::newRow("double-byte literal trail") << "{\\rtf1\\ansi\\ansicpg936 \\'b2\\'e2\\'a9w}"_ba << u"测\uFE5A"_s;
    QTest::newRow("font name in its charset") << "{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0;}}\\f0 x}"_ba << u"x"_s;
    QTest::newRow("control bytes dropped") << "{\\rtf1 a\\'00\\'0d\\'0a\\'09b}"_ba << u"a\tb"_s;

    // \bin
    QTest::newRow("bin hides braces and words") << "{\\rtf1 text{\\*\\shprslt\\bin24 }{\\par MUST NOT IMPORT}}}}"_ba
                                                << u"text"_s;
    QTest::newRow("bin with brace in group") << "{\\rtf1 a{\\bin10 12}4567890}b}"_ba << u"ab"_s;
    QTest::newRow("bin longer than the data") << "{\\rtf1 a{\\bin999999 xyz"_ba << u"a"_s;

    // Braces and ends
    QTest::newRow("extra brace at end") << "{\\rtf1 a}}"_ba << u"a"_s;
    QTest::newRow("extra brace in the middle") << "{\\rtf1 {a}}\\par{b}}"_ba << u"a\nb"_s;
    QTest::newRow("text after the end dropped") << "{\\rtf1 a}\r\n @joshy\r\n<xml/>"_ba << u"a"_s;
    QTest::newRow("unclosed groups") << "{\\rtf1 {\\b a{\\i b"_ba << u"ab"_s;
    QTest::newRow("nested rtf") << "{\\rtf1 {\\rtf1 {\\fonttbl{\\f0 A;}}\\f0 x\\par}}"_ba << u"x"_s;
    QTest::newRow("leading whitespace and bom") << "\xEF\xBB\xBF \r\n{\\rtf1 a}"_ba << u"a"_s;
}

void tst_RtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(blocksText(*load(rtf)), expected);
}

// ---------------------------------------------------------------------------

void tst_RtfReader::charFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QTextCharFormat>("expected");

    using F = QTextFormat;
    const QByteArray colors = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
    const auto withColors = [&](const char *body) { return "{\\rtf1" + colors + body + "}"; };

    QTest::newRow("bold") << "{\\rtf1 {\\b B}n}"_ba << u"B"_s << charFormatWith({{F::FontWeight, QFont::Bold}});
    QTest::newRow("group restores") << "{\\rtf1 {\\b B}n}"_ba << u"n"_s << QTextCharFormat();
    QTest::newRow("b0") << "{\\rtf1 \\b x\\b0 n}"_ba << u"n"_s << QTextCharFormat();
    QTest::newRow("italic") << "{\\rtf1 \\i I}"_ba << u"I"_s << charFormatWith({{F::FontItalic, true}});
    QTest::newRow("strike") << "{\\rtf1 \\strike S}"_ba << u"S"_s << charFormatWith({{F::FontStrikeOut, true}});
    QTest::newRow("striked1") << "{\\rtf1 \\striked1 S\\striked0 n}"_ba << u"S"_s
                              << charFormatWith({{F::FontStrikeOut, true}});
    const auto underline = [](QTextCharFormat::UnderlineStyle style) {
        QTextCharFormat format;
        format.setUnderlineStyle(style);
        return format;
    };
    QTest::newRow("ul") << "{\\rtf1 \\ul U}"_ba << u"U"_s << underline(QTextCharFormat::SingleUnderline);
    QTest::newRow("uld") << "{\\rtf1 \\uld U}"_ba << u"U"_s << underline(QTextCharFormat::DotLine);
    QTest::newRow("uldash") << "{\\rtf1 \\uldash U}"_ba << u"U"_s << underline(QTextCharFormat::DashUnderline);
    QTest::newRow("uldashd") << "{\\rtf1 \\uldashd U}"_ba << u"U"_s << underline(QTextCharFormat::DashDotLine);
    QTest::newRow("uldashdd") << "{\\rtf1 \\uldashdd U}"_ba << u"U"_s << underline(QTextCharFormat::DashDotDotLine);
    QTest::newRow("ulwave") << "{\\rtf1 \\ulwave U}"_ba << u"U"_s << underline(QTextCharFormat::WaveUnderline);
    QTest::newRow("uldb") << "{\\rtf1 \\uldb U}"_ba << u"U"_s << underline(QTextCharFormat::SingleUnderline);
    QTest::newRow("ulth") << "{\\rtf1 \\ulth U}"_ba << u"U"_s << underline(QTextCharFormat::SingleUnderline);
    QTest::newRow("ulnone") << "{\\rtf1 \\ul x\\ulnone n}"_ba << u"n"_s << QTextCharFormat();
    QTest::newRow("ul0") << "{\\rtf1 \\ulwave x\\ul0 n}"_ba << u"n"_s << QTextCharFormat();
    QTest::newRow("fs half points") << "{\\rtf1 \\fs17 s}"_ba << u"s"_s << charFormatWith({{F::FontPointSize, 8.5}});
    QTest::newRow("font family") << "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\froman Times New Roman{\\*\\falt Times};}}\\f1 t}"_ba
                                 << u"t"_s << charFormatWith({{F::FontFamilies, QStringList{u"Times New Roman"_s}}});
    QTest::newRow("braceless font table") << "{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1 Courier;}\\f1 t}"_ba
                                          << u"t"_s << charFormatWith({{F::FontFamilies, QStringList{u"Courier"_s}}});
    QTest::newRow("cf") << withColors("\\cf2 c") << u"c"_s << charFormatWith({{F::ForegroundBrush, QBrush(Qt::blue)}});
    QTest::newRow("cf0 auto") << withColors("\\cf0 c") << u"c"_s << QTextCharFormat();
    QTest::newRow("cf0 without auto entry") << "{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red9\\green9\\blue9;}\\cf0 c}"_ba
                                            << u"c"_s << charFormatWith({{F::ForegroundBrush, QBrush(Qt::black)}});
    QTest::newRow("cf beyond table") << withColors("\\cf9 c") << u"c"_s << QTextCharFormat();
    QTest::newRow("highlight") << withColors("\\highlight1 h") << u"h"_s
                               << charFormatWith({{F::BackgroundBrush, QBrush(Qt::red)}});
    QTest::newRow("highlight without delimiter") << withColors("\\highlight1Normal") << u"N"_s
                                                 << charFormatWith({{F::BackgroundBrush, QBrush(Qt::red)}});
    QTest::newRow("cb") << withColors("\\cb2 h") << u"h"_s << charFormatWith({{F::BackgroundBrush, QBrush(Qt::blue)}});
    QTest::newRow("chcbpat") << withColors("\\chcbpat1 h") << u"h"_s
                             << charFormatWith({{F::BackgroundBrush, QBrush(Qt::red)}});
    QTest::newRow("highlight0") << withColors("\\highlight1 x\\highlight0 h") << u"h"_s << QTextCharFormat();
    const auto vertical = [](QTextCharFormat::VerticalAlignment alignment) {
        QTextCharFormat format;
        format.setVerticalAlignment(alignment);
        return format;
    };
    QTest::newRow("super") << "{\\rtf1 5\\super th\\nosupersub  grade}"_ba << u"t"_s
                           << vertical(QTextCharFormat::AlignSuperScript);
    QTest::newRow("nosupersub ends super") << "{\\rtf1 5\\super th\\nosupersub  grade}"_ba << u"g"_s << QTextCharFormat();
    QTest::newRow("sub") << "{\\rtf1 H\\sub 2}"_ba << u"2"_s << vertical(QTextCharFormat::AlignSubScript);
    QTest::newRow("up") << "{\\rtf1 {\\up6 u}}"_ba << u"u"_s << vertical(QTextCharFormat::AlignSuperScript);
    QTest::newRow("dn") << "{\\rtf1 {\\dn4 d}}"_ba << u"d"_s << vertical(QTextCharFormat::AlignSubScript);
    QTest::newRow("up0") << "{\\rtf1 \\up6 x\\up0 n}"_ba << u"n"_s << QTextCharFormat();
    QTest::newRow("caps") << "{\\rtf1 \\caps c}"_ba << u"c"_s << charFormatWith({{F::FontCapitalization, QFont::AllUppercase}});
    QTest::newRow("scaps") << "{\\rtf1 \\scaps c}"_ba << u"c"_s << charFormatWith({{F::FontCapitalization, QFont::SmallCaps}});
    QTest::newRow("plain resets") << withColors("\\b\\i\\ul\\fs40\\cf1 x\\plain n") << u"n"_s << QTextCharFormat();
    QTest::newRow("old rich-text control")
        << "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
           "{\\f2\\fswiss\\fprq2 System;}}{\\colortbl\\red0\\green0\\blue0;}\r\n"
           "\\deflang1033\\pard\\plain\\f2\\fs20\\b\\cf0 Goblins\\plain\\f2\\fs20 \\par }\r\n"_ba
        << u"G"_s
        << charFormatWith({{F::FontWeight, QFont::Bold},
                           {F::FontPointSize, 10.0},
                           {F::FontFamilies, QStringList{u"System"_s}},
                           {F::ForegroundBrush, QBrush(Qt::black)}});
    // Formats are built once per look: tables read again make new ones.
    QTest::newRow("tables read again")
        << "{\\rtf1{\\fonttbl{\\f1 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f1\\cf1 a\\par"
           "{\\fonttbl{\\f1 Courier;}}{\\colortbl;\\red0\\green0\\blue255;}\\f1\\cf1 b\\par}"_ba
        << u"b"_s
        << charFormatWith({{F::FontFamilies, QStringList{u"Courier"_s}}, {F::ForegroundBrush, QBrush(Qt::blue)}});
    QTest::newRow("word run") << "{\\rtf1{\\rtlch\\fcs1 \\ab\\af4 \\ltrch\\fcs0 \\b\\insrsid123 w}}"_ba << u"w"_s
                              << charFormatWith({{F::FontWeight, QFont::Bold}});
    // The list text's font and size, and its level's, are the bullet's alone.
    QTest::newRow("list item in its paragraph's font")
        << "{\\rtf1{\\fonttbl{\\f1\\froman Times New Roman;}{\\f2\\fnil OpenSymbol;}}"
           "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext \\'01\\u8226 ?;}{\\levelnumbers;}\\f2\\fs18}\\listid1}}"
           "{\\listoverridetable{\\listoverride\\listid1\\ls1}}"
           "\\pard\\plain\\ls1\\f1\\fs24{\\listtext\\pard\\plain\\f2\\fs18 \\u8226\\'95\\tab}Item\\par}"_ba
        << u"Item"_s
        << charFormatWith({{F::FontPointSize, 12.0}, {F::FontFamilies, QStringList{u"Times New Roman"_s}}});
}

void tst_RtfReader::charFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, at);
    QFETCH(QTextCharFormat, expected);
    const auto document = load(rtf);
    QVERIFY2(!document->find(at).isNull(), qPrintable(blocksText(*document)));
    QCOMPARE(formatAt(*document, at).properties(), expected.properties());
}

// ---------------------------------------------------------------------------

void tst_RtfReader::blockFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("block");
    QTest::addColumn<QTextBlockFormat>("expected");

    using F = QTextFormat;
    QTest::newRow("ql is the default") << "{\\rtf1\\ql a}"_ba << 0 << QTextBlockFormat();
    QTest::newRow("qc") << "{\\rtf1\\qc a}"_ba << 0 << blockFormatWith({{F::BlockAlignment, int(Qt::AlignHCenter)}});
    QTest::newRow("qr") << "{\\rtf1\\qr a}"_ba << 0 << blockFormatWith({{F::BlockAlignment, int(Qt::AlignRight)}});
    QTest::newRow("qj") << "{\\rtf1\\qj a}"_ba << 0 << blockFormatWith({{F::BlockAlignment, int(Qt::AlignJustify)}});
    QTest::newRow("ltrpar keeps qc") << "{\\rtf1\\qc\\ltrpar a}"_ba << 0
                                     << blockFormatWith({{F::BlockAlignment, int(Qt::AlignHCenter)}});
    QTest::newRow("indents in points") << "{\\rtf1\\li720\\ri360\\fi-180 a}"_ba << 0
                                       << blockFormatWith({{F::BlockLeftMargin, 36.0},
                                                       {F::BlockRightMargin, 18.0},
                                                       {F::TextIndent, -9.0}});
    QTest::newRow("lin and rin") << "{\\rtf1\\lin400\\rin200 a}"_ba << 0
                                 << blockFormatWith({{F::BlockLeftMargin, 20.0}, {F::BlockRightMargin, 10.0}});
    QTest::newRow("space before and after") << "{\\rtf1\\sb120\\sa200 a}"_ba << 0
                                            << blockFormatWith({{F::BlockTopMargin, 6.0}, {F::BlockBottomMargin, 10.0}});
    QTest::newRow("sl slmult1") << "{\\rtf1\\sa200\\sl276\\slmult1 a}"_ba << 0
                                << blockFormatWith({{F::BlockBottomMargin, 10.0},
                                                {F::LineHeight, 115.0},
                                                {F::LineHeightType, int(QTextBlockFormat::ProportionalHeight)}});
    QTest::newRow("sl at least") << "{\\rtf1\\sl360\\slmult0 a}"_ba << 0
                                 << blockFormatWith({{F::LineHeight, 18.0},
                                                 {F::LineHeightType, int(QTextBlockFormat::MinimumHeight)}});
    QTest::newRow("sl exact") << "{\\rtf1\\sl-300 a}"_ba << 0
                              << blockFormatWith({{F::LineHeight, 15.0},
                                              {F::LineHeightType, int(QTextBlockFormat::FixedHeight)}});
    QTest::newRow("properties at par") << "{\\rtf1 {\\pard a\\qc\\sa180\\par}}"_ba << 0
                                       << blockFormatWith({{F::BlockAlignment, int(Qt::AlignHCenter)},
                                                       {F::BlockBottomMargin, 9.0}});
    QTest::newRow("pard resets") << "{\\rtf1\\qc\\li100 a\\par\\pard b}"_ba << 1 << QTextBlockFormat();
    QTest::newRow("properties carry on") << "{\\rtf1\\qr a\\par b}"_ba << 1
                                         << blockFormatWith({{F::BlockAlignment, int(Qt::AlignRight)}});
    QTest::newRow("plain keeps paragraph") << "{\\rtf1\\qc a\\plain\\par}"_ba << 0
                                           << blockFormatWith({{F::BlockAlignment, int(Qt::AlignHCenter)}});
    // Qt hands a merged-away cell's block format to the block before it.
    QTest::newRow("cell beside a merge keeps its format")
        << "{\\rtf1\\trowd\\clvmgf\\cellx1\\cellx2\\pard\\intbl A\\cell\\pard\\intbl\\qr\\ri410\\cell\\row"
           "\\trowd\\clvmrg\\cellx1\\cellx2\\pard\\intbl\\cell D\\cell\\row}"_ba
        << 2 << blockFormatWith({{F::BlockAlignment, int(Qt::AlignRight)}, {F::BlockRightMargin, 20.5}});
    QTest::newRow("last cell keeps its format") << "{\\rtf1\\intbl a\\cell\\row\\intbl b\\cell\\row"
                                                   "\\intbl c\\par\\pard\\intbl\\qr\\cell\\row}"_ba
                                                << 4 << blockFormatWith({{F::BlockAlignment, int(Qt::AlignRight)}});
    QTest::newRow("spacing from the paragraph style")
        << "{\\rtf1{\\stylesheet{\\s0\\sa100 Normal;}{\\s16\\sbasedon0\\sl276\\slmult1\\sb0\\sa140 Text Body;}}"
           "\\pard\\plain\\s16 a\\par\\pard b\\par}"_ba
        << 0 << blockFormatWith({{F::BlockBottomMargin, 7.0}, {F::LineHeight, 115.0},
                                 {F::LineHeightType, int(QTextBlockFormat::ProportionalHeight)}});
    QTest::newRow("pard returns to the default style")
        << "{\\rtf1{\\stylesheet{\\s0\\sa100 Normal;}{\\s16\\sbasedon0\\sa140 Text Body;}}"
           "\\pard\\plain\\s16 a\\par\\pard b\\par}"_ba
        << 1 << blockFormatWith({{F::BlockBottomMargin, 5.0}});
    // Word's outline levels go to 8 and mark body text as 9; HTML's headings end at 6.
    QTest::newRow("outlinelevel8") << "{\\rtf1\\outlinelevel8 a}"_ba << 0 << blockFormatWith({{F::HeadingLevel, 6}});
    QTest::newRow("outlinelevel9 is body text") << "{\\rtf1\\outlinelevel9 a}"_ba << 0 << QTextBlockFormat();
    QTest::newRow("pard mid paragraph") << "{\\rtf1 a\\pard\\qc b\\par}"_ba << 0
                                        << blockFormatWith({{F::BlockAlignment, int(Qt::AlignHCenter)}});
}

void tst_RtfReader::blockFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, block);
    QFETCH(QTextBlockFormat, expected);
    const auto document = load(rtf);
    QVERIFY(block < document->blockCount());
    QCOMPARE(document->findBlockByNumber(block).blockFormat().properties(), expected.properties());
}

// ---------------------------------------------------------------------------

void tst_RtfReader::styles_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QTextCharFormat>("expected");

    using F = QTextFormat;
    // As LibreOffice writes it: the body text and the headings name their
    // style and nothing else.
    const QByteArray libreOffice =
        "{\\rtf1\\ansi\\deff3\\adeflang1025{\\fonttbl{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif;}"
        "{\\f4\\fswiss\\fprq2\\fcharset0 Liberation Sans;}}\n"
        "{\\stylesheet{\\s0\\snext0\\nowidctlpar{\\*\\hyphen2\\hyphlead2}\\hich\\af3\\loch\\f3\\fs24\\lang1033 Normal;}\n"
        "{\\s15\\sbasedon0\\snext16\\sb240\\sa120\\keepn\\loch\\f4\\fs28 Heading;}\n"
        "{\\s16\\sbasedon0\\snext16\\sl276\\slmult1\\sb0\\sa140 Text Body;}\n"
        "{\\s1\\sbasedon15\\snext16\\outlinelevel0\\ab\\afs36\\fs36\\b Heading 1;}\n"
        "{\\*\\cs20\\snext20\\i Emphasis;}{\\*\\ts11\\tsrowd\\fs99 Table;}}\n";
    const auto document = [&](const char *body) { return libreOffice + body + "}"; };

    QTest::newRow("body text takes its size from the style")
        << document("\\pard\\plain \\s16\\ql{\\loch Body text}\\par") << u"Body"_s
        << charFormatWith({{F::FontPointSize, 12.0}, {F::FontFamilies, QStringList{u"Liberation Serif"_s}}});
    QTest::newRow("heading bold from the style chain")
        << document("\\pard\\plain \\s1{\\loch Title}\\par") << u"Title"_s
        << charFormatWith({{F::FontWeight, QFont::Bold}, {F::FontPointSize, 18.0},
                           {F::FontFamilies, QStringList{u"Liberation Sans"_s}}});
    QTest::newRow("plain returns to the paragraph style")
        << document("\\pard\\plain \\s15 a\\b\\fs60 b\\plain c\\par") << u"c"_s
        << charFormatWith({{F::FontPointSize, 14.0}, {F::FontFamilies, QStringList{u"Liberation Sans"_s}}});
    QTest::newRow("character style") << document("\\pard\\plain \\s16 a{\\cs20 stressed} b\\par") << u"stressed"_s
                                     << charFormatWith({{F::FontItalic, true}, {F::FontPointSize, 12.0},
                                                        {F::FontFamilies, QStringList{u"Liberation Serif"_s}}});
    QTest::newRow("run words over the style") << document("\\pard\\plain \\s1\\b0\\fs20 quiet\\par") << u"quiet"_s
                                              << charFormatWith({{F::FontPointSize, 10.0},
                                                                 {F::FontFamilies, QStringList{u"Liberation Sans"_s}}});
    QTest::newRow("word's Normal names no number")
        << "{\\rtf1{\\stylesheet{\\ql \\li0\\widctlpar\\rtlch\\fcs1 \\af0\\afs24 \\ltrch\\fcs0 \\fs22\\lang1033 \\snext0 "
           "\\sqformat \\spriority0 Normal;}{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}}"
           "\\pard\\plain \\ltrpar\\ql {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid1 body}\\par}"_ba
        << u"body"_s << charFormatWith({{F::FontPointSize, 11.0}});
    QTest::newRow("no size stated keeps the box's font")
        << "{\\rtf1{\\stylesheet{\\s0\\i Normal;}{\\s2\\sbasedon0\\b Strong;}}\\pard\\plain\\s2 x\\par}"_ba
        << u"x"_s << charFormatWith({{F::FontWeight, QFont::Bold}, {F::FontItalic, true}});
    // LibreOffice's list item: the level's font and the \pard\plain of the
    // list text are the bullet's; the item's text is the style's.
    QTest::newRow("list item in its paragraph style's font")
        << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fprq0\\fcharset2 OpenSymbol;}"
           "{\\f2\\froman\\fprq2\\fcharset0 DejaVu Serif;}}"
           "{\\stylesheet{\\s0\\snext0\\hich\\af2\\loch\\f2\\fs24\\lang1033 Normal;}"
           "{\\s18\\sbasedon0\\snext18\\loch\\sl276\\slmult1\\sb0\\sa140 Text Body;}}"
           "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext \\'01\\u8226 ?;}"
           "{\\levelnumbers;}\\f0\\rtlch\\af0 \\ltrch\\loch\\fi-283\\li709}\\listid1}}"
           "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\n"
           "\\pard\\plain \\s18\\loch\\sl276\\slmult1\\sb0\\sa140{\\listtext\\pard\\plain \\rtlch\\af0 "
           "\\ltrch\\hich\\af0\\loch\\f0\\dbch\\af0 \\u8226\\'95\\tab}\\ilvl0\\ls1 \\li0\\ri0\\lin0\\rin0\\fi-283"
           "\\ql\\tx709\\li709\\ri0\\lin709\\rin0\\fi-283\\sb0\\sa0\\ltrpar{\\loch\nGoblins (4) }\n\\par}"_ba
        << u"Goblins"_s
        << charFormatWith({{F::FontPointSize, 12.0}, {F::FontFamilies, QStringList{u"DejaVu Serif"_s}}});
    const QByteArray brokenChains = "{\\rtf1{\\stylesheet{\\s1\\sbasedon2\\b A;}{\\s2\\sbasedon1\\i B;}"
                                    "{\\s3\\sbasedon9\\fs40 C;}}\\s1 x\\par\\pard\\plain\\s3 y\\par}";
    QTest::newRow("sbasedon cycle") << brokenChains << u"x"_s
                                    << charFormatWith({{F::FontWeight, QFont::Bold}, {F::FontItalic, true}});
    QTest::newRow("sbasedon a missing style") << brokenChains << u"y"_s << charFormatWith({{F::FontPointSize, 20.0}});
}

// The same check as charFormat, over its own table.
void tst_RtfReader::styles()
{
    charFormat();
}

// ---------------------------------------------------------------------------

void tst_RtfReader::lists_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QByteArray listTable =
        "{\\*\\listtable"
        "{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-360\\li720}"
        "{\\listlevel\\levelnfc23{\\leveltext\\'01o;}}{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3929 ?;}}\\listid10}"
        "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}{\\listlevel\\levelnfc4}{\\listlevel\\levelnfc2}"
        "{\\listlevel\\levelnfc3}{\\listlevel\\levelnfc1}\\listid20}}"
        "{\\*\\listoverridetable{\\listoverride\\listid10\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid20\\listoverridecount0\\ls2}}";
    const auto withLists = [&](const char *body) { return "{\\rtf1" + listTable + body + "}"; };

    QTest::newRow("bullets") << withLists("\\pard\\ls1\\ilvl0 a\\par b\\par\\pard c\\par")
                             << u"a:disc/1#1 b:disc/1#1 c"_s;
    QTest::newRow("bullet shapes by level") << withLists("\\ls1\\ilvl0 a\\par\\ilvl1 b\\par\\ilvl2 c\\par")
                                            << u"a:disc/1#1 b:circle/2#2 c:square/3#3"_s;
    QTest::newRow("number formats") << withLists("\\ls2 \\ilvl0 a\\par\\ilvl1 b\\par\\ilvl2 c\\par\\ilvl3 d\\par\\ilvl4 e\\par")
                                    << u"a:decimal/1#1 b:alpha/2#2 c:roman/3#3 d:ALPHA/4#4 e:ROMAN/5#5"_s;
    QTest::newRow("listtext skipped")
        << withLists("{\\listtext\\pard\\plain \\'b7\\tab}\\pard\\ls1\\ilvl0 a\\par{\\listtext 1.\\tab}\\pard\\ls2 b\\par")
        << u"a:disc/1#1 b:decimal/1#2"_s;
    QTest::newRow("pandoc order") << withLists("{\\pard \\ls2\\ilvl0 {\\listtext\\tab 1.\\tab}one\\sa180\\par}"
                                               "{\\pard \\ls2\\ilvl0 {\\listtext\\tab 2.\\tab}two\\sa180\\par}")
                                  << u"one:decimal/1#1 two:decimal/1#1"_s;
    QTest::newRow("sublist restarts") << withLists("\\ls2\\ilvl0 a\\par\\ilvl1 x\\par\\ilvl0 b\\par\\ilvl1 y\\par")
                                      << u"a:decimal/1#1 x:alpha/2#2 b:decimal/1#1 y:alpha/2#3"_s;
    QTest::newRow("numbering continues across text")
        << withLists("\\ls2 a\\par\\pard t\\par\\ls2 b\\par") << u"a:decimal/1#1 t b:decimal/1#1"_s;
    QTest::newRow("list item indent not added") << withLists("\\pard\\fi-360\\li720\\ls1 a\\par") << u"a:disc/1#1"_s;
    QTest::newRow("list goes on after a table")
        << withLists("\\ls2 a\\par\\trowd\\cellx1\\pard\\intbl x\\cell\\row\\pard\\ls2 b\\par")
        << u"a:decimal/1#1 x b:decimal/1#1"_s;
    QTest::newRow("level without a number is no list")
        << "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc255{\\leveltext\\'01\\'00;}}\\listid1}}"
           "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
           "\\pard\\outlinelevel0{\\listtext\\pard\\plain \\tab}\\ls1 Heading\\par}"_ba
        << u"Heading"_s;
    QTest::newRow("unknown ls is a bullet list") << "{\\rtf1\\ls7 {\\listtext -\\tab}a\\par}"_ba << u"a:disc/1#1"_s;
    QTest::newRow("listtext kept without a list") << "{\\rtf1{\\listtext 1.\\tab}a\\par}"_ba << u"1.\ta"_s;
    QTest::newRow("wordpad bullets")
        << "{\\rtf1{\\fonttbl{\\f0 Segoe UI;}{\\f2\\fcharset2 Symbol;}}"
           "\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 A\\par"
           "{\\pntext\\f2\\'B7\\tab}B\\par\r\n\\pard\r\n"
           "{\\pntext\\f0 1)\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta)}}\\fi-360\\li720 D\\par"
           "\\pard after\\par}"_ba
        << u"A:disc/1#1 B:disc/1#1 D:decimal/1#2 after"_s;
    QTest::newRow("legacy outline levels") << "{\\rtf1{\\*\\pn\\pnlvl2\\pnlcrm}a\\par\\pard{\\*\\pn\\pnlvl1\\pnucltr}b\\par}"_ba
                                           << u"a:roman/2#1 b:ALPHA/1#2"_s;
    QTest::newRow("legacy list ends at plain paragraph")
        << "{\\rtf1{\\*\\pn\\pnlvlblt}a\\par\\pard b\\par{\\*\\pn\\pnlvlblt}c\\par}"_ba << u"a:disc/1#1 b c:disc/1#2"_s;
}

void tst_RtfReader::lists()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const auto document = load(rtf);
    QCOMPARE(listStructure(*document), expected);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.textList())
            QCOMPARE(block.blockFormat().leftMargin(), 0.0);
    }
}

// ---------------------------------------------------------------------------

void tst_RtfReader::tables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("simple") << "{\\rtf1 before\\par\\trowd\\cellx1000\\cellx2000"
                               "\\pard\\intbl A\\cell B\\cell\\row\\trowd\\cellx1000\\cellx2000"
                               "\\pard\\intbl C\\cell D\\cell\\row\\pard after\\par}"_ba
                            << u"before\n[A|B/C|D]\nafter"_s;
    QTest::newRow("plain keeps intbl")
        << "{\\rtf1\\trowd\\cellx1\\cellx2\\pard\\intbl\\plain\\f0 A\\plain\\cell\\pard\\intbl\\plain B\\cell"
           "\\intbl\\row\\pard\\intbl\\plain 1\\cell\\pard\\intbl\\plain 2\\cell\\intbl\\row}"_ba
        << u"\n[A|B/1|2]\n"_s;
    QTest::newRow("more cells than cellx") << "{\\rtf1\\par\\trowd\\cellx9000\\pard\\intbl A\\cell B\\cell C\\cell\\row}"_ba
                                           << u"\n[A|B|C]\n"_s;
    QTest::newRow("empty cells") << "{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl\\cell B\\cell\\cell\\row}"_ba
                                 << u"\n[|B|]\n"_s;
    QTest::newRow("paragraphs in a cell") << "{\\rtf1\\pard\\intbl a\\par b\\cell\\row}"_ba << u"\n[a b]\n"_s;
    QTest::newRow("text after table not pulled in")
        << "{\\rtf1\\trowd\\cellx1\\pard\\intbl A\\cell\\row\\pard T\\par\\pard\\intbl B\\cell\\row}"_ba
        << u"\n[A]\nT\n[B]\n"_s;
    QTest::newRow("nested")
        << "{\\rtf1\\trowd\\cellx5000\\pard\\intbl\\itap2 two\\par"
           "\\pard\\intbl\\itap3 A\\nestcell B\\nestcell{\\*\\nesttableprops\\trowd\\cellx2000\\cellx4000\\nestrow}"
           "{\\nonesttables FALLBACK\\par}"
           "\\pard\\intbl\\itap2 after\\nestcell{\\*\\nesttableprops\\trowd\\cellx4000\\nestrow}{\\nonesttables X\\par}"
           "\\pard\\intbl\\itap1 outer\\cell\\row\\pard\\itap0 out\\par}"_ba
        << u"\n[[two [A|B] after] outer]\nout"_s;
    QTest::newRow("merged across") << "{\\rtf1\\trowd\\clmgf\\cellx1\\clmrg\\cellx2\\cellx3\\pard\\intbl AB\\cell\\cell C\\cell\\row}"_ba
                                   << u"\n[AB|<|C]\n"_s;
    QTest::newRow("merged down")
        << "{\\rtf1\\trowd\\clvmgf\\cellx1\\cellx2\\pard\\intbl A\\cell B\\cell\\row"
           "\\trowd\\clvmrg\\cellx1\\cellx2\\pard\\intbl\\cell D\\cell\\row"
           "\\trowd\\clvmrg\\cellx1\\cellx2\\pard\\intbl\\cell F\\cell\\row"
           "\\trowd\\cellx1\\cellx2\\pard\\intbl G\\cell H\\cell\\row}"_ba
        << u"\n[A|B/^|D/^|F/G|H]\n"_s;
    QTest::newRow("merged across and down")
        << "{\\rtf1\\trowd\\clmgf\\clvmgf\\cellx1\\clmrg\\clvmgf\\cellx2\\cellx3\\pard\\intbl A\\cell\\cell B\\cell\\row"
           "\\trowd\\clmgf\\clvmrg\\cellx1\\clmrg\\clvmrg\\cellx2\\cellx3\\pard\\intbl\\cell\\cell C\\cell\\row}"_ba
        << u"\n[A|<|B/^|^|C]\n"_s;
    QTest::newRow("three rows") << "{\\rtf1\\intbl a\\cell\\row\\intbl b\\cell\\row\\intbl c\\cell\\row}"_ba
                                << u"\n[a/b/c]\n"_s;
    QTest::newRow("row without cells ignored") << "{\\rtf1 a\\row b}"_ba << u"ab"_s;
    QTest::newRow("cells capped at 63")
        << "{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(70) + "\\row}"
        << u"\n["_s + QStringList(63, u"x"_s).join(u'|').chopped(1) + u"x x x x x x x x]\n"_s;
}

void tst_RtfReader::tables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(structure(*load(rtf)), expected);
}

// ---------------------------------------------------------------------------

void tst_RtfReader::images_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("images");
    QTest::addColumn<QSizeF>("size"); // of the first image, in pixels

    const QByteArray png = imageHex("PNG");
    const QByteArray jpeg = imageHex("JPEG");
    const auto doc = [](const QByteArray &body) { return "{\\rtf1 a" + body + "b}"; };

    QTest::newRow("png with goal size") << doc("{\\pict\\pngblip\\picw4\\pich2\\picwgoal1500\\pichgoal750 " + png + "}")
                                        << 1 << QSizeF(100, 50);
    QTest::newRow("scaled") << doc("{\\pict\\pngblip\\picwgoal1500\\pichgoal750\\picscalex50\\picscaley200 " + png + "}")
                            << 1 << QSizeF(50, 100);
    QTest::newRow("natural size") << doc("{\\pict\\pngblip\r\n" + png + "}") << 1 << QSizeF(4, 2);
    QTest::newRow("jpeg") << doc("{\\pict\\jpegblip\\picwgoal300\\pichgoal150 " + jpeg + "}") << 1 << QSizeF(20, 10);
    QTest::newRow("odd hex digit") << doc("{\\pict\\pngblip " + png + "a}") << 1 << QSizeF(4, 2);
    QTest::newRow("bin") << doc("{\\pict\\pngblip {\\bin" + QByteArray::number(imageBytes("PNG").size()) + " "
                                + imageBytes("PNG") + "}}")
                         << 1 << QSizeF(4, 2);
    QTest::newRow("bin without length then hex") << doc("{\\pict\\jpegblip\\picwgoal150\\pichgoal150 \\bin " + jpeg + "}")
                                                 << 1 << QSizeF(10, 10);
    QTest::newRow("shppict preferred, nonshppict skipped")
        << doc("{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\pngblip " + png + "}}"
               "{\\nonshppict{\\pict\\wmetafile8 0100090000}}")
        << 1 << QSizeF(4, 2);
    QTest::newRow("picture in a shape")
        << doc("{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn fillColor}{\\sv 255}}{\\sp{\\sn pib}{\\sv {\\pict\\pngblip " + png
               + "}}}}{\\shprslt{\\*\\do\\dobxcolumn}}}")
        << 1 << QSizeF(4, 2);
    QTest::newRow("picw with comma") << doc("{\\pict\\picw8766,543863\\pngblip " + png + "}") << 1 << QSizeF(4, 2);
    QTest::newRow("hidden picture") << doc("{\\v{\\pict\\pngblip " + png + "}}") << 0 << QSizeF();
    QTest::newRow("wmf skipped") << doc("{\\pict\\wmetafile8\\picw100\\pich100 010009000003}") << 0 << QSizeF();
    QTest::newRow("emf skipped") << doc("{\\pict\\emfblip 0100000000}") << 0 << QSizeF();
    QTest::newRow("dib skipped") << doc("{\\pict\\dibitmap0 28000000}") << 0 << QSizeF();
    QTest::newRow("corrupt png skipped") << doc("{\\pict\\pngblip 89504e470d0a1a0a0000}") << 0 << QSizeF();
    QTest::newRow("object result picture") << doc("{\\object{\\*\\objdata 01}{\\result{\\pict\\pngblip " + png + "}}}")
                                           << 1 << QSizeF(4, 2);
    QTest::newRow("two pictures") << doc("{\\pict\\pngblip " + png + "}{\\pict\\jpegblip " + jpeg + "}") << 2
                                  << QSizeF(4, 2);
}

void tst_RtfReader::images()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, images);
    QFETCH(QSizeF, size);

    const auto document = load(rtf);
    const QList<QTextImageFormat> found = DocumentDump::images(*document);
    QCOMPARE(blocksText(*document).remove(QChar::ObjectReplacementCharacter), u"ab"_s);
    QCOMPARE(found.size(), images);
    QStringList names;
    for (const QTextImageFormat &format : std::as_const(found)) {
        QVERIFY2(!names.contains(format.name()), "every picture has its own resource");
        names << format.name();
        const QImage image = document->resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
        QCOMPARE(image.size(), QSize(4, 2));
    }
    if (images > 0)
        QCOMPARE(QSizeF(found.first().width(), found.first().height()), size);
}

// ---------------------------------------------------------------------------

void tst_RtfReader::links_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("links");

    QTest::newRow("grouped instruction")
        << "{\\rtf1 go {\\field{\\*\\fldinst{HYPERLINK \"https://example.org/\"}}{\\fldrslt{\\ul link}}} now}"_ba
        << u"go link now"_s << u"link=>https://example.org/"_s;
    QTest::newRow("bare instruction") << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"#target\" }{\\fldrslt line1}}}"_ba
                                      << u"line1"_s << u"line1=>#target"_s;
    QTest::newRow("formatting in instruction")
        << "{\\rtf1{\\field{\\*\\fldinst {\\b HYPER}{\\i LINK} \"http://a/\"{\\*\\datafield 00ff}}{\\fldrslt x}}}"_ba
        << u"x"_s << u"x=>http://a/"_s;
    QTest::newRow("escaped backslashes")
        << "{\\rtf1{\\field\\flddirty{\\*\\fldinst {HYPERLINK \"c:\\\\\\\\temp\\\\\\\\doc1.doc\"}}{\\fldrslt \\ul link}}}"_ba
        << u"link"_s << u"link=>c:\\temp\\doc1.doc"_s;
    QTest::newRow("anchor switch") << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\\\l \"sec2\" \\\\o \"tip\"}{\\fldrslt s}}}"_ba
                                   << u"s"_s << u"s=>#sec2"_s;
    QTest::newRow("url and anchor") << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://a/\" \\\\l \"b\"}{\\fldrslt s}}}"_ba
                                    << u"s"_s << u"s=>http://a/#b"_s;
    QTest::newRow("other field shows result") << "{\\rtf1 p{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}.}"_ba << u"p7."_s
                                              << QString();
    QTest::newRow("nested field in link")
        << "{\\rtf1 Before {\\field{\\*\\fldinst HYPERLINK \\\\l \"target\"}{\\fldrslt "
           "{\\field{\\*\\fldinst PAGEREF target \\\\h}{\\fldrslt 42}}}} after.}"_ba
        << u"Before 42 after."_s << u"42=>#target"_s;
    QTest::newRow("par inside result")
        << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"#t\"}{\\fldrslt line1\\par line2}}}"_ba << u"line1\nline2"_s
        << u"line1=>#t, line2=>#t"_s;
    QTest::newRow("plain inside result keeps link")
        << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x.doc\"}{\\fldrslt\\plain\\b D}}}"_ba << u"D"_s << u"D=>x.doc"_s;
    QTest::newRow("link ends with field") << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt A}}"
                                             "{\\field{\\*\\fldinst HYPERLINK \"b\"}{\\fldrslt B}}C}"_ba
                                          << u"ABC"_s << u"A=>a, B=>b"_s;
    QTest::newRow("picture in a link")
        << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://p/\"}{\\fldrslt{\\pict\\pngblip " + imageHex("PNG") + "}}}}"
        << u"\uFFFC"_s << u"\uFFFC=>http://p/"_s;
    QTest::newRow("lowercase hyperlink") << "{\\rtf1{\\field{\\*\\fldinst hyperlink http://u/}{\\fldrslt u}}}"_ba
                                         << u"u"_s << u"u=>http://u/"_s;
}

void tst_RtfReader::links()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QString, links);
    const auto document = load(rtf);
    QCOMPARE(blocksText(*document), text);
    QCOMPARE(anchors(*document), links);
}

// ---------------------------------------------------------------------------

void tst_RtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii lines") << "one\r\ntwo\nthree"_ba << u"one\ntwo\nthree"_s;
    QTest::newRow("utf-8") << "caf\xC3\xA9 \xE2\x82\xAC"_ba << u"café €"_s;
    QTest::newRow("utf-8 bom") << "\xEF\xBB\xBFx"_ba << u"x"_s;
    QTest::newRow("windows-1252") << "caf\xE9 \x80"_ba << u"café €"_s;
    QTest::newRow("junk before rtf") << "/{\\rtf1 a}"_ba << u"/{\\rtf1 a}"_s;
    QTest::newRow("rtf prefix not enough") << "{\\rt"_ba << u"{\\rt"_s;
    QTest::newRow("frame markers replaced") << "a\xEF\xB7\x90" "b"_ba << u"a\uFFFDb"_s;
}

void tst_RtfReader::plainText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(blocksText(*load(data)), expected);
}

// ---------------------------------------------------------------------------

void tst_RtfReader::robustness_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("contains");

    QTest::newRow("truncated word") << "{\\rtf1 ab\\"_ba << u"ab"_s;
    QTest::newRow("truncated hex") << "{\\rtf1 ab\\'4"_ba << u"ab"_s;
    QTest::newRow("truncated in font table") << "{\\rtf1{\\fonttbl{\\f0 Ari"_ba << QString();
    QTest::newRow("font table never closed") << "{\\rtf1{\\fonttbl{\\f0 Arial;}\\f0 body text\\par}"_ba << QString();
    QTest::newRow("100000 opening braces") << "{\\rtf1 start" + QByteArray(100000, '{') + "deep" << u"startdeep"_s;
    QTest::newRow("deep with closing") << "{\\rtf1 a" + QByteArray(100000, '{') + "\\b x" + QByteArray(100000, '}') + "b}"
                                       << u"axb"_s;
    QTest::newRow("deep destinations") << "{\\rtf1 a" + QByteArray("{\\*\\x ").repeated(50000) + "b" << u"a"_s;
    // Past the depth cap a destination's group is skipped whole.
    QTest::newRow("deep fields") << "{\\rtf1 a" + QByteArray("{\\field{\\fldrslt ").repeated(20000) + "b" << u"a"_s;
    QTest::newRow("100000 closing braces") << "{\\rtf1 a" + QByteArray(100000, '}') + "b"_ba << u"a"_s;
    QTest::newRow("huge bin") << "{\\rtf1 a{\\bin99999999999999999999 }b}"_ba << u"a"_s;
    QTest::newRow("negative bin") << "{\\rtf1 a\\bin-5 b}"_ba << u"ab"_s;
    QTest::newRow("huge uc") << "{\\rtf1\\uc99999999999 \\u65 BCD}"_ba << u"A"_s;
    QTest::newRow("huge parameters") << "{\\rtf1\\fs99999999999\\li-99999999999\\sl-2147483648\\cf99999999999"
                                        "\\itap99999999\\ilvl99999999\\ls99999999 x}"_ba
                                     << u"x"_s;
    QTest::newRow("huge picture goal") << "{\\rtf1 a{\\pict\\pngblip\\picwgoal99999999999\\picscalex99999999 00}b}"_ba
                                       << u"ab"_s;
    QTest::newRow("long word") << "{\\rtf1 \\" + QByteArray(100000, 'a') + " x}" << u"x"_s;
    QTest::newRow("long number") << "{\\rtf1 \\fs" + QByteArray(100000, '9') + " x}" << u"x"_s;
    QTest::newRow("many cells and rows") << "{\\rtf1 " + QByteArray("\\intbl\\cell\\cell\\row").repeated(3000) + "}"
                                         << QString();
    QTest::newRow("table depth toggling") << "{\\rtf1 " + QByteArray("\\pard\\intbl\\itap9 x\\par\\pard y\\par").repeated(300)
                                                  + "}"
                                          << u"x"_s;
    // Qt revisits a whole list for each item added: quadratic without care.
    QTest::newRow("20000 list items") << "{\\rtf1 " + QByteArray("\\ls1 a\\par ").repeated(20000) + "}" << u"a"_s;
    QTest::newRow("20000 lists") << [] {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 1; i <= 20000; ++i)
            rtf += "\\ls" + QByteArray::number(i) + " a\\par ";
        return rtf + "}";
    }() << u"a"_s;
    QTest::newRow("3000 styles in one sbasedon chain") << [] {
        QByteArray rtf = "{\\rtf1{\\stylesheet";
        for (int i = 1; i <= 3000; ++i)
            rtf += "{\\s" + QByteArray::number(i) + "\\sbasedon" + QByteArray::number(i - 1) + "\\b\\i\\fs20\\qc\\sa20 S;}";
        return rtf + "}" + QByteArray("\\pard\\plain\\s3000\\cs1 a\\par ").repeated(20000) + "}";
    }() << u"a"_s;
    QTest::newRow("nul after end") << "{\\rtf1 a}\0\0"_ba << u"a"_s;

    QRandomGenerator random(20240521);
    for (int i = 0; i < 20; ++i) {
        QByteArray bytes(4096, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        QTest::addRow("random bytes %d", i) << "{\\rtf1 " + bytes << QString();
        const char alphabet[] = "{}\\*'0123456789abcdefghijklmnopqrstuvwxyz -;\"";
        for (char &c : bytes)
            c = alphabet[random.bounded(int(sizeof alphabet) - 1)];
        QTest::addRow("random rtf syntax %d", i) << "{\\rtf1 " + bytes << QString();
    }
}

void tst_RtfReader::robustness()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, contains);
    // What malformed input logs is checked in logging(); here it is noise.
    QLoggingCategory::setFilterRules(u"dungeon.rtf.warning=false"_s);
    const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
    QElapsedTimer timer;
    timer.start();
    const auto document = load(rtf);
    QVERIFY2(timer.elapsed() < 60000, "reading must not take long");
    QVERIFY2(blocksText(*document).contains(contains), qPrintable(blocksText(*document).left(200)));
}

void tst_RtfReader::logging_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("warning"); // a pattern; empty: no warning at all

    QTest::newRow("well formed") << "{\\rtf1{\\fonttbl{\\f0 A;}}\\f0 a\\par}"_ba << QString();
    QTest::newRow("trailing nul is no fault") << "{\\rtf1 a\\par\r\n}\r\n\0"_ba << QString();
    QTest::newRow("unknown words are no fault") << "{\\rtf1\\foo a{\\*\\bar b}}"_ba << QString();
    QTest::newRow("extra brace") << "{\\rtf1 a}}"_ba << u"unbalanced"_s;
    QTest::newRow("truncated") << "{\\rtf1 {a"_ba << u"ends inside a group"_s;
    QTest::newRow("too deep") << "{\\rtf1 " + QByteArray(600, '{') + QByteArray(600, '}') + "}" << u"nested too deeply"_s;
    QTest::newRow("text after the end") << "{\\rtf1 a}b"_ba << u"after the end"_s;
    QTest::newRow("bad picture") << "{\\rtf1 {\\pict\\pngblip 0102}}"_ba << u"does not decode"_s;
    QTest::newRow("unknown code page") << "{\\rtf1{\\fonttbl{\\f0\\cpg1234 A;}}\\ansicpg77777\\f0 \\'e9}"_ba
                                       << u"unknown code page"_s;
    QTest::newRow("Johab font") << "{\\rtf1{\\fonttbl{\\f0\\fcharset130 A;}}\\f0 \\'e9}"_ba
                                << u"unknown code page 1361"_s;
}

void tst_RtfReader::logging()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, warning);
    if (warning.isEmpty())
        QTest::failOnWarning(QRegularExpression(u".*"_s));
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    load(rtf);
}

void tst_RtfReader::unshownContent_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<unsigned>("expected");
    QTest::newRow("header, comment, footer") << "{\\rtf1{\\headerr h}{\\*\\annotation c}{\\footerf f}a}"_ba
                                             << unsigned(Rtf::HeadersAndFooters | Rtf::Comments);
    QTest::newRow("hidden text") << "{\\rtf1 a{\\v b}}"_ba << unsigned(Rtf::HiddenText);
}

void tst_RtfReader::unshownContent()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    QTEST(Rtf::read(rtf, &document), "expected");
}

void tst_RtfReader::replacesContent()
{
    QTextDocument document;
    document.setHtml(u"<b>old</b><img src=\"x.png\">"_s);
    document.addResource(QTextDocument::ImageResource, QUrl(u"x.png"_s), QImage(2, 2, QImage::Format_RGB32));
    Rtf::read("{\\rtf1\\qc new}"_ba, &document);
    QCOMPARE(blocksText(document), u"new"_s);
    QCOMPARE(document.blockCount(), 1);
    QVERIFY(!document.resource(QTextDocument::ImageResource, QUrl(u"x.png"_s)).isValid());

    // One edit block: a single undo step brings back the empty document.
    QVERIFY(document.isUndoAvailable());
    document.undo();
    QVERIFY(document.isEmpty());
}

QTEST_MAIN(tst_RtfReader)
#include "tst_rtfreader.moc"
