#include "laystore/view/SceneDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace VelSystem {

namespace {

// Room around the text filled by the background, in pixels.
constexpr double kBackgroundPadding = 3.0;

QFont labelFont(const ScreenLabelStyle& style)
{
    QFont font;
    font.setPointSize(style.pointSize);
    font.setBold(style.bold);
    return font;
}

// The text's own box (without background), relative to the anchor.
QRectF textRect(const QFontMetricsF& metrics, const QString& text, Qt::Alignment alignment)
{
    const double width = metrics.horizontalAdvance(text);
    double left = 0.0;
    if (alignment & Qt::AlignHCenter)
        left = -width / 2.0;
    else if (alignment & Qt::AlignRight)
        left = -width;
    double top = -metrics.height() / 2.0;
    if (alignment & Qt::AlignTop)
        top = 0.0;
    else if (alignment & Qt::AlignBottom)
        top = -metrics.height();
    return QRectF(left, top, width, metrics.height());
}

} // namespace

QRectF screenLabelRect(const QString& text, Qt::Alignment alignment, const ScreenLabelStyle& style)
{
    const QRectF box = textRect(QFontMetricsF(labelFont(style)), text, alignment);
    return box.adjusted(-kBackgroundPadding, -1.0, kBackgroundPadding, 1.0);
}

void paintScreenLabel(QPainter* painter, const QPointF& anchor, const QString& text, Qt::Alignment alignment,
                      const ScreenLabelStyle& style)
{
    const QFont font = labelFont(style);
    const QFontMetricsF metrics(font);
    const QRectF box = textRect(metrics, text, alignment).translated(anchor);
    if (style.background.isValid())
        painter->fillRect(box.adjusted(-kBackgroundPadding, -1.0, kBackgroundPadding, 1.0), style.background);
    painter->setFont(font);
    painter->setPen(style.colour);
    painter->drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
}

void drawScreenLabel(QPainter* painter, const QPointF& scenePoint, const QString& text,
                     Qt::Alignment alignment, const ScreenLabelStyle& style, const QPointF& pixelOffset)
{
    const QPointF anchor = painter->worldTransform().map(scenePoint) + pixelOffset;
    painter->save();
    painter->resetTransform();
    paintScreenLabel(painter, anchor, text, alignment, style);
    painter->restore();
}

double paintScale(const QPainter* painter)
{
    return qSqrt(qAbs(painter->worldTransform().determinant()));
}

} // namespace VelSystem
