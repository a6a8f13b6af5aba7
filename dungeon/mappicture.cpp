#include "mappicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <array>

namespace Dungeon {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Dungeon", text);
}

QString tooLarge(const QString &name, QSize size)
{
    return tr("the map picture %1 is %2 x %3 pixels, more than %4 x %4")
            .arg(name, QString::number(size.width()), QString::number(size.height()),
                 QString::number(MaxMapSide));
}

// A GIF decodes to its whole canvas, which the reader's size() does not
// give when the first frame is smaller: the canvas is read from the header.
QSize gifCanvasSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::array<char, 10> header;
    if (file.read(header.data(), header.size()) != qint64(header.size()))
        return {};
    const QByteArrayView signature(header.data(), 6);
    if (signature != "GIF87a" && signature != "GIF89a")
        return {};
    return {qFromLittleEndian<quint16>(header.data() + 6), qFromLittleEndian<quint16>(header.data() + 8)};
}

} // namespace

void limitPictureAllocation()
{
    // Four bytes a pixel of the largest allowed picture, in megabytes.
    QImageReader::setAllocationLimit(MaxMapSide / 1024 * MaxMapSide / 1024 * 4);
}

QSize mapPictureSize(const QString &path, QString *error)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        *error = tr("the map picture %1 is missing").arg(file.fileName());
        return {};
    }
    if (file.size() == 0) {
        *error = tr("the map picture %1 is empty").arg(file.fileName());
        return {};
    }
    QImageReader reader(path);
    const QSize size = reader.size().expandedTo(gifCanvasSize(path));
    if (!size.isValid() || size.isEmpty()) {
        *error = tr("the map picture %1 cannot be read: %2").arg(file.fileName(), reader.errorString());
        return {};
    }
    if (size.width() > MaxMapSide || size.height() > MaxMapSide) {
        *error = tooLarge(file.fileName(), size);
        return {};
    }
    return size;
}

MapPicture readMapPicture(const QString &path, QSize fitInto)
{
    MapPicture picture;
    picture.fullSize = mapPictureSize(path, &picture.error);
    if (!picture.ok())
        return picture;

    QImageReader reader(path);
    if (fitInto.isValid() && (picture.fullSize.width() > fitInto.width()
                              || picture.fullSize.height() > fitInto.height()))
        reader.setScaledSize(picture.fullSize.scaled(fitInto, Qt::KeepAspectRatio));
    picture.image = reader.read();
    // What was decoded is checked too: a header may understate it.
    const QSize decoded = picture.image.size();
    if (!picture.image.isNull()
        && (decoded.width() > MaxMapSide || decoded.height() > MaxMapSide
            || (!reader.scaledSize().isValid() && decoded != picture.fullSize))) {
        picture.image = {};
        picture.error = decoded.width() > MaxMapSide || decoded.height() > MaxMapSide
                ? tooLarge(QFileInfo(path).fileName(), decoded)
                : tr("the map picture %1 decodes to %2 x %3 pixels, not the %4 x %5 its header gives")
                          .arg(QFileInfo(path).fileName(), QString::number(decoded.width()),
                               QString::number(decoded.height()), QString::number(picture.fullSize.width()),
                               QString::number(picture.fullSize.height()));
    } else if (picture.image.isNull()) {
        picture.error = tr("the map picture %1 cannot be read: %2")
                            .arg(QFileInfo(path).fileName(), reader.errorString());
    }
    return picture;
}

} // namespace Dungeon
