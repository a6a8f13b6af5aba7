#pragma once

#include <QValidator>

// Accepts only text that the encounter table file can store as it is, so a
// monster cell never shows what would not be read back.
class CellTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
