// assetgen: draws the pictures Dungeon Board compiles in.
//
//   assetgen <assets folder>
//
// writes map.gif and faces/<name>.png and faces/<name>@2x.png there, each
// also uncompressed as <name>.pixels for the windows to show, and the
// application icon icon/dungeon-board.png (256 pixels) and
// icon/dungeon-board.svg. The
// output depends on nothing but this program (and, for the faces' words, the
// DejaVu Sans Bold font file), so running it again gives the same bytes.

#include "appicon.h"
#include "buttonfaces.h"
#include "dungeonmap.h"
#include "gifwriter.h"
#include "assets/rawpicture.h"
#include "tools/support/toolsupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

namespace {

using ToolSupport::writeFile;

bool writePng(const QString &path, const QImage &image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        ToolSupport::fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

// The layout of rawpicture.h: an indexed image keeps its colours, any other
// is stored as red, green, blue and a spare byte a pixel.
QByteArray encodeRawPicture(const QImage &image)
{
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const QImage pixels = indexed ? image : image.convertToFormat(QImage::Format_RGBX8888);
    QByteArray bytes(RawPicture::Magic.data(), RawPicture::Magic.size());
    const auto append = [&bytes](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
    };
    append(quint32(pixels.width()));
    append(quint32(pixels.height()));
    append(quint32(pixels.colorCount()));
    for (QRgb colour : pixels.colorTable())
        append(colour);
    const int rowBytes = pixels.width() * (indexed ? 1 : 4);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    return bytes;
}

// A picture as a PNG and uncompressed beside it: `path` lacks the suffix.
bool writePngAndRaw(const QString &path, const QImage &image)
{
    const bool png = writePng(path + ".png", image);
    return writeFile(path + ".pixels", encodeRawPicture(image)) && png;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application, but nothing here is ever shown.
    ToolSupport::prepareHeadlessRun();
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return ToolSupport::usage("assetgen <assets folder>");
    const QDir assets(arguments[1]);
    for (const QString folder : {"faces", "icon"}) {
        if (!assets.mkpath(folder))
            return ToolSupport::fail(QStringLiteral("cannot create %1").arg(assets.filePath(folder)));
    }

    const QImage map = drawDungeonMap();
    bool ok = writeFile(assets.filePath("map.gif"), encodeGif(map));
    ok = writeFile(assets.filePath("map.pixels"), encodeRawPicture(map)) && ok;
    for (ButtonFace face : AllButtonFaces) {
        const QString name = assets.filePath("faces/" + buttonFaceName(face));
        ok = writePngAndRaw(name, drawButtonFace(face, 1)) && ok;
        ok = writePngAndRaw(name + "@2x", drawButtonFace(face, 2)) && ok;
    }
    ok = writePng(assets.filePath("icon/dungeon-board.png"), drawAppIcon(256)) && ok;
    ok = writeFile(assets.filePath("icon/dungeon-board.svg"), appIconSvg()) && ok;
    return ok ? 0 : 1;
}
