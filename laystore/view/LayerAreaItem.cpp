#include "laystore/view/LayerAreaItem.h"

#include "VelCore/VelLocale.h"
#include "VelCore/t_1_Based.h"
#include "laystore/view/SceneDrawing.h"
#include "laystore/view/ScreenLabelItem.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

namespace VelSystem {

namespace {

const QColor kFabricFill(255, 252, 240);
const QColor kStandbyFill(226, 232, 240);
const QColor kBorder(120, 120, 120);
const QColor kLabel(70, 70, 70);
const QColor kMarkerEnd(200, 40, 40);
const QColor kPlaid(90, 110, 170, 70);
// Plaid lines closer than this on screen would only grey the fabric: they are left out.
constexpr double kMinPlaidPixels = 4.0;
// Labels sit this far inside the corner they name, in pixels.
const QPointF kInset(6.0, 4.0);

// Label backgrounds let a little of what lies beneath show through.
ScreenLabelStyle labelStyle(const QColor& text, const QColor& area, bool bold)
{
    ScreenLabelStyle style;
    style.colour = text;
    style.bold = bold;
    style.background = area;
    style.background.setAlpha(210);
    return style;
}

} // namespace

LayerAreaItem::LayerAreaItem(short fabricIndex, short layerIndex)
    : mFabricIndex(fabricIndex), mLayerIndex(layerIndex),
      mFabricLabel(
          new ScreenLabelItem(Qt::AlignLeft | Qt::AlignTop, labelStyle(kLabel, kFabricFill, true), kInset)),
      mStandbyLabel(
          new ScreenLabelItem(Qt::AlignLeft | Qt::AlignTop, labelStyle(kLabel, kStandbyFill, true), kInset)),
      mEndLabel(new ScreenLabelItem(Qt::AlignLeft | Qt::AlignBottom,
                                    labelStyle(kMarkerEnd, kFabricFill, false), QPointF(4.0, -4.0)))
{
    setZValue(kZ);
    mStandbyLabel->setText(QCoreApplication::translate("LayerAreaItem", "Standby area"));
    setCurrent(false);
}

LayerAreaItem::~LayerAreaItem()
{
    delete mFabricLabel;
    delete mStandbyLabel;
    delete mEndLabel;
}

QList<QGraphicsItem*> LayerAreaItem::labels() const
{
    return {mFabricLabel, mStandbyLabel, mEndLabel};
}

QString LayerAreaItem::fabricLabel() const
{
    return mFabricLabel->text();
}

QString LayerAreaItem::standbyLabel() const
{
    return mStandbyLabel->text();
}

void LayerAreaItem::setCurrent(bool current)
{
    mCurrent = current;
    setZValue(current ? kZ + 1.0 : kZ);
    mFabricLabel->setVisible(current);
    mStandbyLabel->setVisible(current);
    mEndLabel->setVisible(current && mMarkerEnd > 0.0);
    update();
}

QString LayerAreaItem::markerEndLabel() const
{
    return mEndLabel->isVisible() ? mEndLabel->text() : QString();
}

void LayerAreaItem::setArea(double width, double xmin, double xmax, const QString& fabricName,
                            double markerEnd)
{
    if (width != mWidth || xmin != mXmin || xmax != mXmax) {
        prepareGeometryChange();
        mWidth = width;
        mXmin = xmin;
        mXmax = xmax;
    }
    mMarkerEnd = markerEnd;
    update();

    const VelLocale locale;
    mFabricLabel->setText(QCoreApplication::translate("LayerAreaItem", "Fabric %1, layer %2, width %3")
                              .arg(fabricName.isEmpty()
                                       ? QString::number(t_1_Based::fromZeroBased(mFabricIndex).value())
                                       : fabricName)
                              .arg(t_1_Based::fromZeroBased(mLayerIndex).value())
                              .arg(locale.formatLength(mWidth, VelLocale::WithUnit)));
    mFabricLabel->setPos(mXmin, mWidth);
    mStandbyLabel->setPos(mXmin, 2.0 * mWidth);
    mEndLabel->setVisible(mCurrent && mMarkerEnd > 0.0);
    mEndLabel->setText(QCoreApplication::translate("LayerAreaItem", "Length %1")
                           .arg(locale.formatLength(mMarkerEnd, VelLocale::WithUnit)));
    mEndLabel->setPos(mMarkerEnd, 0.0);
}

void LayerAreaItem::setPlaid(const QPointF& repeat, const QPointF& offset)
{
    if (repeat == mPlaidRepeat && offset == mPlaidOffset)
        return;
    mPlaidRepeat = repeat;
    mPlaidOffset = offset;
    update();
}

QRectF LayerAreaItem::fabricRect() const
{
    return QRectF(QPointF(mXmin, 0.0), QPointF(mXmax, mWidth));
}

QRectF LayerAreaItem::standbyRect() const
{
    return QRectF(QPointF(mXmin, mWidth), QPointF(mXmax, 2.0 * mWidth));
}

QRectF LayerAreaItem::boundingRect() const
{
    return fabricRect().united(standbyRect());
}

void LayerAreaItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/)
{
    painter->setPen(cosmeticPen(kBorder, 1.0, Qt::DashLine));
    painter->setBrush(kStandbyFill);
    painter->drawRect(standbyRect());
    painter->setPen(cosmeticPen(kBorder));
    painter->setBrush(kFabricFill);
    painter->drawRect(fabricRect());
    if (mCurrent)
        paintPlaid(painter);
    if (mCurrent && mMarkerEnd > 0.0) {
        painter->setPen(cosmeticPen(kMarkerEnd, 1.0, Qt::DashLine));
        painter->drawLine(QPointF(mMarkerEnd, 0.0), QPointF(mMarkerEnd, mWidth));
    }
}

void LayerAreaItem::paintPlaid(QPainter* painter) const
{
    const QTransform& toPixels = painter->worldTransform();
    // Only the lines on screen: a long marker zoomed in would otherwise draw its whole length.
    const QRectF fabric = fabricRect().intersected(toPixels.inverted().mapRect(QRectF(painter->viewport())));
    if (fabric.isEmpty())
        return;
    painter->setPen(cosmeticPen(kPlaid));
    const auto lines = [&](double repeat, double offset, double from, double to, double pixelsPerCm,
                           auto draw) {
        if (!(repeat > 0.0) || repeat * pixelsPerCm < kMinPlaidPixels)
            return;
        for (double at = offset + std::ceil((from - offset) / repeat) * repeat; at <= to; at += repeat)
            draw(at);
    };
    lines(mPlaidRepeat.x(), mPlaidOffset.x(), fabric.left(), fabric.right(),
          std::hypot(toPixels.m11(), toPixels.m12()),
          [&](double x) { painter->drawLine(QPointF(x, fabric.top()), QPointF(x, fabric.bottom())); });
    lines(mPlaidRepeat.y(), mPlaidOffset.y(), fabric.top(), fabric.bottom(),
          std::hypot(toPixels.m21(), toPixels.m22()),
          [&](double y) { painter->drawLine(QPointF(fabric.left(), y), QPointF(fabric.right(), y)); });
}

} // namespace VelSystem
