#include "discovant/musicbrainz/ratelimiter.h"

#include <algorithm>
#include <thread>

namespace discovant::musicbrainz {

namespace {

// A cancel is seen within this time while a request waits for its turn.
constexpr auto kCancelCheck = std::chrono::milliseconds(100);

void waitOnTheClock(RateLimiter::Clock::time_point until, const std::atomic<bool>* cancelled)
{
    while (RateLimiter::Clock::now() < until && !(cancelled && cancelled->load()))
        std::this_thread::sleep_until(std::min(until, RateLimiter::Clock::now() + kCancelCheck));
}

} // namespace

RateLimiter::RateLimiter(Clock::duration interval, Now now, WaitUntil waitUntil)
    : interval_(interval)
{
    setClock(std::move(now), std::move(waitUntil));
}

void RateLimiter::setClock(Now now, WaitUntil waitUntil)
{
    const std::lock_guard lock(mutex_);
    now_ = now ? std::move(now) : Now([] { return Clock::now(); });
    waitUntil_ = waitUntil ? std::move(waitUntil) : WaitUntil(waitOnTheClock);
    next_ = {};
}

RateLimiter::Clock::time_point RateLimiter::acquire(const std::atomic<bool>* cancelled)
{
    Clock::time_point start;
    WaitUntil waitUntil;
    {
        // The slot is reserved under the lock; the wait happens outside it so the next
        // caller can reserve the slot after this one meanwhile.
        const std::lock_guard lock(mutex_);
        start = std::max(now_(), next_);
        next_ = start + interval_;
        waitUntil = waitUntil_;
    }
    waitUntil(start, cancelled);
    return start;
}

void RateLimiter::holdUntil(Clock::time_point notBefore)
{
    const std::lock_guard lock(mutex_);
    next_ = std::max(next_, notBefore);
}

RateLimiter& RateLimiter::musicBrainz()
{
    static RateLimiter limiter(std::chrono::seconds(1));
    return limiter;
}

} // namespace discovant::musicbrainz
