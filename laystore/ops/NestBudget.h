#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>

namespace VelSystem {

// When a search must stop: at a deadline, after a number of moves (which makes a run
// repeatable whatever the machine's speed), or when cancelled from another thread.
class NestBudget
{
public:
    using Clock = std::chrono::steady_clock;

    // `moves` 0: no limit on moves.
    NestBudget(Clock::time_point deadline, long moves, const std::atomic<bool>* cancelled)
        : mStart(Clock::now()), mDeadline(deadline), mMoves(moves), mCancelled(cancelled)
    {}

    void countMove() { ++mMade; }
    long movesMade() const { return mMade; }
    bool exhausted() const
    {
        return (mCancelled && mCancelled->load(std::memory_order_relaxed)) ||
               (mMoves > 0 && mMade >= mMoves) || Clock::now() >= mDeadline;
    }

    // How much of the budget is gone, 0 to 1: of the moves when they are limited (which keeps
    // a run repeatable), else of the time.
    double spent() const
    {
        if (mMoves > 0)
            return std::min(1.0, static_cast<double>(mMade) / static_cast<double>(mMoves));
        const double total = std::chrono::duration<double>(mDeadline - mStart).count();
        const double time =
            total > 0.0 ? std::chrono::duration<double>(Clock::now() - mStart).count() / total : 1.0;
        return std::min(1.0, time);
    }

private:
    Clock::time_point mStart;
    Clock::time_point mDeadline;
    long mMoves;
    long mMade = 0;
    const std::atomic<bool>* mCancelled;
};

} // namespace VelSystem
