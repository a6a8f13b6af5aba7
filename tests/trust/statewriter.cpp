// A second copy of the program, reduced to its changes of the state files:
//   trust_statewriter <go file> reveal <table.json> <spot>...
//   trust_statewriter <go file> join <fight.json> <encounter>...
//   trust_statewriter <go file> create <program folder> <picture> <count>
// It waits until the go file exists, so that copies started together change
// the files together, then makes each change with a pause after it, never
// looking at the file between changes: it knows only what it wrote itself.
#include "dungeon/dungeondescription.h"
#include "fight/fight.h"
#include "fog/fog.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return 2;
    while (!QFile::exists(args[1]))
        QThread::usleep(200);
    const QString command = args[2];
    const QString path = args[3];
    const QStringList values = args.mid(4);

    if (command == u"create") {
        for (int made = 0; made < values[1].toInt(); ++made) {
            QString error;
            const int number = Dungeon::createDungeon(path, values.first(),
                    QStringLiteral("%1 of %2").arg(QString::number(made), QString::number(app.applicationPid())), &error);
            if (number == 0)
                return 1;
            std::printf("%d\n", number);
        }
        return 0;
    }
    Fog fog({}, {}, 10);
    Fight fight;
    if (command == u"reveal" ? !fog.load(path).isEmpty() : fight.open(path).opened == Fight::Opened::Unreadable)
        return 1;
    QRandomGenerator generator(1);
    for (const QString &value : values) {
        const int number = value.toInt();
        if (command == u"reveal") {
            fog.setState(fog.state().revealing(number));
        } else {
            Storage::Cells cells;
            cells[0] = QStringLiteral("Monster of %1").arg(number);
            fight.addEncounter(number, cells, {}, generator);
            if (!fight.lastSave().ok())
                return 1;
        }
        QThread::msleep(3);
    }
    return 0;
}
