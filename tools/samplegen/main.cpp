// samplegen: stores the sample adventure in the program's own file format.
//
//   samplegen <sources folder> <dungeon folder>
//
// reads cells.txt and N.html from the sources folder (see sampleadventure.h)
// and writes N.Encounter, N.EncounterN and dungeon.json (the built-in map's
// rooms) into the dungeon folder.

#include "sampleadventure.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Documents need a GUI application for their fonts, but nothing is shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: samplegen <sources folder> <dungeon folder>\n");
        return 2;
    }
    const SampleAdventure::StoredFiles stored = SampleAdventure::generate(arguments[1]);
    if (!stored.error.isEmpty()) {
        std::fprintf(stderr, "samplegen: %s\n", qPrintable(stored.error));
        return 1;
    }
    const QDir dungeon(arguments[2]);
    if (!dungeon.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "samplegen: cannot create %s\n", qPrintable(arguments[2]));
        return 1;
    }
    for (const SampleAdventure::StoredFile &file : stored.files) {
        QSaveFile out(dungeon.filePath(file.name));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit()) {
            std::fprintf(stderr, "samplegen: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
