#pragma once

#include <QString>

// The names a dungeon archive may hold, shared by its export and its import.
namespace Exchange {

enum class FileKind {
    Unexpected,
    Description,      // dungeon.json
    RevealedRooms,    // table.json
    Fight,            // fight.json
    EncounterTable,   // <T>.Encounter
    EncounterDetails, // <T>.Encounter<N>, N the number T reads as
    Picture,          // the map picture; which one dungeon.json says
};

// What a plain file name of a dungeon folder is; Unexpected for a path, a
// hidden file and any other name.
FileKind fileKind(const QString &name);

} // namespace Exchange
