#include "dice.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace Dice {

namespace {

constexpr int MaxCount = 100; // of all the terms together
constexpr int MaxSides = 1000;
constexpr int MaxModifier = 10000;
// Longer numbers are refused before conversion can overflow.
constexpr qsizetype MaxDigits = 6;

QString tr(const char *text)
{
    return QCoreApplication::translate("Dice", text);
}

// A die term, then any number of die or number terms after a sign.
// Case-insensitive, spaces allowed around the signs: "3D6 + 2"; not inside a
// word, so the "d" of "bloodied" never starts one.
const QRegularExpression &notation()
{
    static const QString die = QStringLiteral(R"(\d*d(?:\d+|%)(?:[kd][hl]\d+)?)");
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<!\w)%1(?:\s*[+-]\s*(?:%1|\d+))*)").arg(die),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// One term of an expression already matched whole.
const QRegularExpression &term()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(([+-]?)\s*(?:(\d*)d(\d+|%)(?:([kd][hl])(\d+))?|(\d+)))"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString tooLarge(QStringView digits, const QString &reason)
{
    return tr("%1 is too large: %2").arg(digits.toString(), reason);
}

} // namespace

// --- Reading -----------------------------------------------------------------------

Parsed parse(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return {{}, tr("Type dice to roll, e.g. 3d6+2")};
    const QRegularExpressionMatch whole = notation().match(trimmed, 0, QRegularExpression::NormalMatch,
                                                           QRegularExpression::AnchorAtOffsetMatchOption);
    if (!whole.hasMatch() || whole.capturedLength() != trimmed.size())
        return {{}, tr("\"%1\" is not dice notation (e.g. d20, 3d6+2, 2d4+1d6, 4d6kh3, d%)").arg(trimmed)};

    Expression expression;
    int dice = 0;
    for (const QRegularExpressionMatch &match : term().globalMatch(trimmed)) {
        const int sign = match.capturedView(1) == u"-" ? -1 : 1;
        if (match.hasCaptured(6)) {
            const QStringView digits = match.capturedView(6);
            const int number = digits.size() > MaxDigits ? MaxModifier + 1 : digits.toInt();
            if (number > MaxModifier || std::abs(expression.modifier + sign * number) > MaxModifier)
                return {{}, tooLarge(digits, tr("the numbers add up to at most %1").arg(MaxModifier))};
            expression.modifier += sign * number;
            continue;
        }
        const QStringView countDigits = match.capturedView(2);
        const QStringView sidesDigits = match.capturedView(3);
        const QStringView keptDigits = match.capturedView(5);
        Term term;
        term.sign = sign;
        if (countDigits.size() > MaxDigits || (!countDigits.isEmpty() && countDigits.toInt() > MaxCount))
            return {{}, tooLarge(countDigits, tr("roll at most %1 dice at a time").arg(MaxCount))};
        term.count = countDigits.isEmpty() ? 1 : countDigits.toInt();
        if (sidesDigits.size() > MaxDigits || (sidesDigits != u"%" && sidesDigits.toInt() > MaxSides))
            return {{}, tooLarge(sidesDigits, tr("a die has at most %1 sides").arg(MaxSides))};
        term.sides = sidesDigits == u"%" ? 100 : sidesDigits.toInt();
        if (term.count < 1)
            return {{}, tr("Roll at least one die")};
        if (term.sides < 1)
            return {{}, tr("A die has at least one side")};
        dice += term.count;
        if (dice > MaxCount)
            return {{}, tr("Roll at most %1 dice at a time").arg(MaxCount)};

        if (match.hasCaptured(4)) {
            const QString how = match.captured(4).toLower();
            const int number = keptDigits.size() > MaxDigits ? MaxCount + 1 : keptDigits.toInt();
            const bool keeping = how.startsWith(u'k');
            if (keeping && (number < 1 || number > term.count))
                return {{}, tr("Keep 1 to %1 of %1 dice").arg(term.count)};
            if (!keeping && (number < 1 || number >= term.count))
                return {{}, tr("Drop fewer than the %1 dice rolled, and at least one").arg(term.count)};
            term.kept = keeping ? number : term.count - number;
            // Dropping the highest keeps the lowest.
            term.keepLowest = how == u"kl" || how == u"dh";
        }
        expression.terms.append(term);
    }
    return {expression, {}};
}

int Expression::lowest() const
{
    int sum = modifier;
    for (const Term &term : terms) {
        const int kept = term.kept ? term.kept : term.count;
        sum += term.sign > 0 ? kept : -kept * term.sides;
    }
    return sum;
}

int Expression::highest() const
{
    int sum = modifier;
    for (const Term &term : terms) {
        const int kept = term.kept ? term.kept : term.count;
        sum += term.sign > 0 ? kept * term.sides : -kept;
    }
    return sum;
}

// --- Rolling -----------------------------------------------------------------------

Roll roll(const QString &notation, const Expression &expression, QRandomGenerator &generator)
{
    return roll(notation, expression, [&generator](int sides) { return int(generator.bounded(sides)) + 1; });
}

Roll roll(const QString &notation, const Expression &expression, const Die &die)
{
    Roll result;
    result.notation = notation.trimmed();
    result.modifier = result.total = expression.modifier;
    for (const Term &term : expression.terms) {
        const qsizetype first = result.dice.size();
        for (int i = 0; i < term.count; ++i)
            result.dice.append(die(term.sides));

        // Of equal dice the earlier ones are kept.
        QList<qsizetype> ranking(term.count);
        std::iota(ranking.begin(), ranking.end(), first);
        std::stable_sort(ranking.begin(), ranking.end(), [&result, &term](qsizetype a, qsizetype b) {
            return term.keepLowest ? result.dice[a] < result.dice[b] : result.dice[a] > result.dice[b];
        });
        result.kept.resize(result.dice.size(), false);
        const int kept = term.kept ? term.kept : term.count;
        for (int i = 0; i < kept; ++i) {
            result.kept[ranking[i]] = true;
            result.total += term.sign * result.dice[ranking[i]];
        }
        result.termSizes.append(term.count);
        result.signs.append(term.sign);
    }
    return result;
}

QString Roll::text() const
{
    QString sum;
    qsizetype die = 0;
    for (qsizetype term = 0; term < termSizes.size(); ++term) {
        QStringList shown;
        for (int i = 0; i < termSizes[term]; ++i, ++die)
            shown.append(kept[die] ? QString::number(dice[die]) : QStringLiteral("(%1)").arg(dice[die]));
        if (term > 0)
            sum += signs[term] < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
        sum += shown.join(QStringLiteral(", "));
    }
    if (modifier)
        sum += modifier > 0 ? QStringLiteral(" + %1").arg(modifier) : QStringLiteral(" - %1").arg(-modifier);
    return QStringLiteral("%1: %2 = %3").arg(notation, sum, QString::number(total));
}

QString withoutDice(const QString &text)
{
    QString rest = text;
    return rest.remove(notation());
}

} // namespace Dice
