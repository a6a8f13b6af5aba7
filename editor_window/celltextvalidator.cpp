#include "celltextvalidator.h"

#include "encounterfiles.h"

QValidator::State CellTextValidator::validate(QString &input, int &) const
{
    return Storage::isStorableCellText(input) ? Acceptable : Invalid;
}
