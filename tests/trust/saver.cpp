// A second copy of the program, reduced to its saves: writes encounter 7
// below the folder over and over, alternating between the two versions, or
// numbering its saves in both files, until it is killed or has made the
// number of saves asked for.
//   trust_saver <folder> <A|B: the first version|N: numbered> [saves]
// Before each save it writes 'b' to its standard output and after it 'e',
// unbuffered, so that whoever kills it knows whether a save was under way.
#include "versions.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

constexpr useconds_t PauseMicroseconds = 500;

static void tell(char event)
{
    if (::write(STDOUT_FILENO, &event, 1) != 1)
        std::exit(3);
}

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s <folder> <A|B> [saves]\n", argv[0]);
        return 2;
    }
    const Storage::EncounterFiles files = Trust::files(QString::fromLocal8Bit(argv[1]));
    Trust::Version version = argv[2][0] == 'A' ? Trust::A : Trust::B;
    const long saves = argc == 4 ? std::atol(argv[3]) : -1;

    const Storage::Cells cells[] = { Trust::cells(Trust::A), Trust::cells(Trust::B) };
    const QByteArray details[] = { Trust::details(Trust::A), Trust::details(Trust::B) };
    const bool numbered = argv[2][0] == 'N';
    for (long made = 0; saves < 0 || made < saves; ++made) {
        tell('b');
        const Storage::WriteResult result = numbered
                ? Storage::writeEncounter(files, Trust::numberedCells(made), Trust::numberedDetails(made))
                : Storage::writeEncounter(files, cells[version], details[version]);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(result.message()));
            return 1;
        }
        tell('e');
        version = Trust::other(version);
        // A moment between saves, as between two clicks on OK, so that some
        // kills land after a save has finished and before the next begins.
        ::usleep(PauseMicroseconds);
    }
    return 0;
}
