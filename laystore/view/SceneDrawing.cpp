#include "laystore/view/SceneDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace VelSystem {

namespace {

QFont labelFont(int pointSize, bool bold)
{
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

void drawScreenLabel(QPainter* painter, const QPointF& scenePoint, const QString& text,
                     Qt::Alignment alignment, const QColor& colour, int pointSize, bool bold,
                     const QPointF& pixelOffset)
{
    const QFont font = labelFont(pointSize, bold);
    const QFontMetricsF metrics(font);
    const QPointF anchor = painter->worldTransform().map(scenePoint) + pixelOffset;
    const double width = metrics.horizontalAdvance(text);
    double left = anchor.x();
    if (alignment & Qt::AlignHCenter)
        left -= width / 2.0;
    else if (alignment & Qt::AlignRight)
        left -= width;
    double baseline = anchor.y() + metrics.ascent() / 2.0 - metrics.descent() / 2.0;
    if (alignment & Qt::AlignTop)
        baseline = anchor.y() + metrics.ascent();
    else if (alignment & Qt::AlignBottom)
        baseline = anchor.y() - metrics.descent();

    painter->save();
    painter->resetTransform();
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(QPointF(left, baseline), text);
    painter->restore();
}

double screenLabelWidth(const QString& text, int pointSize, bool bold)
{
    return QFontMetricsF(labelFont(pointSize, bold)).horizontalAdvance(text);
}

double paintScale(const QPainter* painter)
{
    return qSqrt(qAbs(painter->worldTransform().determinant()));
}

} // namespace VelSystem
