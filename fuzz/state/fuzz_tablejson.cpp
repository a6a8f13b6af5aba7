// Any bytes as table.json: what reads is a fog of spots 1 to 40 and areas
// (named by minus their numbers), in ascending order, and writing it back
// over the same bytes reads the same again.
#include "fog/tablefile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TableFile::ReadResult read = TableFile::parse(bytes);
    if (!read.ok()) {
        if (read.error.isEmpty())
            std::abort();
        return 0;
    }
    const FogState &fog = read.fog;
    for (qsizetype i = 0; i < fog.revealed.size(); ++i) {
        const int room = fog.revealed[i];
        if (room == 0 || room > 40 || room < FogState::area(FogState::MaxAreaNumber)
            || (i > 0 && room <= fog.revealed[i - 1]))
            std::abort();
    }
    if (fog.current != 0 && !fog.isRevealed(fog.current))
        std::abort();
    const TableFile::ReadResult again = TableFile::parse(TableFile::encode(fog, bytes));
    if (!again.ok() || again.fog != fog)
        std::abort();
    return 0;
}
