#pragma once

// Whole files read and written by tests, and the checks on a failed write.

#include "storage/filesteps.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

// The bytes of a file, or a marker that no file of the tests holds when it
// cannot be read.
QByteArray content(const QString &path);

// Writes the whole file; a failure fails the calling test.
void putFile(const QString &path, const QByteArray &bytes);

// Makes the folder `to` and copies the files of `from` into it, as a
// dungeon is copied.
void copyFiles(const QString &from, const QString &to);

// The cells as a list, so that a comparison names the first cell that differs.
QStringList list(const Storage::Cells &cells);

// A failed write must name the file and then give a reason.
void verifyFailure(const Storage::WriteResult &result, const QString &path);

#ifdef Q_OS_UNIX
// While it lives, no file of this process grows past `bytes`: a write beyond
// fails as on a full disk instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False when the system refused the limit.
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_restore = false;
    bool m_set = false;
};
#endif
