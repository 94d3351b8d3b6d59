#pragma once

#include "laystore/ops/NestGeometry.h"

#include <atomic>
#include <functional>
#include <mutex>

namespace VelSystem {

class NestLayout;

// The nesting engine: lays the pieces of a problem (NestProblem) with one search per
// worker thread and keeps the best layout any of them found. A run stops at its time
// limit, after its number of moves, or when cancelled from another thread; it always ends
// with a layout without overlaps (the constructive one at worst).
class NestEngine
{
public:
    struct Options
    {
        // Worker k searches with the seed `seed + k`: with a number of moves and no time
        // limit, a run gives the same layout every time.
        unsigned seed = 1;
        double seconds = 60.0;
        // Moves (one piece searched and moved) per worker; 0: no limit.
        long moves = 0;
        int threads = 2;
    };
    // Told of every better layout, on the worker thread that found it; must return quickly.
    using Listener = std::function<void(const NestResult&)>;

    explicit NestEngine(const NestProblem& problem);
    ~NestEngine();

    NestResult run(const Options& options, const Listener& improved = Listener());
    // Ends a run soon, from any thread; the run then returns the best layout so far.
    void cancel() { mCancelled.store(true); }
    // The best layout so far, from any thread.
    NestResult best() const;

    const NestGeometry& geometry() const { return mGeometry; }

private:
    void offer(int worker, const NestLayout& layout, const Listener& improved);
    bool better(const NestResult& a, const NestResult& b) const;

    NestGeometry mGeometry;
    std::atomic<bool> mCancelled{false};
    mutable std::mutex mMutex;
    NestResult mBest;
    int mBestWorker = -1;
};

} // namespace VelSystem
