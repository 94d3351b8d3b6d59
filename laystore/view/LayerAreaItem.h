#pragma once

#include <QGraphicsItem>
#include <QList>
#include <QString>

namespace VelSystem {

class ScreenLabelItem;

// The background of one fabric layer: the fabric area (y from 0 to the width W) and the
// standby area above it (W to 2W). Every layer lies in the same place, so only the layer
// being edited (the current one) is drawn on top with its labels and the end of its laid
// marker. The labels are separate items drawn above the pieces; the area owns them and
// whoever adds the area to a scene adds them too.
class LayerAreaItem : public QGraphicsItem
{
public:
    static constexpr double kZ = -1000.0;

    LayerAreaItem(short fabricIndex, short layerIndex);
    ~LayerAreaItem() override;

    short fabricIndex() const { return mFabricIndex; }
    short layerIndex() const { return mLayerIndex; }
    double width() const { return mWidth; }
    double markerEnd() const { return mMarkerEnd; }
    // The fabric area's, the standby area's and the marker end's labels; the texts stay set
    // while the layer is not current, but are not shown.
    QList<QGraphicsItem*> labels() const;
    QString fabricLabel() const;
    QString standbyLabel() const;
    QString markerEndLabel() const;

    bool isCurrent() const { return mCurrent; }
    void setCurrent(bool current);
    // Covers x from `xmin` to `xmax` for a layer `width` wide; `markerEnd` <= 0 (nothing
    // laid, or not the layer being edited) hides the marker's end.
    void setArea(double width, double xmin, double xmax, const QString& fabricName, double markerEnd);
    // The fabric's plaid or stripe: lines every `repeat` (0 along an axis without one) from
    // `offset`, drawn faintly across the fabric area of the current layer.
    void setPlaid(const QPointF& repeat, const QPointF& offset);
    QRectF fabricRect() const;
    QRectF standbyRect() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void paintPlaid(QPainter* painter) const;

    short mFabricIndex;
    short mLayerIndex;
    double mWidth = 0.0;
    double mXmin = 0.0;
    double mXmax = 0.0;
    double mMarkerEnd = 0.0;
    bool mCurrent = false;
    QPointF mPlaidRepeat;
    QPointF mPlaidOffset;
    ScreenLabelItem* mFabricLabel;
    ScreenLabelItem* mStandbyLabel;
    ScreenLabelItem* mEndLabel;
};

} // namespace VelSystem
