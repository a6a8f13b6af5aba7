#include "mappicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace Dungeon {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Dungeon", text);
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
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        *error = tr("the map picture %1 cannot be read: %2").arg(file.fileName(), reader.errorString());
        return {};
    }
    if (size.width() > MaxMapSide || size.height() > MaxMapSide) {
        *error = tr("the map picture %1 is %2 x %3 pixels, more than %4 x %4")
                     .arg(file.fileName()).arg(size.width()).arg(size.height()).arg(MaxMapSide);
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
    if (picture.image.isNull()) {
        picture.error = tr("the map picture %1 cannot be read: %2")
                            .arg(QFileInfo(path).fileName(), reader.errorString());
    }
    return picture;
}

} // namespace Dungeon
