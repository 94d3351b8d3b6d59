#include "laystore/view/PieceGroupItem.h"

#include "VelGui/AbstractTool.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/view/SceneDrawing.h"

#include <QPainter>
#include <QtMath>
#include <array>

namespace VelSystem {

namespace {

// Notch ticks reach this far into the piece, in centimetres.
constexpr double kNotchLength = 0.5;

const QColor kOutlineColour(40, 40, 40);
const QColor kOverlapColour(210, 20, 20);
const QColor kBlockingColour(30, 60, 160);

QPainterPath closedPath(const GeoPolygon2D& polygon)
{
    QPainterPath path;
    QPolygonF points;
    points.reserve(polygon.size() + 1);
    for (const GeoPoint2D& p : polygon.points())
        points << toQPointF(p);
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The notches of one outline, as ticks pointing into the piece.
void addNotchTicks(const CDbVectorsObjectTable& outline, const GeoPolygon2D& polygon, QPainterPath& ticks)
{
    const GeoRectangle box = polygon.boundingRect();
    const double length = qMin(kNotchLength, 0.25 * qMin(box.width(), box.height()));
    for (int i = 0; i < outline.size(); ++i) {
        const GeoPoint2D inward = outline.inwardNormal(i);
        if (!outline[i].isNotch() || inward == GeoPoint2D())
            continue;
        ticks.moveTo(toQPointF(outline[i]));
        ticks.lineTo(toQPointF(outline[i] + inward * length));
    }
}

// A grain line with an arrowhead at each end.
void addGrainLine(const GeoPoint2D& start, const GeoPoint2D& end, QPainterPath& lines)
{
    const GeoPoint2D direction = end - start;
    const double length = direction.module();
    if (length <= 0.0)
        return;
    lines.moveTo(toQPointF(start));
    lines.lineTo(toQPointF(end));
    const double head = qMin(1.0, 0.15 * length);
    const GeoPoint2D along = direction * (head / length);
    const GeoPoint2D across = GeoPoint2D(-along.y, along.x) * 0.5;
    for (const auto& [tip, back] : {std::pair{end, end - along}, std::pair{start, start + along}}) {
        lines.moveTo(toQPointF(back + across));
        lines.lineTo(toQPointF(tip));
        lines.lineTo(toQPointF(back - across));
    }
}

QString pieceLabel(const CDbGrPolysObject& group, const CDbPolygon& polygon)
{
    const CDbMarkerDrawing* drawing = group.drawing();
    const CDbFabricObject* fabric = drawing ? drawing->fabric(group.fabricIndex()) : nullptr;
    const CDbPieceObject* piece = fabric ? fabric->piece(polygon.pieceIndex()) : nullptr;
    if (!piece)
        return QString();
    const CDbPieceSizeObject* size = piece->getPieceSize(polygon.sizeIndex());
    const QString name = polygon.partName(piece->name());
    if (!size || size->name().isEmpty() || piece->getNumberOfSizes() < 2)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, size->name());
}

} // namespace

PieceGroupItem::PieceGroupItem(CDbGrPolysObject* group) : MarkerObjectItem(group) {}

CDbGrPolysObject* PieceGroupItem::group() const
{
    return static_cast<CDbGrPolysObject*>(object());
}

QColor PieceGroupItem::fabricColour(const CDbGrPolysObject& group)
{
    const CDbMarkerDrawing* drawing = group.drawing();
    const CDbFabricObject* fabric = drawing ? drawing->fabric(group.fabricIndex()) : nullptr;
    if (fabric && fabric->colour().isValid())
        return fabric->colour();
    static const std::array<QColor, 6> palette = {QColor(70, 130, 200),  QColor(60, 160, 90),
                                                  QColor(170, 110, 190), QColor(200, 150, 50),
                                                  QColor(80, 170, 170),  QColor(190, 90, 90)};
    const int index = qMax(0, static_cast<int>(group.fabricIndex()));
    return palette[static_cast<size_t>(index) % palette.size()];
}

void PieceGroupItem::rebuild()
{
    const CDbGrPolysObject& g = *group();
    mColour = fabricColour(g);
    mOutlines.clear();
    mNotches = QPainterPath();
    mGrainLines = QPainterPath();
    mInternalSegments = QPainterPath();
    for (const CDbPolygon& polygon : g.polygons()) {
        if (polygon.contours().isEmpty())
            continue;
        const GeoPolygon2D shape = polygon.pieceOutline().toPolygon();
        Outline outline;
        outline.path = closedPath(shape);
        outline.blocking = polygon.isBlockingPolygon();
        const GeoRectangle box = shape.boundingRect();
        outline.labelPoint = toQPointF(box.center());
        outline.labelRoom = box.width();
        outline.label = outline.blocking ? QString() : pieceLabel(g, polygon);
        mOutlines.push_back(outline);
        // What the knife cuts around the piece (a blocking, a cut-down union) shows as a block.
        if (polygon.contours().hasOverlaidContour()) {
            Outline cut;
            cut.path = closedPath(polygon.cutOutline().toPolygon());
            cut.blocking = true;
            mOutlines.push_back(cut);
        }
        addNotchTicks(polygon.pieceOutline(), shape, mNotches);
        addGrainLine(polygon.grainStart(), polygon.grainEnd(), mGrainLines);
        for (const CDbInternalSegment& segment : polygon.internalSegments()) {
            const std::vector<CDbMarkerPointObject>& points = segment.points().points();
            for (size_t i = 0; i < points.size(); ++i) {
                if (i == 0)
                    mInternalSegments.moveTo(toQPointF(points[i]));
                else
                    mInternalSegments.lineTo(toQPointF(points[i]));
            }
        }
    }
}

bool PieceGroupItem::showsControlPoints(const QWidget* viewport)
{
    const auto* view = viewport ? qobject_cast<const DocumentView*>(viewport->parentWidget()) : nullptr;
    return view && view->tool() && view->tool()->id() == kEditBlockingTool;
}

void PieceGroupItem::drawControlPoints(QPainter* painter, const CDbGrPolysObject& group)
{
    const CDbVectorsObjectTable* contour = group.editableBlockingContour();
    if (!contour)
        return;
    const double half = kControlPointPixels / 2.0 / paintScale(painter);
    painter->setPen(cosmeticPen(kBlockingColour, 1.0));
    painter->setBrush(Qt::white);
    for (const CDbMarkerPointObject& p : contour->points()) {
        if (p.type() != CDbMarkerPointObject::Curve)
            painter->drawRect(QRectF(p.x - half, p.y - half, 2.0 * half, 2.0 * half));
    }
}

void PieceGroupItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* widget)
{
    const CDbGrPolysObject& g = *group();
    const bool preview = g.isDragged();
    const bool overlapping = g.isOverlapping();
    QColor fill = overlapping ? kOverlapColour : mColour;
    fill.setAlpha(preview ? 60 : overlapping ? 80 : 95);
    const QPen outlinePen = overlapping
                                ? cosmeticPen(kOverlapColour, 2.0)
                                : cosmeticPen(kOutlineColour, 1.0, preview ? Qt::DashLine : Qt::SolidLine);
    // The hatch pattern is laid in pixels, so that it reads the same at every zoom.
    QBrush hatch(kOverlapColour, Qt::BDiagPattern);
    hatch.setTransform(painter->worldTransform().inverted());

    for (const Outline& outline : mOutlines) {
        if (outline.blocking) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(cosmeticPen(kBlockingColour, 1.0, Qt::DashLine));
            painter->drawPath(outline.path);
            continue;
        }
        if (g.isSelected()) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(cosmeticPen(kSelectionColour, 4.0));
            painter->drawPath(outline.path);
        }
        painter->setPen(outlinePen);
        painter->setBrush(fill);
        painter->drawPath(outline.path);
        if (overlapping)
            painter->fillPath(outline.path, hatch);
    }

    if (showsControlPoints(widget))
        drawControlPoints(painter, g);

    painter->setBrush(Qt::NoBrush);
    painter->setPen(cosmeticPen(kOutlineColour, 1.0));
    painter->drawPath(mNotches);
    painter->setPen(cosmeticPen(kOutlineColour, 1.0, Qt::DashDotLine));
    painter->drawPath(mInternalSegments);
    painter->setPen(cosmeticPen(mColour.darker(180), 1.0));
    painter->drawPath(mGrainLines);

    const double scale = paintScale(painter);
    ScreenLabelStyle style;
    style.colour = kOutlineColour;
    style.pointSize = 8;
    for (const Outline& outline : mOutlines) {
        // Only where the name fits inside the piece: a label spilling over its neighbours
        // would hide more than it tells.
        if (!outline.label.isEmpty() &&
            screenLabelRect(outline.label, Qt::AlignCenter, style).width() < outline.labelRoom * scale)
            drawScreenLabel(painter, outline.labelPoint, outline.label, Qt::AlignCenter, style);
    }
}

} // namespace VelSystem
