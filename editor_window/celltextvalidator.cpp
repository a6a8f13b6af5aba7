#include "celltextvalidator.h"

#include "storage/encounterfiles.h"

#include <QLineEdit>
#include <QToolTip>

CellTextValidator::CellTextValidator(QLineEdit *cell)
    : QValidator(cell)
{
    shown(cell->text());
    connect(cell, &QLineEdit::textChanged, this, &CellTextValidator::shown);
}

// What the file cannot store is left out, and the cell says so: a paste
// that silently did nothing would look like a broken clipboard.
QValidator::State CellTextValidator::validate(QString &input, int &position) const
{
    if (Storage::isStorableCellText(input))
        return growsPastLimit(input) ? Invalid : Acceptable;

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
    if (!Storage::isStorableCellText(kept) || growsPastLimit(kept))
        return Invalid;

    auto cell = static_cast<QLineEdit *>(parent());
    QToolTip::showText(cell->mapToGlobal(QPoint(0, cell->height())),
                       tr("Left out, the monster table cannot store: %1").arg(leftOut), cell);
    input = kept;
    position = keptPosition;
    return Acceptable;
}

bool CellTextValidator::growsPastLimit(const QString &text) const
{
    return text.size() > TypingLimit && text.size() > m_shownLength && !m_longTextsShown.contains(text);
}

void CellTextValidator::shown(const QString &text)
{
    m_shownLength = text.size();
    if (text.size() > TypingLimit && !m_longTextsShown.contains(text))
        m_longTextsShown += text;
}
