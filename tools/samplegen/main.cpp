// samplegen: stores the sample adventure in the program's own file format.
//
//   samplegen <sources folder> <dungeon folder>
//
// reads cells.txt and N.html from the sources folder (see sampleadventure.h)
// and writes N.Encounter, N.EncounterN and dungeon.json (the built-in map's
// rooms) into the dungeon folder.

#include "sampleadventure.h"
#include "tools/support/toolsupport.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Documents need a GUI application for their fonts, but nothing is shown.
    ToolSupport::prepareHeadlessRun();
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return ToolSupport::usage("samplegen <sources folder> <dungeon folder>");
    const SampleAdventure::StoredFiles stored = SampleAdventure::generate(arguments[1]);
    if (!stored.error.isEmpty())
        return ToolSupport::fail(stored.error);
    const QDir dungeon(arguments[2]);
    if (!dungeon.mkpath(QStringLiteral(".")))
        return ToolSupport::fail(QStringLiteral("cannot create %1").arg(arguments[2]));
    for (const SampleAdventure::StoredFile &file : stored.files) {
        if (!ToolSupport::writeFile(dungeon.filePath(file.name), file.bytes))
            return 1;
    }
    return 0;
}
