#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

namespace Ui {
class LayWaiting;
}

namespace VelSystem {

class NestRun;

// The progress of laying the waiting pieces: the length and utilization of the best layout
// so far and the time spent. Cancel ends the search early, keeping that layout; the dialog
// closes when the search has ended, accepted either way.
class LayWaitingDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts `run`, which is to stop after `seconds`.
    LayWaitingDialog(NestRun* run, double seconds, QWidget* parent = nullptr);
    ~LayWaitingDialog() override;

public slots:
    // Cancels the search; the dialog closes once it has ended.
    void reject() override;

private:
    void showLayout(double length, double utilization);
    void showTime();

    std::unique_ptr<Ui::LayWaiting> mUi;
    NestRun* mRun;
    double mSeconds;
    QElapsedTimer mClock;
    QTimer mTicker;
};

} // namespace VelSystem
