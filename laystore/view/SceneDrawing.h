#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QColor>
#include <QPen>
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

// A pen `width` pixels wide at every zoom, rounded where lines end and meet.
inline QPen cosmeticPen(const QColor& colour, double width = 1.0, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

// The highlight of selected objects, the same on every kind of item.
inline const QColor kSelectionColour(255, 140, 0);

// How a label drawn in screen pixels looks.
struct ScreenLabelStyle
{
    QColor colour;
    int pointSize = 9;
    bool bold = false;
    // Filled behind the text so that it stays readable over pieces (invalid: nothing).
    QColor background;
};

// The rectangle `text` covers in pixels, background included, relative to its anchor, as
// `alignment` says (Qt::AlignLeft: the text starts at the anchor; Qt::AlignTop: it hangs
// below it; centred by default).
QRectF screenLabelRect(const QString& text, Qt::Alignment alignment, const ScreenLabelStyle& style);
// Draws `text` in the painter's current (pixel) coordinates, anchored at `anchor`.
void paintScreenLabel(QPainter* painter, const QPointF& anchor, const QString& text, Qt::Alignment alignment,
                      const ScreenLabelStyle& style);
// Draws `text` upright in screen pixels, anchored at `scenePoint` moved by `pixelOffset`,
// from an item painting in scene coordinates.
void drawScreenLabel(QPainter* painter, const QPointF& scenePoint, const QString& text,
                     Qt::Alignment alignment, const ScreenLabelStyle& style,
                     const QPointF& pixelOffset = QPointF());

// Pixels per centimetre of the painter's current transform.
double paintScale(const QPainter* painter);

} // namespace VelSystem
