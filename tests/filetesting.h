#pragma once

// Whole files read and written by tests.

#include <QByteArray>
#include <QFile>
#include <QTest>

// The bytes of a file, or a marker that no file of the tests holds when it
// cannot be read.
inline QByteArray content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
