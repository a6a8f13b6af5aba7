// Any text as dice notation: a refusal gives its reason, and a roll of what
// parses keeps as many dice as it says, each within its sides.
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
    if (roll.dice.size() != roll.kept.size())
        std::abort();
    for (int die : roll.dice) {
        if (die < 1 || die > parsed.expression.sides)
            std::abort();
    }
    roll.text();
    return 0;
}
