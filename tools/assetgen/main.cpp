// assetgen: draws the pictures Dungeon Board compiles in.
//
//   assetgen <assets folder>
//
// writes map.gif, map.pixels (the same map uncompressed) and
// faces/<name>.png and faces/<name>@2x.png there. The
// output depends on nothing but this program (and, for the faces' words, the
// DejaVu Sans Bold font file), so running it again gives the same bytes.

#include "buttonfaces.h"
#include "dungeonmap.h"
#include "gifwriter.h"
#include "rawpicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

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

// The layout of rawpicture.h, for an indexed image.
QByteArray encodeRawPicture(const QImage &indexed)
{
    QByteArray bytes(RawPicture::Magic.data(), RawPicture::Magic.size());
    const auto append = [&bytes](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
    };
    append(quint32(indexed.width()));
    append(quint32(indexed.height()));
    append(quint32(indexed.colorCount()));
    for (QRgb colour : indexed.colorTable())
        append(colour);
    for (int y = 0; y < indexed.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), indexed.width());
    return bytes;
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
    if (!assets.mkpath("faces")) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(assets.filePath("faces")));
        return 1;
    }

    const QImage map = drawDungeonMap();
    bool ok = writeFile(assets.filePath("map.gif"), encodeGif(map));
    ok = writeFile(assets.filePath("map.pixels"), encodeRawPicture(map)) && ok;
    for (ButtonFace face : AllButtonFaces) {
        const QString name = assets.filePath("faces/" + buttonFaceName(face));
        ok = writePng(name + ".png", drawButtonFace(face, 1)) && ok;
        ok = writePng(name + "@2x.png", drawButtonFace(face, 2)) && ok;
    }
    return ok ? 0 : 1;
}
