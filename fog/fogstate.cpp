#include "fogstate.h"

#include <algorithm>

FogState FogState::revealing(int spot) const
{
    FogState next = *this;
    if (!next.isRevealed(spot)) {
        next.revealed.insert(std::lower_bound(next.revealed.begin(), next.revealed.end(), spot),
                             spot);
    }
    next.current = spot;
    return next;
}

FogState FogState::hiding(int spot) const
{
    FogState next = *this;
    next.revealed.removeOne(spot);
    if (next.current == spot)
        next.current = 0;
    return next;
}
