#include "filetesting.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

QByteArray content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void copyFiles(const QString &from, const QString &to)
{
    QVERIFY(QDir().mkpath(to));
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QVERIFY(QFile::copy(from + u'/' + name, to + u'/' + name));
}

QStringList list(const Storage::Cells &cells)
{
    return QStringList(cells.begin(), cells.end());
}

void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#ifdef Q_OS_UNIX
FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
        return;
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_restore = true;
    rlimit small = m_saved;
    small.rlim_cur = rlim_t(bytes);
    m_set = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!m_restore)
        return;
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
#endif
