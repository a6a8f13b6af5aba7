#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reading a dungeon's own map picture safely: a picture larger than
// MaxMapSide on a side, an empty file, or one whose header promises more than
// its data holds is refused with a reason instead of being decoded.
namespace Dungeon {

constexpr int MaxMapSide = 8192;

struct MapPicture
{
    QImage image;   // null when the picture was refused
    QSize fullSize; // the picture's own size, from its header
    QString error;  // the reason it was refused

    bool ok() const { return error.isEmpty(); }
};

// Caps what any image reader of the process may allocate at what the largest
// allowed picture needs; called once at start-up.
void limitPictureAllocation();

// The size the picture's header gives, checked against MaxMapSide; an
// invalid size and the reason when it cannot be read or is too large.
QSize mapPictureSize(const QString &path, QString *error);

// Decodes the picture; with `fitInto` given, at most that size (aspect kept),
// which lets JPEG decode a fraction of its pixels.
MapPicture readMapPicture(const QString &path, QSize fitInto = {});

} // namespace Dungeon
