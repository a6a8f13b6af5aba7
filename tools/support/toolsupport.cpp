#include "toolsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

#include <pwd.h>
#include <unistd.h>

namespace ToolSupport {

// Qt looks into the session's runtime directory for a Wayland display even on
// the offscreen platform, and where there is no session it warns on stderr
// before falling back to a directory of its own: name that directory, which
// Qt then makes without a word.
void prepareHeadlessRun()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const passwd *user = getpwuid(geteuid());
        const QByteArray name = user ? QByteArray(user->pw_name) : QByteArray::number(geteuid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QDir::tempPath()) + "/runtime-" + name);
    }
}

int usage(const char *synopsis)
{
    std::fprintf(stderr, "usage: %s\n", synopsis);
    return 2;
}

int fail(const QString &message)
{
    // The application's name is the program's file name unless it set one.
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
    return 1;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

} // namespace ToolSupport
