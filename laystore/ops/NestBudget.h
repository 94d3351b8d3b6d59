#pragma once

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
        : mDeadline(deadline), mMoves(moves), mCancelled(cancelled)
    {}

    void countMove() { ++mMade; }
    long movesMade() const { return mMade; }
    bool exhausted() const
    {
        return (mCancelled && mCancelled->load(std::memory_order_relaxed)) ||
               (mMoves > 0 && mMade >= mMoves) || Clock::now() >= mDeadline;
    }

private:
    Clock::time_point mDeadline;
    long mMoves;
    long mMade = 0;
    const std::atomic<bool>* mCancelled;
};

} // namespace VelSystem
