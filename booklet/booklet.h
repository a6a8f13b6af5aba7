#pragma once

#include "storage/encounterfiles.h"

#include <QString>

#include <memory>

class QLocale;
class QPageSize;
class QPagedPaintDevice;
class QTextDocument;

// The dungeon for the table: a title page with the map, then a section per
// encounter (its heading, the monster rows that hold something and the
// details). Building a booklet only reads the dungeon: no file or folder is
// created or changed.
namespace Booklet {

// The title the booklet opens with.
QString dungeonTitle(qint16 dungeonNumber);

// The heading of an encounter's section, "Encounter 12".
QString encounterHeading(const QString &numberText);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize pageSizeFor(const QLocale &locale);

// The whole dungeon: the title page, then every encounter that has details or
// a monster in its table, in number order.
std::unique_ptr<QTextDocument> dungeonBooklet(const QString &programFolder, qint16 dungeonNumber);

// The section of one encounter, as the whole booklet holds it, even when the
// encounter holds nothing yet.
std::unique_ptr<QTextDocument> encounterBooklet(const QString &programFolder, qint16 dungeonNumber,
                                                const QString &numberText);

// Lays the booklet out in the device's pages, moves any heading that would
// end a page onto the next one, and paints every page with its number at the
// foot. False when the device cannot be painted on.
bool print(QTextDocument *booklet, QPagedPaintDevice *device);

// Writes the whole dungeon as a PDF of the given page size. The file at
// pdfPath is replaced only by a complete PDF: a failure leaves an older file
// whole and names the path and the reason.
Storage::WriteResult exportPdf(const QString &programFolder, qint16 dungeonNumber,
                               const QString &pdfPath, const QPageSize &pageSize);

} // namespace Booklet
