// Any bytes as a dungeon's map picture: what is accepted is within the size
// limit and decodes to the size its header gave; the rest is refused with a
// reason.
#include "dungeon/mappicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Dungeon;
    static const QString path = [] {
        limitPictureAllocation();
        return QDir::tempPath() + QStringLiteral("/fuzz_map_picture-%1").arg(QCoreApplication::applicationPid());
    }();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    const MapPicture picture = readMapPicture(path);
    if (picture.ok() == picture.image.isNull() || (!picture.ok() && picture.error.isEmpty()))
        std::abort();
    if (picture.ok()
        && (picture.image.width() > MaxMapSide || picture.image.height() > MaxMapSide
            || picture.image.size() != picture.fullSize))
        std::abort();
    QFile::remove(path);
    return 0;
}
