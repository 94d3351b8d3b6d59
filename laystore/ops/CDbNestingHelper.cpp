#include "laystore/ops/CDbNestingHelper.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/LinkMatching.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace VelSystem {

namespace {

// Turns closer than this (degrees) are the same turn.
constexpr double kSameTurn = 1e-6;

double normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

bool sameTurn(double a, double b)
{
    const double d = std::fabs(normalised(a) - normalised(b));
    return d < kSameTurn || d > 360.0 - kSameTurn;
}

GeoRectangle extentOf(const std::vector<GeoPolygon2D>& outlines)
{
    GeoRectangle extent;
    for (const GeoPolygon2D& outline : outlines)
        extent.include(outline.boundingRect());
    return extent;
}

} // namespace

CDbNestingHelper::CDbNestingHelper(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                                   const GeoRectangle& region, NestProblem::Goal goal)
    : mDocument(document), mFabric(fabric), mLayer(layer)
{
    const double width = fabric->getFabricLayerWidth(layer);
    mProblem.goal = goal;
    mProblem.area =
        GeoRectangle(std::max(region.xmin, 0.0), std::max(region.ymin, 0.0),
                     goal == NestProblem::FillArea ? region.xmax : std::numeric_limits<double>::infinity(),
                     goal == NestProblem::FillArea ? std::min(region.ymax, width) : width);
    for (CDbGrPolysObject* group : document.groups(fabric, layer)) {
        if (!group->isValid())
            continue;
        if (group->section() == CDbGrPolysObject::SectionStandby) {
            mWaiting.append(group);
            mProblem.pieces.push_back({group->cutOutlines(), allowedTurns(*group, *fabric)});
        } else if (group->boundingRect().intersect(mProblem.area)) {
            mProblem.obstacles.push_back(group->cutOutlines());
        }
    }
}

std::vector<NestOrientation> CDbNestingHelper::allowedTurns(const CDbGrPolysObject& group,
                                                            const CDbFabricObject& fabric)
{
    std::vector<double> turns;
    bool first = true;
    for (const CDbPolygon& polygon : group.polygons()) {
        const CDbPieceObject* piece = fabric.piece(polygon.pieceIndex());
        if (polygon.isBlockingPolygon() || !piece)
            continue;
        std::vector<double> own;
        for (double rotation : piece->allowedRotations())
            own.push_back(normalised(rotation - polygon.rotation()));
        if (first)
            turns = own;
        else
            turns.erase(std::remove_if(turns.begin(), turns.end(),
                                       [&own](double t) {
                                           return std::none_of(own.begin(), own.end(),
                                                               [t](double o) { return sameTurn(t, o); });
                                       }),
                        turns.end());
        first = false;
    }
    std::vector<NestOrientation> orientations;
    for (double turn : turns) {
        // A turn within rounding of none keeps the group exactly as it lies.
        orientations.push_back({sameTurn(turn, 0.0) ? 0.0 : turn, false});
    }
    if (orientations.empty())
        orientations.push_back(NestOrientation());
    return orientations;
}

std::unique_ptr<CDbGrPolysObject>
CDbNestingHelper::laidCopy(int index, const NestPlacement& placement,
                           const std::vector<const CDbGrPolysObject*>& alsoLaid) const
{
    const CDbGrPolysObject& group = *mWaiting[index];
    std::unique_ptr<CDbGrPolysObject> copy(static_cast<CDbGrPolysObject*>(group.clone()));
    copy->setSelected(false);
    if (placement.orientation.mirrored)
        copy->mirrorVertically();
    if (placement.orientation.angle != 0.0)
        copy->rotate(placement.orientation.angle);
    // The copy turned about its centre lies where the placement's turn about the origin puts
    // the outlines, give or take a shift: the boxes' corners tell it.
    const GeoRectangle target = extentOf(placement.apply(group.cutOutlines()));
    GeoPoint2D shift = target.leftBottom() - extentOf(copy->cutOutlines()).leftBottom();
    copy->translate(shift);
    copy->setSection(CDbGrPolysObject::SectionFabric);
    const CDbMarkerDrawing& drawing = *mDocument.drawing();
    GeoPoint2D matched;
    if (LinkMatching(drawing, drawing.fabricIndex(mFabric), mLayer, alsoLaid)
            .freeMatchingMove(mDocument, *copy, nullptr, GeoPoint2D(0, 0), &matched))
        copy->translate(matched);
    return copy;
}

} // namespace VelSystem
