// libFuzzer target: Rtf::read must return, without crashing, hanging or
// growing without bound, whatever the bytes.
#include "rtf/rtf.h"

#include <QImageReader>
#include <QLoggingCategory>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool initialized = [] {
        // Malformed input is the point here; its warnings would only drown
        // the fuzzer's own output.
        QLoggingCategory::setFilterRules(QStringLiteral("dungeon.rtf.warning=false\n"
                                                        "qt.gui.imageio.warning=false\n"
                                                        "qt.gui.imageio.jpeg.warning=false"));
        // Pictures with huge declared dimensions are legal; keep decoding them cheap.
        QImageReader::setAllocationLimit(16);
        return true;
    }();
    Q_UNUSED(initialized);

    QTextDocument document;
    Rtf::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &document);
    return 0;
}
