// Any bytes as fight.json: a refusal gives its reason, and a fight that
// reads is written back to the same fight.
#include "fight/fight.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const FightRead read = readFight(bytes);
    if (!read.state) {
        if (read.error.isEmpty())
            std::abort();
        return 0;
    }
    const FightRead again = readFight(encodeFight(*read.state));
    if (!again.state || *again.state != *read.state)
        std::abort();
    // The order and the players' side of it take any fight that reads.
    if (read.state->order().size() != read.state->combatants.size())
        std::abort();
    playersOrder(*read.state);
    return 0;
}
