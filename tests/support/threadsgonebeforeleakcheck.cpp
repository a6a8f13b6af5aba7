// Linked into every suite. LeakSanitizer checks for leaks at exit by
// stopping every thread of the process and reading its stack; a thread
// that is still tearing itself down then can crash LeakSanitizer's tracer
// ("Tracer caught signal 11"). Qt starts its threads detached (Qt Test's
// watchdog among them), so QThread::wait() returns while the thread is
// still exiting, and on a busy machine it may not be gone by the check.
// This waits at exit, before the check, until the threads have settled.
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
    // Destroyed at exit before LeakSanitizer's own handler runs, since that
    // was registered first. Threads that stay (none should) cost at most
    // the quiet time; exiting ones are waited for.
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
