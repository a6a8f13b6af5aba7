#pragma once

#include <QValidator>

// Keeps only text that the encounter table file can store as it is, so a
// monster cell never shows what would not be read back; characters left out
// are named in a tool tip at the cell.
class CellTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
