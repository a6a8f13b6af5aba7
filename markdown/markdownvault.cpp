#include "markdownvault.h"

#include "markdowntext.h"

#include "assets/pictures.h"
#include "dungeon/dungeondescription.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace MarkdownVault {

namespace {

using MarkdownText::tableCell;
using MarkdownText::yamlString;

QString tr(const char *text)
{
    return QCoreApplication::translate("MarkdownVault", text);
}

// "07": the notes sort as the spots are numbered.
QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QChar(u'0'));
}

struct Encounter
{
    int number = 0;
    Storage::Cells cells;
    QByteArray details;
    QString noteName; // without ".md"
};

// The first line of the details that holds something.
QString firstLine(const QTextDocument &document)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\\n\\r\\x{2028}\\x{2029}]"));
    for (const QString &line : document.toPlainText().split(lineEnd)) {
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    }
    return {};
}

bool holdsSomething(const Storage::Cells &cells, const QTextDocument &document)
{
    for (const QString &cell : cells) {
        if (!cell.isEmpty())
            return true;
    }
    return !document.toPlainText().trimmed().isEmpty() || document.toRawText().contains(QChar::ObjectReplacementCharacter);
}

class VaultWriter
{
public:
    VaultWriter(const QString &folder) : m_folder(folder) {}

    QString error() const { return m_error; }

    void write(const QString &name, const QByteArray &content)
    {
        if (!m_error.isEmpty())
            return;
        if (const Storage::WriteResult written = Storage::writeFileAtomically(m_folder + u'/' + name, content);
            !written.ok())
            m_error = written.message();
    }

    void writePicture(const QString &name, const QImage &image)
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG") && m_error.isEmpty())
            m_error = tr("Cannot save %1: the picture cannot be written as PNG")
                              .arg(QDir::toNativeSeparators(m_folder + u'/' + name));
        write(name, png);
    }

private:
    QString m_folder;
    QString m_error;
};

// Gives each picture of the document its PNG file beside the note and the
// file's name, so that the Markdown links to it.
void writePictures(QTextDocument *document, int number, VaultWriter *vault)
{
    struct Picture { int position; int length; QTextImageFormat format; };
    QList<Picture> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isImageFormat())
                pictures.append({fragment.fragment().position(), fragment.fragment().length(),
                                 fragment.fragment().charFormat().toImageFormat()});
        }
    }
    QHash<QString, QString> files; // a picture shown twice is written once
    for (Picture &picture : pictures) {
        const QString source = picture.format.name();
        QString &file = files[source];
        if (file.isEmpty()) {
            file = QStringLiteral("encounter-%1-picture-%2.png").arg(twoDigits(number), QString::number(files.size()));
            vault->writePicture(file, document->resource(QTextDocument::ImageResource, QUrl(source)).value<QImage>());
        }
        picture.format.setName(file);
        QTextCursor cursor(document);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
}

QString frontMatter(const Encounter &encounter, const QString &dungeonTitle)
{
    QString yaml = QStringLiteral("---\nencounter: %1\ndungeon: %2\n")
                           .arg(QString::number(encounter.number), yamlString(dungeonTitle));
    QString monsters;
    for (int row = 0; row < EncounterShape::MonsterRows; ++row) {
        const auto cell = [&](int column) { return encounter.cells[EncounterShape::cellIndex(column, row)]; };
        if (cell(0).isEmpty() && cell(1).isEmpty() && cell(2).isEmpty() && cell(3).isEmpty())
            continue;
        monsters += QStringLiteral("  - name: %1\n    AC: %2\n    DMG: %3\n    HP: %4\n")
                            .arg(yamlString(cell(0)), yamlString(cell(1)), yamlString(cell(2)), yamlString(cell(3)));
    }
    yaml += monsters.isEmpty() ? QStringLiteral("monsters: []\n") : QStringLiteral("monsters:\n") + monsters;
    return yaml + QStringLiteral("---\n\n");
}

QString monsterTable(const Storage::Cells &cells)
{
    QString table;
    for (int row = 0; row < EncounterShape::MonsterRows; ++row) {
        QStringList line;
        for (int column = 0; column < EncounterShape::ColumnCount; ++column)
            line << tableCell(cells[EncounterShape::cellIndex(column, row)]);
        if (line.join(QString()).isEmpty())
            continue;
        table += QStringLiteral("| %1 |\n").arg(line.join(QStringLiteral(" | ")));
    }
    if (table.isEmpty())
        return {};
    QStringList captions, rule;
    for (const char *caption : EncounterShape::ColumnCaptions) {
        captions << tr(caption);
        rule << QStringLiteral("---");
    }
    return QStringLiteral("| %1 |\n| %2 |\n").arg(captions.join(QStringLiteral(" | ")), rule.join(QStringLiteral(" | ")))
            + table + u'\n';
}

QString encounterNote(const Encounter &encounter, const QString &dungeonTitle, VaultWriter *vault)
{
    QTextDocument document;
    Rtf::read(encounter.details, &document);
    writePictures(&document, encounter.number, vault);
    return frontMatter(encounter, dungeonTitle) + monsterTable(encounter.cells)
            + document.toMarkdown(QTextDocument::MarkdownDialectGitHub);
}

// The map as the note app shows it: the dungeon's own picture as it is, or
// the built-in map as PNG.
QString writeMap(const QString &dungeonFolder, const Dungeon::DescriptionRead &description, VaultWriter *vault)
{
    if (description.ok() && description.description.hasOwnMap()) {
        const QString source = Dungeon::mapPath(dungeonFolder, description.description);
        const QString name = QStringLiteral("dungeon-map.") + QFileInfo(source).suffix().toLower();
        QFile file(source);
        if (file.open(QIODevice::ReadOnly)) {
            vault->write(name, file.readAll());
            return name;
        }
    }
    vault->writePicture(QStringLiteral("dungeon-map.png"), dungeonMapPicture());
    return QStringLiteral("dungeon-map.png");
}

} // namespace

Written exportVault(const QString &programFolder, int dungeonNumber, const QString &vaultFolder)
{
    Written written;
    if (!QDir().mkpath(vaultFolder)) {
        written.error = tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(vaultFolder));
        return written;
    }
    const QString dungeonFolder = Storage::dungeonFolder(programFolder, qint16(dungeonNumber));
    const Dungeon::DescriptionRead description = Dungeon::readDungeonDescription(dungeonFolder);
    const QString title = description.description.title.isEmpty() ? tr("Dungeon %1").arg(dungeonNumber)
                                                                   : description.description.title;
    VaultWriter vault(vaultFolder);

    QList<Encounter> encounters;
    for (int number = 1; number <= EncounterShape::EncounterCount; ++number) {
        const Storage::SavedEncounter saved = Storage::readEncounter(
                Storage::encounterFiles(programFolder, qint16(dungeonNumber), QString::number(number)),
                Storage::ReadMode::LookOnly);
        QTextDocument document;
        Rtf::read(saved.details, &document);
        if (!holdsSomething(saved.cells, document))
            continue;
        const QString fallback = tr("Encounter %1").arg(number);
        const QString name = QStringLiteral("%1 %2").arg(twoDigits(number),
                                                         MarkdownText::noteName(firstLine(document), fallback));
        encounters.append({number, saved.cells, saved.details, name});
        vault.write(name + QStringLiteral(".md"), encounterNote(encounters.last(), title, &vault).toUtf8());
    }

    QString index = QStringLiteral("---\ndungeon: %1\n---\n\n# %2\n\n![%3](%4)\n\n")
                            .arg(yamlString(title), tableCell(title), tr("Map"), writeMap(dungeonFolder, description, &vault));
    for (const Encounter &encounter : std::as_const(encounters))
        index += QStringLiteral("- [[%1]]\n").arg(encounter.noteName);
    QString indexName = MarkdownText::noteName(title, tr("Dungeon %1").arg(dungeonNumber));
    // An encounter's note keeps its name; the index steps aside.
    for (const Encounter &encounter : std::as_const(encounters)) {
        if (encounter.noteName.compare(indexName, Qt::CaseInsensitive) == 0)
            indexName += QStringLiteral(" (index)");
    }
    vault.write(indexName + QStringLiteral(".md"), index.toUtf8());

    written.indexNote = indexName + QStringLiteral(".md");
    written.encounterNotes = int(encounters.size());
    written.error = vault.error();
    return written;
}

} // namespace MarkdownVault
