#include "laystore/ops/CDbAngleCutHelper.h"

#include "laystore/CDbGrPolysObject.h"

#include <algorithm>
#include <cmath>

namespace VelSystem {

namespace {

// How many times a grain line longer than its part is shortened by a quarter at most.
constexpr int kGrainShortenings = 20;

// The side's one part of `outline`, or none when the line leaves that side empty or in pieces.
const GeoPolygon2D::Derived* onePart(const std::vector<GeoPolygon2D::Derived>& side)
{
    return side.size() == 1 ? &side.front() : nullptr;
}

// The part as marker points: traced vertices keep the outline's points with what they carry.
CDbVectorsObjectTable tracedContour(const GeoPolygon2D::Derived& part, const CDbVectorsObjectTable& outline)
{
    CDbVectorsObjectTable contour;
    for (int i = 0; i < part.outline.size(); ++i) {
        const int source = part.sources[static_cast<size_t>(i)];
        contour.append(source >= 0 ? outline[source] : CDbMarkerPointObject(part.outline[i]));
    }
    return contour;
}

// The centre of mass, or for a part curved round it the middle of where the level line through
// that centre crosses the part (the points a split makes, on an edge inside the part).
GeoPoint2D pointInside(const GeoPolygon2D& outline)
{
    const GeoPoint2D centre = outline.centroid();
    if (outline.containsPoint(centre))
        return centre;
    for (const GeoPolygon2D::Derived& part : outline.splitAlong(centre, 0.0).left) {
        std::vector<GeoPoint2D> made;
        for (int i = 0; i < part.outline.size(); ++i) {
            if (part.sources[static_cast<size_t>(i)] < 0)
                made.push_back(part.outline[i]);
        }
        if (made.size() == 2)
            return (made[0] + made[1]) / 2.0;
    }
    return centre;
}

} // namespace

std::pair<std::unique_ptr<CDbGrPolysObject>, std::unique_ptr<CDbGrPolysObject>>
CDbAngleCutHelper::cutWithAngle(const CDbGrPolysObject& group, const GeoPoint2D& through, double degrees,
                                double seam, Code* code)
{
    *code = NotCuttable;
    if (group.polygonCount() != 1 || group.isCutDown() || group.isBlocked() ||
        group.polygon(0).contours().isEmpty())
        return {};
    *code = MissesPiece;
    if (!through.isFinite() || !std::isfinite(degrees) || !std::isfinite(seam))
        return {};
    const CDbPolygon& piece = group.polygon(0);
    const CDbVectorsObjectTable& outline = piece.pieceOutline();
    const GeoPolygon2D shape = outline.toPolygon();
    const GeoPoint2D along = GeoPoint2D(1.0, 0.0).rotated(degrees);
    const GeoPoint2D leftNormal(-along.y, along.x);
    const GeoPolygon2D::Split cut = shape.splitAlong(through, degrees);
    if (!onePart(cut.left) || !onePart(cut.right))
        return {};
    // How far each part reaches from the line: a seam wider than a part would eat it.
    double reachLeft = 0.0, reachRight = 0.0;
    for (const GeoPoint2D& p : shape.points()) {
        const double d = (p - through).x * leftNormal.x + (p - through).y * leftNormal.y;
        reachLeft = std::max(reachLeft, d);
        reachRight = std::max(reachRight, -d);
    }
    *code = PartTooThin;
    if (seam < 0.0 || reachLeft <= seam || reachRight <= seam)
        return {};
    // Each side continued past the cut by the seam: the outline split along the line moved by
    // the seam into the other side.
    const GeoPolygon2D::Split leftCut = shape.splitAlong(through - leftNormal * seam, degrees);
    const GeoPolygon2D::Split rightCut = shape.splitAlong(through + leftNormal * seam, degrees);
    const GeoPolygon2D::Derived* parts[2] = {onePart(leftCut.left), onePart(rightCut.right)};
    if (!parts[0] || !parts[1]) {
        *code = MissesPiece;
        return {};
    }

    const GeoPoint2D grainMiddle = (piece.grainStart() + piece.grainEnd()) / 2.0;
    const auto partGroup = [&](int side) {
        const GeoPolygon2D::Derived& part = *parts[side];
        CDbPolygon polygon = piece;
        polygon.contours() = CDbContourObject();
        polygon.contours().addContour(piece.contours().contour(0));
        polygon.contours().addContour(tracedContour(part, outline), CDbContourObject::AngleCutSeam);
        polygon.setAngleCutPart(static_cast<short>(side + 1));
        // The grain line stays within its part: moved inside when its middle fell on the
        // other side, then shortened about its middle until both ends lie inside.
        const GeoPoint2D middle =
            part.outline.containsPoint(grainMiddle) ? grainMiddle : pointInside(part.outline);
        GeoPoint2D half = (piece.grainEnd() - piece.grainStart()) / 2.0;
        for (int i = 0; i < kGrainShortenings && !(part.outline.containsPoint(middle - half) &&
                                                   part.outline.containsPoint(middle + half));
             ++i)
            half = half * 0.75;
        polygon.setGrainLine(middle - half, middle + half);
        std::unique_ptr<CDbGrPolysObject> result(static_cast<CDbGrPolysObject*>(group.clone()));
        result->polygons() = {polygon};
        result->setCutDownMark(false);
        return result;
    };
    *code = Success;
    return {partGroup(0), partGroup(1)};
}

} // namespace VelSystem
