// Linked into every suite. LeakSanitizer checks at exit by stopping every
// thread and reading its stack, and its tracer can crash on a thread still
// tearing itself down ("Tracer caught signal 11"). Qt's threads are
// detached, Qt Test's watchdog among them: QThread::wait() returns before
// the thread is gone. So the exit waits for exiting threads first.
#if defined(__SANITIZE_ADDRESS__)
#define DUNGEON_LEAK_CHECK_AT_EXIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DUNGEON_LEAK_CHECK_AT_EXIT 1
#endif
#endif

#ifdef DUNGEON_LEAK_CHECK_AT_EXIT
#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>

namespace {

long threadCount()
{
    std::error_code error;
    const std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? 1 : long(std::distance(tasks, std::filesystem::directory_iterator()));
}

struct ThreadsGoneBeforeLeakCheck
{
    // Runs before LeakSanitizer's handler, which was registered first.
    ~ThreadsGoneBeforeLeakCheck()
    {
        using namespace std::chrono;
        constexpr auto Quiet = milliseconds(200);
        const auto giveUp = steady_clock::now() + seconds(5);
        long count = threadCount();
        auto lastChange = steady_clock::now();
        while (count > 1 && steady_clock::now() < giveUp && steady_clock::now() - lastChange < Quiet) {
            std::this_thread::sleep_for(milliseconds(1));
            if (const long now = threadCount(); now != count) {
                count = now;
                lastChange = steady_clock::now();
            }
        }
    }
} threadsGoneBeforeLeakCheck;

} // namespace
#endif
