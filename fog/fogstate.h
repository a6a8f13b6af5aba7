#pragma once

#include <QList>

// Which rooms the players have seen, named by the encounter spot they hold;
// an area that holds no encounter (a corridor, say) is named by the negative
// of its area number, so that rooms and areas share one list. The current
// room is the one the party is in now; the other revealed rooms are
// explored. A value, so that an undo step keeps the state before it.
struct FogState
{
    static constexpr int MaxAreaNumber = 999;
    static constexpr int area(int number) { return -number; }
    static constexpr bool isArea(int room) { return room < 0; }
    static constexpr int areaNumber(int room) { return -room; }

    QList<int> revealed; // ascending: the areas, then the spots
    int current = 0;     // a revealed room, or 0 with none

    bool isRevealed(int spot) const { return revealed.contains(spot); }
    bool isExplored(int spot) const { return spot != current && isRevealed(spot); }

    // The room becomes current; the room that was current stays
    // revealed as explored.
    FogState revealing(int room) const;
    // The room is hidden again; when it was current, none is.
    FogState hiding(int room) const;

    bool operator==(const FogState &) const = default;
};
