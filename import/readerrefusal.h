#pragma once

#include <QCoreApplication>
#include <QString>

// What the map file readers share: their texts' translation context, and the
// refusal a reader throws from deep in a file to say why it cannot be used.
namespace Import::Reading {

inline QString tr(const char *text)
{
    return QCoreApplication::translate("Import", text);
}

struct Refusal
{
    QString reason;
};

} // namespace Import::Reading
