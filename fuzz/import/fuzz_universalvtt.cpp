// Any bytes as a Universal VTT file: refused with a reason, or read within
// its limits; the rooms found from what is read lie on the map, at most
// forty, each of at most MaxRoomCorners corners with its spot on the map.
#include "import/roomfinder.h"
#include "import/universalvtt.h"

#include <QRectF>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Import;
    const UniversalVttRead read = parseUniversalVtt(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.ok() == !read.error.isEmpty())
        std::abort();
    if (!read.ok())
        return 0;
    const UniversalVtt &map = read.map;
    qsizetype points = map.portals.size() * 2;
    for (const QPolygonF &wall : map.walls)
        points += wall.size();
    if (points > MaxWallPoints || map.pixelsPerGrid < 1 || map.image.isEmpty())
        std::abort();

    // A small picture keeps each run quick; the raster is bounded all the same.
    const QSize picture(std::clamp(int(map.mapSize.width() * map.pixelsPerGrid), 1, 512),
                        std::clamp(int(map.mapSize.height() * map.pixelsPerGrid), 1, 512));
    const QPointF scale(picture.width() / map.mapSize.width(), picture.height() / map.mapSize.height());
    QList<QLineF> barriers;
    for (const QPolygonF &wall : map.walls) {
        for (qsizetype i = 1; i < wall.size(); ++i)
            barriers << QLineF(wall[i - 1].x() * scale.x(), wall[i - 1].y() * scale.y(), wall[i].x() * scale.x(),
                               wall[i].y() * scale.y());
    }
    const FoundRooms found = findRooms(picture, (scale.x() + scale.y()) / 2, barriers, 40);
    const QRectF onMap = QRectF(QPointF(), QSizeF(picture));
    if (found.rooms.size() > 40 || found.leftOut < 0)
        std::abort();
    for (const FoundRoom &room : found.rooms) {
        if (room.outline.size() < 3 || room.outline.size() > MaxRoomCorners || !onMap.contains(room.spot))
            std::abort();
        for (QPointF corner : room.outline) {
            if (!onMap.contains(corner))
                std::abort();
        }
    }
    return 0;
}
