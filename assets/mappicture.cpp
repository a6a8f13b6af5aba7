#include "mappicture.h"

#include "rawpicture.h"

#include <QResource>
#include <QtEndian>

QImage dungeonMapPicture()
{
    const QResource resource(QStringLiteral(":/map.pixels"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto *bytes = resource.data();
    const qint64 size = resource.size();
    if (size < RawPicture::HeaderSize
        || QByteArrayView(bytes, RawPicture::Magic.size()) != RawPicture::Magic)
        return {};
    const auto field = [bytes](int index) {
        return qFromLittleEndian<quint32>(bytes + RawPicture::Magic.size() + 4 * index);
    };
    const int width = int(field(0)), height = int(field(1)), colourCount = int(field(2));
    if (width <= 0 || height <= 0 || colourCount <= 0 || colourCount > 256
        || size != RawPicture::HeaderSize + 4 * qint64(colourCount) + qint64(width) * height)
        return {};

    QList<QRgb> colours(colourCount);
    const uchar *palette = bytes + RawPicture::HeaderSize;
    for (int i = 0; i < colourCount; ++i)
        colours[i] = qFromLittleEndian<quint32>(palette + 4 * i);
    QImage picture(palette + 4 * colourCount, width, height, width, QImage::Format_Indexed8);
    picture.setColorTable(colours);
    return picture;
}
