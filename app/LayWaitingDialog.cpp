#include "LayWaitingDialog.h"

#include "ui_LayWaitingDialog.h"

#include "VelCore/VelLocale.h"
#include "laystore/ops/NestRun.h"

#include <QPushButton>
#include <algorithm>

namespace VelSystem {

namespace {
// How often the time shown moves on, in milliseconds.
constexpr int kTick = 100;
} // namespace

LayWaitingDialog::LayWaitingDialog(NestRun* run, double seconds, QWidget* parent)
    : QDialog(parent), mUi(new Ui::LayWaiting), mRun(run), mSeconds(seconds)
{
    mUi->setupUi(this);
    connect(run, &NestRun::improved, this, &LayWaitingDialog::showLayout);
    connect(run, &NestRun::finished, this, &QDialog::accept);
    connect(mUi->buttonBox, &QDialogButtonBox::rejected, this, &LayWaitingDialog::reject);
    connect(&mTicker, &QTimer::timeout, this, &LayWaitingDialog::showTime);
    mClock.start();
    mTicker.start(kTick);
    run->start();
}

LayWaitingDialog::~LayWaitingDialog() = default;

void LayWaitingDialog::reject()
{
    mRun->cancel();
    mUi->buttonBox->button(QDialogButtonBox::Cancel)->setEnabled(false);
}

void LayWaitingDialog::showLayout(double length, double utilization)
{
    mUi->labelLength->setText(VelLocale().formatLength(length, VelLocale::WithUnit));
    mUi->labelUtilization->setText(tr("%1 %").arg(QLocale().toString(100.0 * utilization, 'f', 2)));
}

void LayWaitingDialog::showTime()
{
    const double part = mSeconds > 0.0 ? static_cast<double>(mClock.elapsed()) / 1000.0 / mSeconds : 1.0;
    mUi->progressTime->setValue(static_cast<int>(std::min(part, 1.0) * mUi->progressTime->maximum()));
}

} // namespace VelSystem
