#include "commandline.h"

#include "datafolder.h"

#include "booklet/booklet.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "import/mapimport.h"
#include "storage/encounterfiles.h"
#include "exchange/dungeonarchive.h"
#include "markdown/markdownvault.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>

#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

constexpr int UsageError = 2;

void printLine(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stream);
}

// The usage names the program as it was started, which the parser takes from
// the application object.
void printUsage(FILE *stream, const QCommandLineParser &parser, int &argc, char **argv)
{
    QCoreApplication application(argc, argv);
    std::fputs(qPrintable(parser.helpText()), stream);
}

// Runs an export without a display: without a platform of the user's
// choice it draws off screen, so it runs where no desktop is. The export
// gives its error, empty on success; a failed export says one line on
// stderr and nothing else.
int exportHeadless(int &argc, char **argv, const std::function<QString()> &run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns on stderr when it has to pick this folder itself.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray::number(geteuid()));
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Dungeon Board"));
    DataFolder::settle();
    if (const QString error = run(); !error.isEmpty()) {
        printLine(stderr, error);
        return 1;
    }
    return 0;
}

int exportUniversalVtt(int &argc, char **argv, const QString &path, int dungeonNumber)
{
    return exportHeadless(argc, argv, [&] {
        Dungeon::limitPictureAllocation();
        return Import::exportUniversalVtt(Storage::programFolder(), dungeonNumber, path);
    });
}

int exportPdf(int &argc, char **argv, const QString &pdfPath, int dungeonNumber)
{
    return exportHeadless(argc, argv, [&] {
        const Storage::WriteResult result = Booklet::exportPdf(
                Storage::programFolder(), qint16(dungeonNumber), pdfPath, Booklet::pageSizeFor(QLocale()));
        return result.message();
    });
}

// The dungeon's folder, or why there is none to export.
QString existingDungeonFolder(int dungeonNumber, QString *error)
{
    const QString folder = Storage::dungeonFolder(Storage::programFolder(), qint16(dungeonNumber));
    if (!QFileInfo(folder).isDir())
        *error = QStringLiteral("There is no dungeon %1: %2 is missing.").arg(QString::number(dungeonNumber), QDir::toNativeSeparators(folder));
    return folder;
}

int exportDungeon(int &argc, char **argv, const QString &archivePath, int dungeonNumber)
{
    return exportHeadless(argc, argv, [&] {
        QString error;
        const QString folder = existingDungeonFolder(dungeonNumber, &error);
        return error.isEmpty() ? Exchange::exportDungeon(folder, archivePath, {}) : error;
    });
}

int exportMarkdown(int &argc, char **argv, const QString &vaultFolder, int dungeonNumber)
{
    return exportHeadless(argc, argv, [&] {
        QString error;
        existingDungeonFolder(dungeonNumber, &error);
        return error.isEmpty() ? MarkdownVault::exportVault(Storage::programFolder(), dungeonNumber, vaultFolder).error
                               : error;
    });
}

int printDungeonsFolder(int &argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
    printLine(stdout, QDir::toNativeSeparators(
            DataFolder::chosen(programFolder, DataFolder::userFolder()) + QStringLiteral("/Dungeons")));
    return 0;
}

} // namespace

CommandLine runCommandLine(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "The dungeon board: the map, its forty encounters and the encounter editor.\n\n"
            "The dungeons are kept in a Dungeons folder beside the program when there is\n"
            "one (a portable copy), otherwise in ~/.local/share/dungeon-board/Dungeons,\n"
            "which gets the sample adventure on the first start."));
    // Qt's own help option would also offer --help-all, which lists the
    // toolkit's options; the program takes none of them.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export-pdf"),
            QStringLiteral("Writes the dungeon as a PDF booklet to <file> and exits."), QStringLiteral("file"));
    parser.addOption(exportOption);
    const QCommandLineOption exportVttOption(QStringLiteral("export-uvtt"),
            QStringLiteral("Writes the dungeon as a Universal VTT map file to <file> and exits."),
            QStringLiteral("file"));
    parser.addOption(exportVttOption);
    const QCommandLineOption importOption(QStringLiteral("import"),
            QStringLiteral("Makes a new dungeon from the map file <file>, a Universal VTT file (.dd2vtt, "
                           ".df2vtt, .uvtt) or a one-page dungeon (.json), and opens it to place its spots."),
            QStringLiteral("file"));
    parser.addOption(importOption);
    const QCommandLineOption exportDungeonOption(QStringLiteral("export-dungeon"),
            QStringLiteral("Writes the dungeon as one file to <file>, a .dungeon file to send or carry, and exits."),
            QStringLiteral("file"));
    parser.addOption(exportDungeonOption);
    const QCommandLineOption exportMarkdownOption(QStringLiteral("export-markdown"),
            QStringLiteral("Writes the dungeon as Markdown notes into <folder>, which note apps open as a "
                           "vault, and exits."),
            QStringLiteral("folder"));
    parser.addOption(exportMarkdownOption);
    const QCommandLineOption dungeonsFolderOption(QStringLiteral("dungeons-folder"),
            QStringLiteral("Prints the Dungeons folder in use and exits."));
    parser.addOption(dungeonsFolderOption);
    const QCommandLineOption dungeonOption(QStringLiteral("dungeon"),
            QStringLiteral("Opens dungeon <number> (1 to %1, the folder Dungeons/Dungeon<number>) "
                           "instead of dungeon 1; with an --export option, exports it.").arg(Dungeon::MaxDungeonNumber),
            QStringLiteral("number"), QStringLiteral("1"));
    parser.addOption(dungeonOption);
    const QCommandLineOption playerViewOption(QStringLiteral("player-view"),
            QStringLiteral("Opens the players' view beside the board, as F5 does."));
    parser.addOption(playerViewOption);
    const QCommandLineOption resumeOption(QStringLiteral("resume"),
            QStringLiteral("Opens where you left off: the dungeon, the names, the notes, the markers "
                           "and the Combat window, as Ctrl+Shift+R does."));
    parser.addOption(resumeOption);
    parser.addPositionalArgument(QStringLiteral("file.dungeon"),
            QStringLiteral("Imports a dungeon written by --export-dungeon or \"Export dungeon\" as a new "
                           "dungeon and opens it."),
            QStringLiteral("[file.dungeon]"));

    const auto usageError = [&](const QString &error) {
        printLine(stderr, error);
        printUsage(stderr, parser, argc, argv);
        CommandLine inError;
        inError.exitCode = UsageError;
        return inError;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.positionalArguments().size() > 1)
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constLast()));
    CommandLine commandLine;
    bool isNumber = false;
    commandLine.dungeonNumber = parser.value(dungeonOption).toInt(&isNumber);
    if (!isNumber || commandLine.dungeonNumber < 1 || commandLine.dungeonNumber > Dungeon::MaxDungeonNumber) {
        return usageError(QStringLiteral("The dungeon number '%1' is not a number from 1 to %2.")
                                  .arg(parser.value(dungeonOption), QString::number(Dungeon::MaxDungeonNumber)));
    }

    if (parser.isSet(helpOption)) {
        printUsage(stdout, parser, argc, argv);
        commandLine.exitCode = 0;
    } else if (parser.isSet(versionOption)) {
        printLine(stdout, QStringLiteral("dungeon-board " DUNGEON_BOARD_VERSION));
        commandLine.exitCode = 0;
    } else if (parser.isSet(dungeonsFolderOption)) {
        commandLine.exitCode = printDungeonsFolder(argc, argv);
    } else if (parser.isSet(exportOption)) {
        commandLine.exitCode = exportPdf(argc, argv, parser.value(exportOption), commandLine.dungeonNumber);
    } else if (parser.isSet(exportVttOption)) {
        commandLine.exitCode = exportUniversalVtt(argc, argv, parser.value(exportVttOption), commandLine.dungeonNumber);
    } else if (parser.isSet(exportDungeonOption)) {
        commandLine.exitCode = exportDungeon(argc, argv, parser.value(exportDungeonOption), commandLine.dungeonNumber);
    } else if (parser.isSet(exportMarkdownOption)) {
        commandLine.exitCode = exportMarkdown(argc, argv, parser.value(exportMarkdownOption), commandLine.dungeonNumber);
    }
    commandLine.importFile = parser.value(importOption);
    if (!parser.positionalArguments().isEmpty())
        commandLine.archiveToImport = parser.positionalArguments().constFirst();
    commandLine.playerView = parser.isSet(playerViewOption);
    commandLine.resume = parser.isSet(resumeOption);
    return commandLine;
}
