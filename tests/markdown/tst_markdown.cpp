#include "markdown/markdowntext.h"
#include "markdown/markdownvault.h"

#include "storage/encounterfiles.h"
#include "tests/support/filetesting.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class tst_Markdown : public QObject
{
    Q_OBJECT

private slots:
    void noteNames_data();
    void noteNames();
    void yamlStrings_data();
    void yamlStrings();
    void sampleAdventure();
};

namespace {

// The value of a YAML double-quoted scalar as we write them, which JSON reads alike.
QString unquoted(const QString &scalar)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray("[") + scalar.toUtf8() + ']');
    return document.isArray() ? document.array().at(0).toString() : QStringLiteral("(not a string)");
}

QString text(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void tst_Markdown::noteNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "The Guard Room" << "The Guard Room";
    QTest::newRow("forbidden") << R"(A<b>:c"d/e\f|g?h*i)" << "A b c d e f g h i";
    QTest::newRow("wiki link breakers") << "Room #3 [old]^" << "Room 3 old";
    QTest::newRow("trailing dot and space") << "The End. . " << "The End";
    QTest::newRow("hidden") << ".secret" << "secret";
    QTest::newRow("device") << "con" << "_con";
    QTest::newRow("device with extension") << "LPT1.txt" << "_LPT1.txt";
    QTest::newRow("control characters") << "Tab\there\x01" << "Tab here";
    QTest::newRow("nothing left") << " ?*. " << "fallback";
    QTest::newRow("long word") << QString(100, u'x') << QString(60, u'x');
    QTest::newRow("long, cut between words") << QString(50, u'x') + QStringLiteral(" yyyyy zzzzzzzzzzzzz") << QString(50, u'x') + QStringLiteral(" yyyyy");
    QTest::newRow("paragraph: its first sentence") << QStringLiteral("The Vestry. Robe chests stand open and empty, and a family of kobolds lives here.") << "The Vestry";
}

void tst_Markdown::noteNames()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QCOMPARE(MarkdownText::noteName(title, QStringLiteral("fallback")), name);
}

void tst_Markdown::yamlStrings_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("quote and backslash") << R"(Ogre "Big" \ Co)";
    QTest::newRow("YAML syntax") << "- [a]: {b} # c & *d !e";
    QTest::newRow("line breaks") << QStringLiteral("a\nb\rc\u2028d\u2029e\u0085f");
    QTest::newRow("controls") << QStringLiteral("tab\tbell\x07 del\x7f bom\ufeff");
    QTest::newRow("beyond 16 bits") << QStringLiteral("dragon \U0001F409");
}

// Read back, a value is what it was, on one line.
void tst_Markdown::yamlStrings()
{
    QFETCH(QString, value);
    const QString quoted = MarkdownText::yamlString(value);
    QCOMPARE(unquoted(quoted), value);
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{85}\\x{2028}\\x{2029}]"));
    QVERIFY(!quoted.contains(lineBreak));
}

void tst_Markdown::sampleAdventure()
{
    QTemporaryDir program;
    const QString dungeon = Storage::dungeonFolder(program.path(), 1);
    copyFiles(QStringLiteral(SAMPLE_DUNGEON), dungeon);
    QStringList withSomething;
    for (const QString &name : QDir(dungeon).entryList({QStringLiteral("*.Encounter")}))
        withSomething << QStringLiteral("%1").arg(name.section(u'.', 0, 0).toInt(), 2, 10, QChar(u'0'));
    const QString vault = program.path() + QStringLiteral("/vault");
    const MarkdownVault::Written written = MarkdownVault::exportVault(program.path(), 1, vault);
    QCOMPARE(written.error, QString());

    // Every encounter that holds something has its note, numbered as its spot.
    QStringList numbered;
    const QStringList notes = QDir(vault).entryList({QStringLiteral("*.md")}, QDir::Files);
    for (const QString &note : notes) {
        if (note != written.indexNote)
            numbered << note.left(2);
    }
    withSomething.sort();
    QCOMPARE(numbered, withSomething);

    static const QRegularExpression wikiLink(QStringLiteral(R"(\[\[([^\]|#]+)\]\])"));
    static const QRegularExpression fileLink(QStringLiteral(R"(\]\(([^)\s]+)\))"));
    int links = 0;
    for (const QString &note : notes) {
        const QString markdown = text(vault + u'/' + note);
        for (const QRegularExpressionMatch &link : wikiLink.globalMatch(markdown)) {
            ++links;
            QVERIFY2(QFile::exists(vault + u'/' + link.captured(1) + QStringLiteral(".md")), qPrintable(link.captured(0)));
        }
        for (const QRegularExpressionMatch &link : fileLink.globalMatch(markdown)) {
            const QUrl target(link.captured(1));
            if (target.isRelative() && !link.captured(1).startsWith(u'#')) {
                ++links;
                QVERIFY2(QFile::exists(vault + u'/' + target.path()), qPrintable(note + u' ' + link.captured(1)));
            }
        }
        if (note == written.indexNote)
            continue;

        // The monsters of the front matter are those of the table file, row by row.
        const Storage::Cells cells = Storage::readEncounter(
                Storage::encounterFiles(program.path(), 1, QString::number(note.left(2).toInt())),
                Storage::ReadMode::LookOnly).cells;
        QStringList expected, parsed;
        for (int row = 0; row < EncounterShape::MonsterRows; ++row) {
            QStringList line;
            for (int column = 0; column < EncounterShape::ColumnCount; ++column)
                line << cells[EncounterShape::cellIndex(column, row)];
            if (!line.join(QString()).isEmpty())
                expected << line.join(u'|');
        }
        const QString front = markdown.section(QStringLiteral("---\n"), 1, 1);
        static const QRegularExpression monster(QStringLiteral(
                "  - name: (\".*\")\\n    AC: (\".*\")\\n    DMG: (\".*\")\\n    HP: (\".*\")\\n"));
        for (const QRegularExpressionMatch &m : monster.globalMatch(front))
            parsed << QStringList{unquoted(m.captured(1)), unquoted(m.captured(2)), unquoted(m.captured(3)),
                                  unquoted(m.captured(4))}.join(u'|');
        QCOMPARE(parsed, expected);
        QVERIFY(front.startsWith(QStringLiteral("encounter: %1\n").arg(note.left(2).toInt())));
    }
    QVERIFY(links > withSomething.size());
}

QTEST_MAIN(tst_Markdown)
#include "tst_markdown.moc"
