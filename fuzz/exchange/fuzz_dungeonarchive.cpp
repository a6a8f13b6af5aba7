// Any bytes as a dungeon file: either refused with a reason, or unpacked
// into nothing but plain files a dungeon has, within the limits.
#include "exchange/dungeonarchive.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch;
    const QString folder = scratch.path() + QStringLiteral("/unpacked");
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        std::abort();

    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const QString refusal = Exchange::unpackArchive(input, folder);
    if (!refusal.isEmpty())
        return 0;

    const QFileInfoList files = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
    qint64 total = 0;
    for (const QFileInfo &file : files) {
        if (file.isSymLink() || !file.isFile() || file.fileName().startsWith(u'.'))
            std::abort();
        total += file.size();
    }
    if (files.size() > Exchange::MaxEntries || total > Exchange::MaxUnpackedBytes)
        std::abort();
    // Nothing outside the folder: the scratch folder holds it alone.
    if (QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
        != QStringList{QStringLiteral("unpacked")})
        std::abort();
    return 0;
}
