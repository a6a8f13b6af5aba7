// assetgen: draws the pictures Dungeon Board compiles in.
//
//   assetgen <assets folder>
//
// writes map.gif, faces/<name>.png, faces/<name>@2x.png and the application
// icon icon/dungeon-board.png (256 pixels) and icon/dungeon-board.svg there. The
// output depends on nothing but this program (and, for the faces' words, the
// DejaVu Sans Bold font file), so running it again gives the same bytes.

#include "appicon.h"
#include "buttonfaces.h"
#include "dungeonmap.h"
#include "gifwriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application, but nothing here is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: assetgen <assets folder>\n");
        return 2;
    }
    const QDir assets(arguments[1]);
    for (const QString folder : {"faces", "icon"}) {
        if (!assets.mkpath(folder)) {
            std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(assets.filePath(folder)));
            return 1;
        }
    }

    bool ok = writeFile(assets.filePath("map.gif"), encodeGif(drawDungeonMap()));
    for (ButtonFace face : AllButtonFaces) {
        const QString name = assets.filePath("faces/" + buttonFaceName(face));
        ok = writePng(name + ".png", drawButtonFace(face, 1)) && ok;
        ok = writePng(name + "@2x.png", drawButtonFace(face, 2)) && ok;
    }
    ok = writePng(assets.filePath("icon/dungeon-board.png"), drawAppIcon(256)) && ok;
    ok = writeFile(assets.filePath("icon/dungeon-board.svg"), appIconSvg()) && ok;
    return ok ? 0 : 1;
}
