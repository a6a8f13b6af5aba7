#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy cursor while the user waits for the files of an encounter,
// and takes it away however the work ends.
class BusyCursor
{
public:
    // Encounters with files smaller than this load and save in well under
    // 100 ms, too fast for a cursor that would only flicker.
    static constexpr qint64 SlowBytes = 512 * 1024;

    explicit BusyCursor(qint64 bytesOfWork = SlowBytes)
        : m_shown(bytesOfWork >= SlowBytes)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_shown;
};
