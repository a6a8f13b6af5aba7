#include "fogstate.h"

#include <algorithm>

FogState FogState::revealing(int room) const
{
    FogState next = *this;
    if (!next.isRevealed(room)) {
        next.revealed.insert(std::lower_bound(next.revealed.begin(), next.revealed.end(), room),
                             room);
    }
    next.current = room;
    return next;
}

FogState FogState::hiding(int room) const
{
    FogState next = *this;
    next.revealed.removeOne(room);
    if (next.current == room)
        next.current = 0;
    return next;
}
