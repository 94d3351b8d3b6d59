#include "MarkerStatusBar.h"

#include "VelCore/VelLocale.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePath.h"
#include "laystore/ops/LinkMatching.h"

#include <QLabel>

namespace VelSystem {

namespace {

QLabel* newField(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace

MarkerStatusBar::MarkerStatusBar(QWidget* parent)
    : QStatusBar(parent), mPosition(newField(QStringLiteral("statusPosition"), this)),
      mLength(newField(QStringLiteral("statusLength"), this)),
      mUtilization(newField(QStringLiteral("statusUtilization"), this)),
      mOverlaps(newField(QStringLiteral("statusOverlaps"), this)),
      mCutPath(newField(QStringLiteral("statusCutPath"), this)),
      mUnmatched(newField(QStringLiteral("statusUnmatched"), this))
{
    setObjectName(QStringLiteral("statusBar"));
    mPosition->setMinimumWidth(220);
    addWidget(mPosition);
    addPermanentWidget(mLength);
    addPermanentWidget(mUtilization);
    addPermanentWidget(mOverlaps);
    addPermanentWidget(mCutPath);
    addPermanentWidget(mUnmatched);
    refresh();
}

void MarkerStatusBar::setDocument(const boost::shared_ptr<DocumentMak>& document)
{
    mDocument = document;
    mPosition->clear();
    refresh();
}

QString MarkerStatusBar::lengthText() const
{
    return mLength->text();
}

QString MarkerStatusBar::utilizationText() const
{
    return mUtilization->text();
}

QString MarkerStatusBar::overlapText() const
{
    return mOverlaps->text();
}

QString MarkerStatusBar::unmatchedText() const
{
    return mUnmatched->text();
}

void MarkerStatusBar::refresh()
{
    if (!mDocument) {
        mLength->clear();
        mUtilization->clear();
        mOverlaps->clear();
        mCutPath->clear();
        mUnmatched->clear();
        return;
    }
    mLength->setText(lengthOf(*mDocument));
    mUtilization->setText(utilizationOf(*mDocument));
    mOverlaps->setText(tr("Overlaps: %1").arg(mDocument->overlapCount()));
    mCutPath->setText(cutPathOf(*mDocument));
    mUnmatched->setText(
        tr("Unmatched links: %1").arg(LinkMatching::unmatchedOnCurrentLayer(*mDocument->drawing())));
}

QString MarkerStatusBar::cutPathText() const
{
    return mCutPath->text();
}

QString MarkerStatusBar::cutPathText(double cut, double air)
{
    const VelLocale locale;
    return tr("Cut: %1, air: %2")
        .arg(locale.formatLength(cut, VelLocale::WithUnit), locale.formatLength(air, VelLocale::WithUnit));
}

QString MarkerStatusBar::cutPathOf(const DocumentMak& document)
{
    const KnifePath path = KnifePath::ofCurrentLayer(document);
    return cutPathText(path.cutLength(), path.airLength());
}

QString MarkerStatusBar::lengthOf(const DocumentMak& document)
{
    return tr("Length: %1").arg(VelLocale().formatLength(document.markerLength(), VelLocale::WithUnit));
}

QString MarkerStatusBar::utilizationOf(const DocumentMak& document, int decimals)
{
    return tr("Utilization: %1 %").arg(QLocale().toString(100.0 * document.utilization(), 'f', decimals));
}

void MarkerStatusBar::showMousePosition(double x, double y)
{
    const VelLocale locale;
    mPosition->setText(
        tr("x %1, y %2")
            .arg(locale.formatLength(x, VelLocale::WithUnit), locale.formatLength(y, VelLocale::WithUnit)));
}

} // namespace VelSystem
