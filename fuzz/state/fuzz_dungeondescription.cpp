// Any bytes as dungeon.json: a description that reads is written back to
// the same description, unknown keys and all.
#include "dungeon/dungeondescription.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Dungeon;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // A folder that does not exist: only the given picture size is used.
    const QString folder = QStringLiteral("/nonexistent/Dungeon1");
    const QSize mapSize(1000, 800);
    const DescriptionRead read = parseDungeonDescription(bytes, folder, mapSize);
    if (!read.ok())
        return 0;
    const DungeonDescription &first = read.description;
    for (auto spot = first.spots.begin(); spot != first.spots.end(); ++spot) {
        if (spot.key() < 1 || spot.key() > SpotCount || !QRectF(QPointF(), mapSize).contains(spot.value()))
            std::abort();
    }
    const DescriptionRead again = parseDungeonDescription(descriptionJson(first), folder, mapSize);
    if (!again.ok())
        std::abort();
    const DungeonDescription &second = again.description;
    if (second.title != first.title || second.mapFile != first.mapFile || second.spots != first.spots
        || second.rooms != first.rooms || second.areas != first.areas || second.otherKeys != first.otherKeys)
        std::abort();
    return 0;
}
