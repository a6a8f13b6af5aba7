#include "pictures.h"

#include "rawpicture.h"

#include <QResource>
#include <QtEndian>

namespace {

QImage rawPicture(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const uchar *bytes = resource.data();
    const qint64 size = resource.size();
    if (size < RawPicture::HeaderSize
        || QByteArrayView(bytes, RawPicture::Magic.size()) != RawPicture::Magic)
        return {};
    const auto field = [bytes](int index) {
        return qFromLittleEndian<quint32>(bytes + RawPicture::Magic.size() + 4 * index);
    };
    const int width = int(field(0)), height = int(field(1)), colourCount = int(field(2));
    const int bytesPerPixel = colourCount == 0 ? 4 : 1;
    if (width <= 0 || height <= 0 || colourCount > 256
        || size != RawPicture::HeaderSize + 4 * qint64(colourCount)
                       + qint64(width) * height * bytesPerPixel)
        return {};

    const uchar *pixels = bytes + RawPicture::HeaderSize + 4 * colourCount;
    if (colourCount == 0)
        return QImage(pixels, width, height, width * 4, QImage::Format_RGBX8888);
    QList<QRgb> colours(colourCount);
    for (int i = 0; i < colourCount; ++i)
        colours[i] = qFromLittleEndian<quint32>(bytes + RawPicture::HeaderSize + 4 * i);
    QImage picture(pixels, width, height, width, QImage::Format_Indexed8);
    picture.setColorTable(colours);
    return picture;
}

} // namespace

QImage dungeonMapPicture()
{
    return rawPicture(QStringLiteral(":/map.pixels"));
}

QImage playerMapPicture()
{
    QImage map = dungeonMapPicture();
    const QList<QRgb> colours = map.colorTable();
    const qsizetype ink = colours.indexOf(qRgb(255, 0, 0));
    if (ink >= 0)
        map.setColor(int(ink), qRgb(255, 255, 255));
    return map;
}

QImage buttonFacePicture(const char *face, int scale)
{
    QImage picture = rawPicture(QStringLiteral(":/faces/%1%2.pixels")
                                    .arg(QLatin1String(face),
                                         scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)));
    picture.setDevicePixelRatio(scale);
    return picture;
}
