#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

class QRandomGenerator;

// Standard dice notation: a sum of dice and numbers, the first a die, e.g.
// "d20", "3d6+2", "2d4+1d6", "1d8+2d6-1", "d%" (d100). A die term may keep
// or drop some of its dice: "4d6kh3" and "4d6dl1" keep the three highest of
// four, "4d6kl1" keeps the lowest, "4d6dh1" drops the highest.
namespace Dice {

struct Term
{
    int sign = 1; // -1: subtracted
    int count = 1;
    int sides = 20;
    int kept = 0; // of count; 0 keeps every die
    bool keepLowest = false;
};

struct Expression
{
    QList<Term> terms;
    int modifier = 0; // the numbers, summed

    // What the expression can total, from every die at 1 to every die at its highest.
    int lowest() const;
    int highest() const;
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
    QList<int> termSizes; // how many of the dice each term rolled
    QList<int> signs;     // per term
    int modifier = 0;
    int total = 0;

    // "4d6kh3: 5, 3, (1), 6 = 14", "2d4+1d6: 3, 1 + 5 = 9": dropped dice in parentheses.
    QString text() const;
};

// A die with the given number of sides: returns 1 to sides.
using Die = std::function<int(int sides)>;

Parsed parse(QStringView text);
Roll roll(const QString &notation, const Expression &expression, QRandomGenerator &generator);
Roll roll(const QString &notation, const Expression &expression, const Die &die);

// Every whole-expression match of dice notation within text, e.g. "4d8+4"
// inside "22 (4d8+4)", is a span the hit point rule skips.
QString withoutDice(const QString &text);

} // namespace Dice
