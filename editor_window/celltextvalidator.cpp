#include "celltextvalidator.h"

#include "encounterfiles.h"

#include <QToolTip>
#include <QWidget>

// What the file cannot store is left out, and the cell says so: a paste
// that silently did nothing would look like a broken clipboard.
QValidator::State CellTextValidator::validate(QString &input, int &position) const
{
    if (Storage::isStorableCellText(input))
        return Acceptable;

    QString kept, leftOut;
    int keptPosition = position;
    for (qsizetype i = 0; i < input.size();) {
        const bool pair = input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
        const QStringView character = QStringView(input).sliced(i, pair ? 2 : 1);
        if (Storage::isStorableCellText(character)) {
            kept += character;
        } else {
            leftOut += character;
            if (i < position)
                keptPosition -= int(character.size());
        }
        i += character.size();
    }
    if (!Storage::isStorableCellText(kept))
        return Invalid;

    if (auto cell = qobject_cast<QWidget *>(parent()))
        QToolTip::showText(cell->mapToGlobal(QPoint(0, cell->height())),
                           tr("Left out, the monster table cannot store: %1").arg(leftOut), cell);
    input = kept;
    position = keptPosition;
    return Acceptable;
}
