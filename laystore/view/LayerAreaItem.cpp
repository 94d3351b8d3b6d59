#include "laystore/view/LayerAreaItem.h"

#include "VelCore/VelLocale.h"
#include "laystore/view/SceneDrawing.h"

#include <QCoreApplication>
#include <QPainter>

namespace VelSystem {

namespace {

const QColor kFabricFill(255, 252, 240);
const QColor kStandbyFill(226, 232, 240);
const QColor kBorder(120, 120, 120);
const QColor kLabel(70, 70, 70);
const QColor kMarkerEnd(200, 40, 40);

QPen cosmeticPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 1.0, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

LayerAreaItem::LayerAreaItem(short fabricIndex, short layerIndex)
    : mFabricIndex(fabricIndex), mLayerIndex(layerIndex)
{
    setZValue(kZ);
}

void LayerAreaItem::setArea(double width, double xmin, double xmax, const QString& fabricName,
                            double markerEnd)
{
    if (width == mWidth && xmin == mXmin && xmax == mXmax && fabricName == mFabricName &&
        markerEnd == mMarkerEnd)
        return;
    prepareGeometryChange();
    mWidth = width;
    mXmin = xmin;
    mXmax = xmax;
    mFabricName = fabricName;
    mMarkerEnd = markerEnd;
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
    painter->setPen(cosmeticPen(kBorder, Qt::DashLine));
    painter->setBrush(kStandbyFill);
    painter->drawRect(standbyRect());
    painter->setPen(cosmeticPen(kBorder));
    painter->setBrush(kFabricFill);
    painter->drawRect(fabricRect());

    const VelLocale locale;
    const QString fabricLabel =
        QCoreApplication::translate("LayerAreaItem", "Fabric %1, layer %2, width %3")
            .arg(mFabricName.isEmpty() ? QString::number(mFabricIndex + 1) : mFabricName)
            .arg(mLayerIndex + 1)
            .arg(locale.formatLength(mWidth, VelLocale::WithUnit));
    const QPointF inset(6.0, 4.0);
    drawScreenLabel(painter, QPointF(mXmin, mWidth), fabricLabel, Qt::AlignLeft | Qt::AlignTop, kLabel, 9,
                    true, inset);
    drawScreenLabel(painter, QPointF(mXmin, 2.0 * mWidth),
                    QCoreApplication::translate("LayerAreaItem", "Standby area"),
                    Qt::AlignLeft | Qt::AlignTop, kLabel, 9, true, inset);

    if (mMarkerEnd < 0.0)
        return;
    painter->setPen(cosmeticPen(kMarkerEnd, Qt::DashLine));
    painter->drawLine(QPointF(mMarkerEnd, 0.0), QPointF(mMarkerEnd, mWidth));
    const QString endLabel = QCoreApplication::translate("LayerAreaItem", "Length %1")
                                 .arg(locale.formatLength(mMarkerEnd, VelLocale::WithUnit));
    drawScreenLabel(painter, QPointF(mMarkerEnd, 0.0), endLabel, Qt::AlignLeft | Qt::AlignBottom, kMarkerEnd,
                    9, false, QPointF(4.0, -4.0));
}

} // namespace VelSystem
