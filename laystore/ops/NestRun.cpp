#include "laystore/ops/NestRun.h"

namespace VelSystem {

NestRun::NestRun(NestEngine& engine, const NestEngine::Options& options, QObject* parent)
    : QObject(parent), mEngine(engine), mOptions(options)
{}

NestRun::~NestRun()
{
    cancel();
    if (mThread.joinable())
        mThread.join();
}

void NestRun::start()
{
    if (mThread.joinable() || mFinished)
        return;
    mThread = std::thread([this] {
        const NestResult result = mEngine.run(mOptions, [this](const NestResult& better) {
            const double length = better.length, utilization = better.utilization;
            QMetaObject::invokeMethod(
                this, [this, length, utilization] { emit improved(length, utilization); },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                mResult = result;
                mFinished = true;
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

const NestResult& NestRun::wait(QEventLoop::ProcessEventsFlags flags)
{
    start();
    if (!mFinished) {
        QEventLoop loop;
        connect(this, &NestRun::finished, &loop, &QEventLoop::quit);
        loop.exec(flags);
    }
    return mResult;
}

} // namespace VelSystem
