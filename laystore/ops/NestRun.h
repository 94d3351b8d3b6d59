#pragma once

#include "laystore/ops/NestEngine.h"

#include <QEventLoop>
#include <QObject>
#include <thread>

namespace VelSystem {

// Runs a nesting engine on a thread of its own, so that the thread that asked (the GUI's)
// goes on handling its events, and tells that thread of each better layout and of the end.
// Destroying it cancels the run and waits for its thread.
class NestRun : public QObject
{
    Q_OBJECT
public:
    NestRun(NestEngine& engine, const NestEngine::Options& options, QObject* parent = nullptr);
    ~NestRun() override;

    void start();
    // The run ends soon after, keeping the best layout so far.
    void cancel() { mEngine.cancel(); }
    bool isFinished() const { return mFinished; }
    // The run's best layout, once finished.
    const NestResult& result() const { return mResult; }
    // Starts the run if it was not, and returns its result once it ends, handling this
    // thread's events meanwhile as `flags` allow.
    const NestResult& wait(QEventLoop::ProcessEventsFlags flags);

signals:
    void improved(double length, double utilization);
    void finished();

private:
    NestEngine& mEngine;
    NestEngine::Options mOptions;
    std::thread mThread;
    bool mFinished = false;
    NestResult mResult;
};

} // namespace VelSystem
