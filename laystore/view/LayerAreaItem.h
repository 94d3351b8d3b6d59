#pragma once

#include <QGraphicsItem>
#include <QString>

namespace VelSystem {

// The background of one fabric layer: the fabric area (y from 0 to the width W) and the
// standby area above it (W to 2W), each with its label, and the end of the laid marker
// on the layer being edited.
class LayerAreaItem : public QGraphicsItem
{
public:
    static constexpr double kZ = -1000.0;

    LayerAreaItem(short fabricIndex, short layerIndex);

    short fabricIndex() const { return mFabricIndex; }
    short layerIndex() const { return mLayerIndex; }
    double width() const { return mWidth; }
    double markerEnd() const { return mMarkerEnd; }

    // Covers x from `xmin` to `xmax` for a layer `width` wide; `markerEnd` < 0 hides the
    // marker's end.
    void setArea(double width, double xmin, double xmax, const QString& fabricName, double markerEnd);
    QRectF fabricRect() const;
    QRectF standbyRect() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    short mFabricIndex;
    short mLayerIndex;
    double mWidth = 0.0;
    double mXmin = 0.0;
    double mXmax = 0.0;
    double mMarkerEnd = -1.0;
    QString mFabricName;
};

} // namespace VelSystem
