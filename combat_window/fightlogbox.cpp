#include "fightlogbox.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FightLogBox::FightLogBox(QWidget *parent) : QGroupBox(tr("Log"), parent)
{
    auto layout = new QVBoxLayout(this);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("fightLog"));
    m_lines->setFocusPolicy(Qt::NoFocus);
    m_lines->setFixedHeight(m_lines->fontMetrics().height() * 4 + 8);
    m_lines->setTextElideMode(Qt::ElideMiddle);
    auto copyButton = new QPushButton(tr("Copy the log"), this);
    copyButton->setObjectName(QStringLiteral("copyLog"));
    copyButton->setToolTip(tr("Copy the whole log as text, with the round and turn of each line"));
    copyButton->setAutoDefault(false);
    layout->addWidget(m_lines);
    layout->addWidget(copyButton, 0, Qt::AlignRight);
    connect(copyButton, &QPushButton::clicked, this, &FightLogBox::copy);
}

// Most changes add one line or none: the list is filled anew only when the
// log changed otherwise, by an undo or the end of the fight.
void FightLogBox::showLog(const QList<LogEntry> &log)
{
    if (log == m_log)
        return;
    const qsizetype shown = m_log.size();
    const bool grown = log.size() > shown && std::equal(m_log.begin(), m_log.end(), log.begin());
    if (!grown)
        m_lines->clear();
    for (qsizetype i = grown ? shown : 0; i < log.size(); ++i)
        m_lines->insertItem(0, logText({log[i]}).trimmed());
    m_log = log;
}

void FightLogBox::copy()
{
    QApplication::clipboard()->setText(logText(m_log));
}
