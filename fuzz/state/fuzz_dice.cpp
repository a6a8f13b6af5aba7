// Any text as dice notation: a refusal gives its reason, and a roll of what
// parses rolls each term's dice within its sides and totals within the
// expression's range.
#include "fight/dice.h"

#include <QRandomGenerator>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    Dice::withoutDice(text);
    const Dice::Parsed parsed = Dice::parse(text);
    if (!parsed.ok())
        return 0;
    QRandomGenerator generator{quint32(size)};
    const Dice::Roll roll = Dice::roll(text, parsed.expression, generator);
    if (roll.dice.size() != roll.kept.size() || roll.termSizes.size() != parsed.expression.terms.size())
        std::abort();
    qsizetype at = 0;
    for (qsizetype term = 0; term < roll.termSizes.size(); ++term) {
        for (int n = 0; n < roll.termSizes[term]; ++n, ++at) {
            const int die = roll.dice.value(at);
            if (die < 1 || die > parsed.expression.terms[term].sides)
                std::abort();
        }
    }
    if (roll.total < parsed.expression.lowest() || roll.total > parsed.expression.highest())
        std::abort();
    roll.text();
    return 0;
}
