#include "CutViewDock.h"

#include "CutPathView.h"
#include "MarkerStatusBar.h"

#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace VelSystem {

CutViewDock::CutViewDock(QWidget* parent)
    : QDockWidget(tr("Cut View"), parent), mView(new CutPathView), mSlider(new QSlider(Qt::Horizontal)),
      mStep(new QPushButton(tr("Step"))), mLengths(new QLabel)
{
    setObjectName(QStringLiteral("cutViewDock"));
    mSlider->setObjectName(QStringLiteral("cutViewSlider"));
    mStep->setObjectName(QStringLiteral("cutViewStep"));
    mLengths->setObjectName(QStringLiteral("cutViewLengths"));
    // Empty and whole: the first path shown is shown whole.
    mSlider->setRange(0, 0);
    auto* controls = new QHBoxLayout;
    controls->addWidget(mSlider, 1);
    controls->addWidget(mStep);
    controls->addWidget(mLengths);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(mView, 1);
    layout->addLayout(controls);
    setWidget(content);
    connect(mSlider, &QSlider::valueChanged, this, &CutViewDock::showUpTo);
    connect(mStep, &QPushButton::clicked, this, &CutViewDock::step);
    connect(this, &QDockWidget::visibilityChanged, this, &CutViewDock::setCutViewMode);
}

void CutViewDock::setDocument(const boost::shared_ptr<DocumentMak>& document)
{
    if (mDocument)
        disconnect(mDocument.get(), nullptr, this, nullptr);
    mDocument = document;
    if (mDocument)
        connect(mDocument.get(), &Document::modified, this, &CutViewDock::rebuild);
    mView->setDocument(document);
    setCutViewMode(isVisible());
}

void CutViewDock::rebuild()
{
    // Hidden, it has nothing to show; it catches up when shown.
    if (!isVisible())
        return;
    const bool wasAll = mSlider->value() == mSlider->maximum();
    mView->rebuild();
    const int pieces = static_cast<int>(mView->path().pieces().size());
    const QSignalBlocker blocker(mSlider);
    mSlider->setRange(0, pieces);
    // A path shown whole stays whole when the marker changes.
    if (wasAll)
        mSlider->setValue(pieces);
    showUpTo(mSlider->value());
}

void CutViewDock::showUpTo(int pieces)
{
    mView->setShownPieces(pieces);
    const KnifePath& path = mView->path();
    mLengths->setText(MarkerStatusBar::cutPathText(path.cutLength(pieces), path.airLength(pieces)));
}

void CutViewDock::step()
{
    mSlider->setValue(mSlider->value() >= mSlider->maximum() ? 0 : mSlider->value() + 1);
}

QString CutViewDock::lengthsText() const
{
    return mLengths->text();
}

void CutViewDock::setCutViewMode(bool shown)
{
    if (mDocument)
        mDocument->drawing()->setCutView(shown);
    if (shown)
        rebuild();
}

} // namespace VelSystem
