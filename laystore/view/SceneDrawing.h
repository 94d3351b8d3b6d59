#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <Qt>

class QPainter;
class QString;

namespace VelSystem {

// Shared helpers of the marker scene's items: conversions to scene coordinates (which are
// document coordinates) and labels drawn at a fixed pixel size whatever the zoom.

inline QPointF toQPointF(const GeoPoint2D& p)
{
    return {p.x, p.y};
}

inline QRectF toQRectF(const GeoRectangle& r)
{
    return r.isValid() ? QRectF(QPointF(r.xmin, r.ymin), QPointF(r.xmax, r.ymax)) : QRectF();
}

// The highlight of selected objects, the same on every kind of item.
inline const QColor kSelectionColour(255, 140, 0);

// Draws `text` upright in screen pixels, anchored at `scenePoint` moved by `pixelOffset`,
// as `alignment` says (Qt::AlignLeft: the text starts there; Qt::AlignTop: it hangs below).
void drawScreenLabel(QPainter* painter, const QPointF& scenePoint, const QString& text,
                     Qt::Alignment alignment, const QColor& colour, int pointSize = 9, bool bold = false,
                     const QPointF& pixelOffset = QPointF());

// The width in pixels `text` takes when drawn by drawScreenLabel.
double screenLabelWidth(const QString& text, int pointSize = 9, bool bold = false);

// Pixels per centimetre of the painter's current transform.
double paintScale(const QPainter* painter);

} // namespace VelSystem
