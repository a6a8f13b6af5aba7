#pragma once

#include "fight/fight.h"

#include <QGroupBox>

class QListWidget;

// The fight's latest lines, the latest first, and a button that copies the
// whole log as text, one line each with its round and turn.
class FightLogBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FightLogBox(QWidget *parent = nullptr);

    void showLog(const QList<LogEntry> &log);

private:
    void copy();

    static constexpr int ShownLines = 100; // the copy has them all

    QListWidget *m_lines = nullptr;
    QList<LogEntry> m_log;
    QList<LogEntry> m_shown; // the lines in the list, the latest last
};
