#include "fightlogbox.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QHBoxLayout>

FightLogBox::FightLogBox(QWidget *parent) : QGroupBox(tr("Log"), parent)
{
    auto layout = new QHBoxLayout(this);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("fightLog"));
    m_lines->setFocusPolicy(Qt::NoFocus);
    m_lines->setFixedHeight(m_lines->fontMetrics().height() * 4 + 8);
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lines->setUniformItemSizes(true); // no measuring of every line on each change
    m_lines->setTextElideMode(Qt::ElideRight);
    auto copyButton = new QPushButton(tr("Copy the log"), this);
    copyButton->setObjectName(QStringLiteral("copyLog"));
    copyButton->setToolTip(tr("Copy the whole log as text, with the round and turn of each line"));
    copyButton->setAutoDefault(false);
    layout->addWidget(m_lines, 1);
    layout->addWidget(copyButton, 0, Qt::AlignBottom);
    connect(copyButton, &QPushButton::clicked, this, &FightLogBox::copy);
}

// Most changes add one line or none, an undo takes some away: only those
// lines change, so that a long log costs a change nothing.
void FightLogBox::showLog(const QList<LogEntry> &log)
{
    m_log = log;
    const int last = log.isEmpty() ? 0 : log.last().serial;
    const auto held = [&log, last](const LogEntry &entry) {
        const qsizetype at = log.size() - 1 - (last - entry.serial);
        return at >= 0 && at < log.size() && log[at].serial == entry.serial && log[at] == entry;
    };
    while (!m_shown.isEmpty() && !held(m_shown.last())) {
        m_shown.removeLast();
        delete m_lines->takeItem(0);
    }
    const qsizetype from = m_shown.isEmpty() ? std::max(qsizetype(0), log.size() - ShownLines)
                                             : log.size() - (last - m_shown.last().serial);
    for (qsizetype i = from; i < log.size(); ++i) {
        const QString line = logText({log[i]}).trimmed();
        m_lines->insertItem(0, line);
        m_lines->item(0)->setToolTip(line);
        m_shown.append(log[i]);
    }
    while (m_shown.size() > ShownLines) {
        m_shown.removeFirst();
        delete m_lines->takeItem(m_lines->count() - 1);
    }
}

void FightLogBox::copy()
{
    QApplication::clipboard()->setText(logText(m_log));
}
