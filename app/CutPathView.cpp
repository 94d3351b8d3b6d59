#include "CutPathView.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/SceneDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace VelSystem {

namespace {

const QColor kFabricColour(245, 243, 236);
const QColor kPieceColour(200, 200, 200);
const QColor kCutColour(30, 30, 30);
const QColor kAirColour(60, 120, 220);
const QColor kStartColour(210, 30, 30);
const QColor kNotchColour(220, 120, 0);
const QColor kPunchColour(150, 40, 140);

} // namespace

CutPathView::CutPathView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cutPathView"));
    setMinimumSize(200, 100);
}

void CutPathView::setDocument(const boost::shared_ptr<DocumentMak>& document)
{
    // The dock rebuilds the path when it is shown.
    mDocument = document;
    mPath = KnifePath();
    update();
}

void CutPathView::rebuild()
{
    mPath = mDocument ? KnifePath::ofCurrentLayer(*mDocument) : KnifePath();
    mShown = std::min(mShown, static_cast<int>(mPath.pieces().size()));
    update();
}

void CutPathView::setShownPieces(int count)
{
    mShown = count;
    update();
}

void CutPathView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    if (mDocument)
        mDocument->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0 || !fabric)
        return;
    const double width = fabric->getFabricLayerWidth(layer);
    const double length = std::max(mDocument->markerLength(), 1.0);
    // The whole layer fits with a margin; y grows upward as in the marker's views.
    constexpr double kMargin = 10.0;
    const double scale =
        std::min((this->width() - 2.0 * kMargin) / length, (height() - 2.0 * kMargin) / width);
    if (scale <= 0.0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kMargin, kMargin + width * scale);
    painter.scale(scale, -scale);
    painter.fillRect(QRectF(0.0, 0.0, length, width), kFabricColour);

    const std::vector<KnifePath::Piece>& pieces = mPath.pieces();
    painter.setPen(cosmeticPen(kPieceColour, 1.0));
    for (const KnifePath::Piece& piece : pieces) {
        for (const GeoPolygon2D& outline : piece.group->cutOutlines()) {
            QPolygonF polygon;
            for (const GeoPoint2D& p : outline.points())
                polygon << toQPointF(p);
            painter.drawPolygon(polygon);
        }
    }

    const bool all = mShown >= static_cast<int>(pieces.size());
    const int strokeEnd = all ? static_cast<int>(mPath.strokes().size())
                              : (mShown > 0 ? pieces[static_cast<size_t>(mShown - 1)].endStroke : 0);
    GeoPoint2D at;
    for (int s = 0; s < strokeEnd; ++s) {
        const KnifePath::Stroke& stroke = mPath.strokes()[static_cast<size_t>(s)];
        painter.setPen(cosmeticPen(kAirColour, 1.0, Qt::DashLine));
        painter.drawLine(toQPointF(at), toQPointF(stroke.points.front()));
        at = stroke.points.back();
        if (stroke.tool == KnifePath::Punch) {
            painter.setPen(cosmeticPen(kPunchColour, 1.5));
            painter.drawEllipse(toQPointF(at), 0.4, 0.4);
            continue;
        }
        QPainterPath run(toQPointF(stroke.points.front()));
        for (const GeoPoint2D& p : stroke.points)
            run.lineTo(toQPointF(p));
        painter.setPen(cosmeticPen(stroke.tool == KnifePath::NotchCutter ? kNotchColour : kCutColour, 1.5));
        painter.drawPath(run);
    }

    // Start points, the direction of each first cut, and the ranks, over the strokes.
    const double arrow = 6.0 / scale;
    for (int i = 0; i < std::min(mShown, static_cast<int>(pieces.size())); ++i) {
        const KnifePath::Piece& piece = pieces[static_cast<size_t>(i)];
        if (piece.firstStroke == piece.endStroke)
            continue;
        const std::vector<GeoPoint2D>& first = mPath.strokes()[static_cast<size_t>(piece.firstStroke)].points;
        painter.setPen(cosmeticPen(kStartColour, 1.5));
        painter.setBrush(kStartColour);
        painter.drawEllipse(toQPointF(first.front()), 2.5 / scale, 2.5 / scale);
        if (first.size() > 1) {
            const GeoPoint2D d = first[1] - first[0];
            const double norm = d.module();
            if (norm > 0.0) {
                const GeoPoint2D u = d * (1.0 / norm), tip = first[0] + u * std::min(norm, 4.0 * arrow);
                const GeoPoint2D side(-u.y, u.x);
                painter.drawLine(toQPointF(first[0]), toQPointF(tip));
                painter.drawPolygon(QPolygonF(
                    QVector<QPointF>{toQPointF(tip), toQPointF(tip - u * arrow + side * (arrow / 2.0)),
                                     toQPointF(tip - u * arrow - side * (arrow / 2.0))}));
            }
        }
        // Text upright: drawn in pixels at the piece's centre.
        const QPointF centre = painter.transform().map(toQPointF(piece.group->boundingRect().center()));
        painter.save();
        painter.resetTransform();
        painter.setPen(kCutColour);
        painter.drawText(QRectF(centre - QPointF(20, 10), QSizeF(40, 20)), Qt::AlignCenter,
                         QString::number(i + 1));
        painter.restore();
        painter.setBrush(Qt::NoBrush);
    }
}

} // namespace VelSystem
