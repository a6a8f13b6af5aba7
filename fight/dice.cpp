#include "dice.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace Dice {

namespace {

constexpr int MaxCount = 100;
constexpr int MaxSides = 1000;
constexpr int MaxModifier = 10000;

QString tr(const char *text)
{
    return QCoreApplication::translate("Dice", text);
}

const QRegularExpression &notation()
{
    // Case-insensitive, spaces allowed around the sign: "3D6 + 2"; not
    // inside a word, so the "d" of "bloodied" never starts one.
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<!\w)(\d*)d(\d+|%)(?:kh(\d+))?(?:\s*([+-])\s*(\d+))?)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

Parsed parse(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return {{}, tr("Type dice to roll, e.g. 3d6+2")};
    const QRegularExpressionMatch match = notation().match(trimmed, 0, QRegularExpression::NormalMatch,
                                                           QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch() || match.capturedLength() != trimmed.size())
        return {{}, tr("\"%1\" is not dice notation (e.g. d20, 3d6+2, 4d6kh3, d%)").arg(trimmed)};

    // Numbers longer than the limits allow are refused before conversion can overflow.
    const auto number = [&match](int group, int absent) {
        const QStringView digits = match.capturedView(group);
        return digits.isEmpty() ? absent : digits.size() > 6 ? MaxModifier + 1 : digits.toInt();
    };
    Expression expression;
    expression.count = number(1, 1);
    expression.sides = match.capturedView(2) == u"%" ? 100 : number(2, 0);
    expression.keepHighest = number(3, 0);
    expression.modifier = number(5, 0) * (match.capturedView(4) == u"-" ? -1 : 1);

    if (expression.count < 1 || expression.count > MaxCount)
        return {{}, tr("Roll 1 to %1 dice at a time").arg(MaxCount)};
    if (expression.sides < 2 || expression.sides > MaxSides)
        return {{}, tr("A die has 2 to %1 sides").arg(MaxSides)};
    if (match.hasCaptured(3) && (expression.keepHighest < 1 || expression.keepHighest > expression.count))
        return {{}, tr("Keep 1 to %1 of %1 dice").arg(expression.count)};
    if (std::abs(expression.modifier) > MaxModifier)
        return {{}, tr("The number added is at most %1").arg(MaxModifier)};
    return {expression, {}};
}

Roll roll(const QString &notation, const Expression &expression, QRandomGenerator &generator)
{
    Roll result{notation.trimmed(), {}, {}, expression.modifier, expression.modifier};
    for (int i = 0; i < expression.count; ++i)
        result.dice.append(int(generator.bounded(expression.sides)) + 1);

    // Keep the highest dice; of equal dice the earlier ones are kept.
    QList<int> ranking(result.dice.size());
    std::iota(ranking.begin(), ranking.end(), 0);
    std::stable_sort(ranking.begin(), ranking.end(),
                     [&result](int a, int b) { return result.dice[a] > result.dice[b]; });
    const int keep = expression.keepHighest ? expression.keepHighest : expression.count;
    result.kept = QList<bool>(result.dice.size(), false);
    for (int i = 0; i < keep; ++i) {
        result.kept[ranking[i]] = true;
        result.total += result.dice[ranking[i]];
    }
    return result;
}

QString Roll::text() const
{
    QStringList shown;
    for (int i = 0; i < dice.size(); ++i)
        shown.append(kept[i] ? QString::number(dice[i]) : QStringLiteral("(%1)").arg(dice[i]));
    QString sum = shown.join(QStringLiteral(", "));
    if (modifier)
        sum += modifier > 0 ? QStringLiteral(" + %1").arg(modifier) : QStringLiteral(" - %1").arg(-modifier);
    return QStringLiteral("%1: %2 = %3").arg(notation, sum).arg(total);
}

QString withoutDice(const QString &text)
{
    QString rest = text;
    return rest.remove(notation());
}

} // namespace Dice
