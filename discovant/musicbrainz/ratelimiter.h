#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

namespace discovant::musicbrainz {

// Spaces requests to a web service: each caller of acquire() gets a start time at least
// `interval` after the previous caller's, and waits until then. Thread-safe: callers on
// several threads are served one interval apart, in the order they arrived.
//
// The clock and the wait are injectable, so tests and benchmarks run on a virtual clock
// without waiting for real time to pass.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;
    // Waits until the time given, or less when `cancelled` (may be null) becomes true.
    using WaitUntil = std::function<void(Clock::time_point, const std::atomic<bool>* cancelled)>;

    explicit RateLimiter(Clock::duration interval, Now now = {}, WaitUntil waitUntil = {});

    // Blocks until the caller may send its request; returns the time it was given. A caller
    // whose `cancelled` becomes true meanwhile returns early (and should not send).
    Clock::time_point acquire(const std::atomic<bool>* cancelled = nullptr);
    // The next request may not start before `notBefore` (a server's Retry-After).
    void holdUntil(Clock::time_point notBefore);

    // Replaces the clock and the wait (nothing: the real ones) and forgets the last request.
    void setClock(Now now, WaitUntil waitUntil);

    // The one limiter of the process for MusicBrainz and the Cover Art Archive: one request
    // a second across every instance and thread, as the service asks of every client.
    static RateLimiter& musicBrainz();

private:
    std::mutex mutex_;
    Clock::duration interval_;
    Now now_;
    WaitUntil waitUntil_;
    Clock::time_point next_ {};
};

} // namespace discovant::musicbrainz
