#pragma once

#include <QStringList>
#include <QValidator>

class QLineEdit;

// Keeps only text that the encounter table file can store as it is, so a
// monster cell never shows what would not be read back; characters left out
// are named in a tool tip at the cell. Stops typing and pasting at 100
// characters. A longer stored text (a record holds 126 bytes) stays whole
// and may be shortened, but never made longer again, except by Undo back to
// a text the cell has shown.
class CellTextValidator : public QValidator
{
    Q_OBJECT

public:
    static constexpr int TypingLimit = 100;

    // Installed once the cell shows its stored text: QLineEdit validates
    // what the program sets as well, and a stored text refused there would
    // leave the next edit unchecked.
    explicit CellTextValidator(QLineEdit *cell);

    State validate(QString &input, int &position) const override;

private:
    void shown(const QString &text);
    bool growsPastLimit(const QString &text) const;

    qsizetype m_shownLength = 0;
    QStringList m_longTextsShown;
};
