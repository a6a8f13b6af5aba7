#pragma once

#include <QList>

// Which rooms the players have seen, named by the encounter spot they hold.
// The current room is the one the party is in now; the other revealed rooms
// are explored. A value, so that an undo step keeps the state before it.
struct FogState
{
    QList<int> revealed; // ascending spot numbers
    int current = 0;     // a revealed spot, or 0 with none

    bool isRevealed(int spot) const { return revealed.contains(spot); }
    bool isExplored(int spot) const { return spot != current && isRevealed(spot); }

    // The spot's room becomes current; the room that was current stays
    // revealed as explored.
    FogState revealing(int spot) const;
    // The spot's room is hidden again; when it was current, none is.
    FogState hiding(int spot) const;

    bool operator==(const FogState &) const = default;
};
