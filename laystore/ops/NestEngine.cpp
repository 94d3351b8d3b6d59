#include "laystore/ops/NestEngine.h"

#include "laystore/ops/NestBudget.h"
#include "laystore/ops/NestWorker.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace VelSystem {

NestEngine::NestEngine(const NestProblem& problem) : mGeometry(problem) {}

NestEngine::~NestEngine() = default;

NestResult NestEngine::run(const Options& options, const Listener& improved)
{
    const auto limit = std::chrono::duration<double>(std::clamp(options.seconds, 0.0, 1e7));
    const NestBudget::Clock::time_point deadline =
        NestBudget::Clock::now() + std::chrono::duration_cast<NestBudget::Clock::duration>(limit);
    const int threads = std::max(1, options.threads);
    auto work = [&](int worker) {
        NestBudget budget(deadline, options.moves, &mCancelled);
        NestWorker search(mGeometry, options.seed + static_cast<unsigned>(worker), budget,
                          [&, worker](const NestLayout& layout) { offer(worker, layout, improved); });
        if (mGeometry.problem().goal == NestProblem::FillArea)
            search.fillArea();
        else
            search.shortenStrip();
    };
    std::vector<std::thread> helpers;
    for (int worker = 1; worker < threads; ++worker)
        helpers.emplace_back(work, worker);
    work(0);
    for (std::thread& helper : helpers)
        helper.join();
    return best();
}

NestResult NestEngine::best() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mBest;
}

bool NestEngine::better(const NestResult& a, const NestResult& b) const
{
    if (mGeometry.problem().goal == NestProblem::FillArea) {
        if (a.placedArea != b.placedArea)
            return a.placedArea > b.placedArea;
        return a.length < b.length;
    }
    if (a.placedCount != b.placedCount)
        return a.placedCount > b.placedCount;
    return a.length < b.length;
}

void NestEngine::offer(int worker, const NestLayout& layout, const Listener& improved)
{
    NestResult result = layout.result();
    std::lock_guard<std::mutex> lock(mMutex);
    // Equal layouts go to the lower worker, so that which thread came first does not matter.
    const bool first = mBestWorker < 0;
    if (!first && !better(result, mBest) && (better(mBest, result) || worker >= mBestWorker))
        return;
    mBest = std::move(result);
    mBestWorker = worker;
    if (improved)
        improved(mBest);
}

} // namespace VelSystem
