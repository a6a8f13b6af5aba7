#pragma once

#include "fight/fight.h"

#include <QGroupBox>

class QListWidget;

// The fight's log, the latest first, and a button that copies it whole as
// text, one line each with its round and turn.
class FightLogBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FightLogBox(QWidget *parent = nullptr);

    void showLog(const QList<LogEntry> &log);

private:
    void copy();

    QListWidget *m_lines = nullptr;
    QList<LogEntry> m_log;
};
