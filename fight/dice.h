#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QRandomGenerator;

// Standard dice notation: [count]d<sides>[kh<keep>][+|-<modifier>], e.g.
// "d20", "3d6+2", "2d8-1", "4d6kh3" (the three highest of four), "d%" (d100).
namespace Dice {

struct Expression
{
    int count = 1;
    int sides = 20;
    int keepHighest = 0; // 0 keeps every die
    int modifier = 0;
};

// A parsed expression, or the reason the text is not one.
struct Parsed
{
    Expression expression;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

struct Roll
{
    QString notation;     // as written, trimmed
    QList<int> dice;      // every die, in the order rolled
    QList<bool> kept;     // per die: whether it counts
    int modifier = 0;
    int total = 0;

    // "4d6kh3: 5, 3, (1), 6 = 14": dropped dice in parentheses.
    QString text() const;
};

Parsed parse(QStringView text);
Roll roll(const QString &notation, const Expression &expression, QRandomGenerator &generator);

// Every whole-expression match of dice notation within text, e.g. "4d8+4"
// inside "22 (4d8+4)", is a span the hit point rule skips.
QString withoutDice(const QString &text);

} // namespace Dice
