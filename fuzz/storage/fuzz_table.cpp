// Takes any bytes as a table file: reading never fails or reads past a
// record, and writing the cells back over those bytes reads the same again.
#include "storage/filesteps.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Storage;
    const QByteArrayView file(data, qsizetype(size));

    const Cells cells = decodeTable(file);
    for (const QString &cell : cells) {
        if (cell.size() > EncounterShape::MaxCellBytes || cell.startsWith(u' ') || cell.endsWith(u' '))
            std::abort();
    }

    const QByteArray rewritten = encodeTable(cells, file);
    if (rewritten.size() != std::max(file.size(), TableSize))
        std::abort();
    if (file.size() > TableSize && rewritten.sliced(TableSize) != file.sliced(TableSize))
        std::abort();
    if (decodeTable(rewritten) != cells)
        std::abort();
    return 0;
}
