#pragma once

#include <QByteArray>
#include <QString>

// The tools lay out text and draw, which needs a GUI application, but they
// show nothing and run where there is no screen (a build machine, CI).
namespace ToolSupport {

// Chooses Qt's offscreen platform unless the caller chose one, and a runtime
// directory where there is no session. Call it before the application is made.
void prepareHeadlessRun();

// Prints "usage: <synopsis>" on stderr; returns 2, the exit code for a wrong call.
int usage(const char *synopsis);

// Prints "<tool>: <message>" on stderr; returns 1, the exit code for a failure.
int fail(const QString &message);

// Replaces the file at path with bytes, whole or not at all; says on stderr
// when it cannot.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace ToolSupport
