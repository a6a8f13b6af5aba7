#include "celltextvalidator.h"

#include "encounterfiles.h"

#include <QLineEdit>

CellTextValidator::CellTextValidator(QLineEdit *cell)
    : QValidator(cell)
{
    shown(cell->text());
    connect(cell, &QLineEdit::textChanged, this, &CellTextValidator::shown);
}

QValidator::State CellTextValidator::validate(QString &input, int &) const
{
    if (!Storage::isStorableCellText(input))
        return Invalid;
    const bool growsPastLimit = input.size() > TypingLimit && input.size() > m_shownLength
            && !m_longTextsShown.contains(input);
    return growsPastLimit ? Invalid : Acceptable;
}

void CellTextValidator::shown(const QString &text)
{
    m_shownLength = text.size();
    if (text.size() > TypingLimit && !m_longTextsShown.contains(text))
        m_longTextsShown += text;
}
