#pragma once

// What the start-up probes share: they watch for the first paint of a
// top-level window and report on standard output when it is on screen.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace Probe {

// The monotonic clock, which every process on the machine shares, so the
// driver can subtract the moment it started the probe.
inline qint64 monotonicNanoseconds()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// The CPU time this process has used since it was started, every thread
// included: unlike the clock, it does not grow when other programs keep the
// machine busy.
inline qint64 cpuNanoseconds()
{
    timespec time;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return time.tv_sec * 1'000'000'000LL + time.tv_nsec;
}

// The peak resident memory of this process so far (VmHWM), in KiB.
inline qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Installed on the application before any window exists, so that the probe
// needs no hook in the program it starts. The first paint event of a
// top-level window starts a frame; `painted` runs once that whole frame,
// every child included, has been painted and flushed, which is when the
// event loop next takes posted events.
class FirstPaintFilter : public QObject
{
public:
    explicit FirstPaintFilter(std::function<void()> painted) : m_painted(std::move(painted)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            QMetaObject::invokeMethod(this, m_painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_painted;
    bool m_seen = false;
};

// The probe's report line, read by bench_startup: what, the clock, CPU time
// and peak memory.
inline void report(const char *what)
{
    std::printf("%s %lld %lld %lld\n", what, static_cast<long long>(monotonicNanoseconds()),
                static_cast<long long>(cpuNanoseconds()), static_cast<long long>(peakResidentKiB()));
    std::fflush(stdout);
}

// Ends the probe without tearing the program down: the figures are taken.
[[noreturn]] inline void finish()
{
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace Probe
