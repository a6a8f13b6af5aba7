// Reads the public RTF test files of other projects (rtf-corpus beside the
// project, never inside it) and checks our reading against their oracles:
// pandoc's native output, striprtf's plain text, rtf.js's and RtfPipe's HTML,
// and the assertions of Tika's and LibreOffice's own tests (MANIFEST.md).

#include "documentdump.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;
using namespace DocumentDump;

namespace {

const QString corpus = QStringLiteral(DUNGEON_RTF_CORPUS);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool exists(const QString &relativePath)
{
    return QFile::exists(corpus + u'/' + relativePath);
}

std::unique_ptr<QTextDocument> loadFile(const QString &relativePath)
{
    auto document = std::make_unique<QTextDocument>();
    Rtf::read(readFile(corpus + u'/' + relativePath), document.get());
    return document;
}

// The text as shown: \caps text in capitals, pictures left out.
QString displayedText(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().fontCapitalization() == QFont::AllUppercase)
                text += fragment.text().toUpper();
            else
                text += fragment.text();
        }
        blocks << text.remove(QChar::ObjectReplacementCharacter);
    }
    return blocks.join(u'\n');
}

// The words of a pandoc native document's body (after its Meta): Str
// contents with Haskell escapes resolved, a space for each Space, break and
// paragraph; an image's alternative text is left out, as we show none.
QString nativeText(const QString &native)
{
    const qsizetype body = native.indexOf(QRegularExpression(u"^  \\["_s, QRegularExpression::MultilineOption));
    const QString source = native.mid(std::max<qsizetype>(body, 0));
    static const QRegularExpression token(
        u"Str \"((?:[^\"\\\\]|\\\\.)*)\"|\\b(Space|SoftBreak|LineBreak|Para|Plain|Header)\\b|\\bImage\\b"_s);
    QString text;
    qsizetype position = 0;
    for (;;) {
        const QRegularExpressionMatch match = token.match(source, position);
        if (!match.hasMatch())
            break;
        position = match.capturedEnd();
        if (match.captured(0) == u"Image") {
            // Skip the attribute tuple and the alternative text list.
            for (const auto &[open, close] : {std::pair{u'(', u')'}, std::pair{u'[', u']'}}) {
                position = source.indexOf(open, position);
                int depth = 0;
                bool quoted = false;
                for (; position >= 0 && position < source.size(); ++position) {
                    const QChar c = source[position];
                    if (quoted) {
                        if (c == u'\\')
                            ++position;
                        else if (c == u'"')
                            quoted = false;
                    } else if (c == u'"') {
                        quoted = true;
                    } else if (c == open) {
                        ++depth;
                    } else if (c == close && --depth == 0) {
                        ++position;
                        break;
                    }
                }
                if (position < 0)
                    return text;
            }
            continue;
        }
        if (!match.captured(2).isEmpty()) {
            text += u' ';
            continue;
        }
        const QString escaped = match.captured(1);
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            if (escaped[i] != u'\\' || i + 1 == escaped.size()) {
                text += escaped[i];
                continue;
            }
            const QChar next = escaped[++i];
            if (next.isDigit()) {
                qsizetype end = i;
                while (end < escaped.size() && escaped[end].isDigit())
                    ++end;
                const char32_t code = escaped.mid(i, end - i).toUInt();
                text += QString::fromUcs4(&code, 1);
                i = end - 1;
            } else if (next == u'n') {
                text += u'\n';
            } else if (next == u't') {
                text += u'\t';
            } else if (next != u'&') {
                text += next;
            }
        }
    }
    return text;
}

// HTML goldens come from renderers that pretty-print their markup (a line
// break after every span, even inside a word), capitalise with CSS and keep
// Symbol-font bytes as Latin letters in that font: compare the characters
// only, ignoring case.
QString htmlComparable(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() >= 0xF020 && c.unicode() <= 0xF0FF)
            c = QChar(c.unicode() - 0xF000);
    }
    text.removeIf([](QChar c) { return c.isSpace() || c == QChar::ObjectReplacementCharacter; });
    return text.toCaseFolded();
}

QString htmlText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

class tst_RtfCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFile_data();
    void everyFile();
    void containsText_data();
    void containsText();
    void links_data();
    void links();
    void lists_data();
    void lists();
    void tables_data();
    void tables();
    void images();
    void superscript();
};

void tst_RtfCorpus::initTestCase()
{
    if (!QDir(corpus).exists())
        QSKIP("the RTF corpus is not beside the project");
}

void tst_RtfCorpus::everyFile_data()
{
    QTest::addColumn<QString>("file");
    QStringList files;
    QDirIterator it(corpus, {u"*.rtf"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(corpus).relativeFilePath(it.next());
    files.sort();
    for (const QString &file : std::as_const(files))
        QTest::newRow(qPrintable(file)) << file;
}

void tst_RtfCorpus::everyFile()
{
    QFETCH(QString, file);
    QVERIFY2(exists(file), qPrintable(file));
    QElapsedTimer timer;
    timer.start();
    const auto document = loadFile(file);
    QVERIFY2(timer.elapsed() < 60000, "reading must not take long");
    const QString text = displayedText(*document);

    const QString base = corpus + u'/' + file.chopped(4);
    for (const QString &native : {base + u".native"_s, base + u".expected.native"_s}) {
        if (QFile::exists(native))
            QCOMPARE(text.simplified(), nativeText(QString::fromUtf8(readFile(native))).simplified());
    }
    if (QFile::exists(base + u".expected.txt"_s))
        QCOMPARE(text.simplified(), QString::fromUtf8(readFile(base + u".expected.txt"_s)).simplified());
    if (QFile::exists(base + u".expected.html"_s)) {
        QCOMPARE(htmlComparable(text),
                 htmlComparable(htmlText(QString::fromUtf8(readFile(base + u".expected.html"_s)))));
    }
}

// ---------------------------------------------------------------------------

// Assertions quoted in MANIFEST.md from the source projects' own tests.
void tst_RtfCorpus::containsText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("tika unicode fallbacks") << u"tika/testRTFUnicodeUCNControlWordCharacterDoubling.rtf"_s
                                            << QStringList{u"年"_s, u"念"_s, u"0 "_s, u"abc"_s} << QStringList();
    QTest::newRow("tika invalid unicode")
        << u"tika/testRTFInvalidUnicode.rtf"_s
        << QStringList{u"Unpaired hi \uFFFD here"_s, u"Unpaired lo \uFFFD here"_s, u"Mismatched pair \uFFFD\uFFFD here"_s}
        << QStringList();
    QTest::newRow("tika code page 1250") << u"tika/testRTFWindowsCodepage1250.rtf"_s
                                         << QStringList{u"zażółć gęślą jaźń"_s, u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ"_s} << QStringList();
    QTest::newRow("tika font after buffered text") << u"tika/testFontAfterBufferedText.rtf"_s
                                                   << QStringList{u"Уважаемый клиент!"_s} << QStringList();
    QTest::newRow("tika nested rtf") << u"tika/testRTFTIKA_2500.rtf"_s << QStringList{u"Level1"_s, u"Level2"_s}
                                     << QStringList();
    QTest::newRow("tika controls") << u"tika/testRTFControls.rtf"_s
                                   << QStringList{u"Thiswordhasanem—dash"_s, u"Thiswordhasanen–dash"_s,
                                                  u"Thiswordhasanon‑breakinghyphen"_s,
                                                  u"Thiswordhasanonbreaking\u00A0space"_s,
                                                  u"Thiswordhasanoptional\u00ADhyphen"_s, u"‘Single quoted text’"_s,
                                                  u"“Double quoted text”"_s}
                                   << QStringList();
    QTest::newRow("tika bin in object") << u"tika/testBinControlWord.rtf"_s << QStringList()
                                        << QStringList{u"\uFFFD"_s};
    QTest::newRow("libreoffice bin skipping") << u"libreoffice/bin-skipping.rtf"_s << QStringList{u"text"_s}
                                              << QStringList{u"MUST NOT IMPORT"_s};
    QTest::newRow("libreoffice pc") << u"libreoffice/fdo85889-pc.rtf"_s << QStringList{u"±≥≤"_s} << QStringList();
    QTest::newRow("libreoffice symbol") << u"libreoffice/fdo72031.rtf"_s << QStringList{u"\uF0C5"_s} << QStringList();
    QTest::newRow("libreoffice default code page") << u"libreoffice/fdo44211.rtf"_s << QStringList{u"ąčę"_s}
                                                   << QStringList();
    QTest::newRow("abiword") << u"abiword/hello_world.abw.exp.raw.rtf"_s << QStringList{u"Hello World!"_s}
                             << QStringList{u"Contents"_s, u"Endnote"_s};
    QTest::newRow("garbage before rtf") << u"rtfpipe/RtfParserTest_fail_0.rtf"_s << QStringList{u"Hello world"_s}
                                        << QStringList();
    QTest::newRow("truncated") << u"rtfpipe/RtfParserTest_fail_3.rtf"_s << QStringList{u"Hello world in {RTF}"_s}
                               << QStringList();
    QTest::newRow("abiword list") << u"abiword/9870-break_in_list.abw.exp.raw.rtf"_s << QStringList()
                                  << QStringList{u"\t"_s};
}

void tst_RtfCorpus::containsText()
{
    QFETCH(QString, file);
    QVERIFY2(exists(file), qPrintable(file));
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString text = displayedText(*loadFile(file));
    if (file.endsWith(u"fdo44211.rtf"))
        QEXPECT_FAIL("", "LibreOffice's test runs in a Lithuanian locale (cp1257); "
                         "without \\ansicpg we read cp1252, as Word does in a Western locale",
                     Continue);
    for (const QString &expected : std::as_const(present))
        QVERIFY2(text.contains(expected), qPrintable(expected + u" in: "_s + text.left(300)));
    for (const QString &unexpected : std::as_const(absent))
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
}

void tst_RtfCorpus::links_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    // The whole field result is the link, its second paragraph too (Tika's
    // HTML closes the anchor with the first paragraph).
    QTest::newRow("par inside hyperlink") << u"tika/testRTF_parInsideHyperlink.rtf"_s
                                          << u"line1=>#target, line2=>#target"_s;
    QTest::newRow("pageref in hyperlink") << u"tika/testRTF_nestedHyperlinkPageRef.rtf"_s << u"42=>#target"_s;
    // Word's field syntax unescapes the doubled backslashes (Tika keeps them).
    QTest::newRow("styles in hyperlink") << u"tika/testRTFHyperlinkAndStyles.rtf"_s
                                         << u"Dip, Caesar.doc=>..\\..\\SAUCES\\Dips\\Dip, Caesar.doc, "
                                            "Blackening Spice.doc=>..\\..\\SPICE\\Blackening Spice.doc"_s;
    QTest::newRow("backslashes") << u"libreoffice/hyperlink-with-backslashes.rtf"_s << u"link=>c:\\temp\\doc1.doc"_s;
    QTest::newRow("pandoc") << u"pandoc/link.rtf"_s << u"pandoc=>http://pandoc.org"_s;
    QTest::newRow("wordpad") << u"rtfjs/hyperlink.rtf"_s << u"this project=>https://github.com/tbluemel/rtf.js, "
                                    "unsafe link=>http://github.com/tbluemel/rtf.js"_s;
}

void tst_RtfCorpus::links()
{
    QFETCH(QString, file);
    QVERIFY2(exists(file), qPrintable(file));
    QFETCH(QString, expected);
    QCOMPARE(anchors(*loadFile(file)), expected);
}

void tst_RtfCorpus::lists_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("wordpad legacy") << u"rtfpipe/Issue53.rtf"_s << u"A:disc/1#1 B:disc/1#1 C:disc/1#1 D:decimal/1#2"_s;
    QTest::newRow("textedit") << u"pandoc/list_simple.rtf"_s
                              << u"one:disc/1#1 two:disc/1#1 sub:disc/2#2 new list:disc/1#3"_s;
    QTest::newRow("legacy pn beside unknown ls") << u"pandoc/list_legacy.rtf"_s
                                                 << u"A:decimal/1#1 Numbered:decimal/1#1 List:decimal/1#1 "
                                                    "A:disc/1#2 Bulleted:disc/1#2 List:disc/1#2"_s;
    QTest::newRow("word nested") << u"pandoc/list_complex.rtf"_s
                                 << u"One:decimal/1#1 Two:decimal/1#1 Three:alpha/2#2 Four:alpha/2#2 "
                                    "Five:roman/3#3 Six:roman/3#3 Seven:ALPHA/4#4 Eight:ALPHA/4#4 "
                                    "Nine:ROMAN/5#5 Ten:ROMAN/5#5 Eleven:circle/6#6 Twelve:circle/6#6 "
                                    "Out of list! Start with Seven Start:decimal/1#7 Eight Continue:decimal/1#7"_s;
    QTest::newRow("libreoffice") << u"tika/testRTFListLibreOffice.rtf"_s << QString();
}

void tst_RtfCorpus::lists()
{
    QFETCH(QString, file);
    QVERIFY2(exists(file), qPrintable(file));
    QFETCH(QString, expected);
    const auto document = loadFile(file);
    const QString structure = listStructure(*document).simplified();
    if (!expected.isEmpty()) {
        QCOMPARE(structure, expected);
        return;
    }
    // Tika: <ol><li>one</li> and <ul><li>first</li>.
    QVERIFY2(structure.contains(u"one:decimal/1"), qPrintable(structure));
    QVERIFY2(structure.contains(u"first:disc/1"), qPrintable(structure));
}

void tst_RtfCorpus::tables_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain in table") << u"pandoc/cmd-11682.rtf"_s << u"[A|B|C/1|2|3]"_s;
    QTest::newRow("more cells than cellx") << u"pandoc/table_simple.rtf"_s << u"[A|B|C|D/E|F|G|H]"_s;
    QTest::newRow("nested") << u"pandoc/table_nested.rtf"_s
                            << u"[[Level two before [Deep A|Deep B/Deep C|Deep D] Level two after] Outer after] "
                               u"Outside table"_s;
}

void tst_RtfCorpus::tables()
{
    QFETCH(QString, file);
    QVERIFY2(exists(file), qPrintable(file));
    QFETCH(QString, expected);
    QCOMPARE(structure(*loadFile(file)).simplified(), expected);
}

void tst_RtfCorpus::images()
{
    for (const auto *file : {u"rtfjs/simplepng.rtf", u"rtfjs/simplepngbin.rtf", u"pandoc/image.rtf",
                             u"tika/testRTFRegularImages.rtf", u"tika/testRTFEmbeddedLink.rtf"})
        QVERIFY2(exists(QString::fromUtf16(file)), qPrintable(QString::fromUtf16(file)));
    const auto imageOf = [](const QTextDocument &document, const QTextImageFormat &format) {
        return document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    };

    // The same PNG as hex and as raw \bin bytes.
    const auto hex = loadFile(u"rtfjs/simplepng.rtf"_s);
    const auto binary = loadFile(u"rtfjs/simplepngbin.rtf"_s);
    QCOMPARE(DocumentDump::images(*hex).size(), 1);
    QCOMPARE(DocumentDump::images(*binary).size(), 1);
    const QImage fromHex = imageOf(*hex, DocumentDump::images(*hex).first());
    QVERIFY(!fromHex.isNull());
    QCOMPARE(imageOf(*binary, DocumentDump::images(*binary).first()), fromHex);

    // pandoc: \bin without a length, then hex; 2 x 2 inches.
    const auto jpeg = loadFile(u"pandoc/image.rtf"_s);
    QCOMPARE(DocumentDump::images(*jpeg).size(), 1);
    QCOMPARE(DocumentDump::images(*jpeg).first().width(), 192.0);
    QCOMPARE(DocumentDump::images(*jpeg).first().height(), 192.0);

    // Word: each picture once, from \shppict, never also from \nonshppict.
    QCOMPARE(DocumentDump::images(*loadFile(u"tika/testRTFRegularImages.rtf"_s)).size(), 2);
    // An EMF in an object's result: nothing we can show, nothing else either.
    QCOMPARE(DocumentDump::images(*loadFile(u"tika/testRTFEmbeddedLink.rtf"_s)).size(), 0);
}

// pandoc #8170: \nosupersub ends the superscript.
void tst_RtfCorpus::superscript()
{
    QVERIFY(exists(u"pandoc/cmd-8170.rtf"_s));
    const auto document = loadFile(u"pandoc/cmd-8170.rtf"_s);
    const QTextCursor th = document->find(u"th"_s);
    QVERIFY(!th.isNull());
    QCOMPARE(th.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCursor grade = document->find(u"grade"_s);
    QVERIFY(!grade.isNull());
    QCOMPARE(grade.charFormat().verticalAlignment(), QTextCharFormat::AlignNormal);
}

QTEST_MAIN(tst_RtfCorpus)
#include "tst_rtfcorpus.moc"
