#include "laystore/ops/KnifePath.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/DocumentMak.h"

#include <algorithm>

namespace VelSystem {

namespace {

double runLength(const std::vector<GeoPoint2D>& points)
{
    double length = 0.0;
    for (size_t i = 1; i < points.size(); ++i)
        length += points[i - 1].distance(points[i]);
    return length;
}

// Splits a run at every inner point where the knife lifts and plunges.
void addSplitAtLifts(const CDbVectorsObjectTable& outline, const std::vector<int>& run,
                     std::vector<std::vector<GeoPoint2D>>& strokes)
{
    std::vector<GeoPoint2D> stroke;
    for (size_t k = 0; k < run.size(); ++k) {
        const CDbMarkerPointObject& p = outline[run[k]];
        stroke.push_back(p);
        if (k > 0 && k + 1 < run.size() && p.hasFeature(PointFeature::LiftPlunge)) {
            strokes.push_back(stroke);
            stroke = {p};
        }
    }
    strokes.push_back(stroke);
}

// Indexes from `from` to `to` going forward (step 1) or backward (step -1) round the outline.
std::vector<int> around(int from, int to, int step, int n)
{
    std::vector<int> run{from};
    for (int i = (from + step + n) % n; run.size() < static_cast<size_t>(n) + 1; i = (i + step + n) % n) {
        run.push_back(i);
        if (i == to)
            break;
    }
    return run;
}

} // namespace

std::vector<const CDbVectorsObjectTable*> KnifePath::knifeOutlines(const CDbGrPolysObject& group)
{
    std::vector<const CDbVectorsObjectTable*> outlines;
    const std::vector<CDbPolygon>& polygons = group.polygons();
    // A blocked group: its blockings first, then each piece inside them.
    if (std::any_of(polygons.begin(), polygons.end(), [](const CDbPolygon& p) { return p.isBlocking(); })) {
        for (const CDbPolygon& p : polygons) {
            if (p.isBlocking())
                outlines.push_back(&p.cutOutline());
        }
        for (const CDbPolygon& p : polygons) {
            if (!p.isBlockingPolygon() && !p.contours().isEmpty())
                outlines.push_back(&p.pieceOutline());
        }
        return outlines;
    }
    for (const CDbPolygon& p : polygons) {
        // The second piece of a cut-down pair is cut with the first, along their union.
        const int partner = p.cutDownPartner();
        const bool cutWithPartner = partner >= 0 && partner < group.polygonCount() &&
                                    group.polygon(partner).contours().hasOverlaidContour() &&
                                    !p.contours().hasOverlaidContour();
        if (!p.contours().isEmpty() && !cutWithPartner)
            outlines.push_back(&p.cutOutline());
    }
    return outlines;
}

std::vector<std::vector<GeoPoint2D>> KnifePath::outlineStrokes(const CDbVectorsObjectTable& outline)
{
    const int n = outline.size();
    std::vector<std::vector<GeoPoint2D>> strokes;
    if (n < 2)
        return strokes;
    const int start = outline.firstWith(PointFeature::SymmetricalCut);
    const int end = outline.firstWith(PointFeature::SymmetricalEnd);
    if (start >= 0 && end >= 0 && start != end) {
        addSplitAtLifts(outline, around(start, end, 1, n), strokes);
        addSplitAtLifts(outline, around(start, end, -1, n), strokes);
    } else {
        const int first = std::max(0, outline.firstWith(PointFeature::StartPoint));
        addSplitAtLifts(outline, around(first, first, 1, n), strokes);
    }
    return strokes;
}

void KnifePath::addGroup(const CDbGrPolysObject& group)
{
    const int first = static_cast<int>(mStrokes.size());
    for (const CDbVectorsObjectTable* outline : knifeOutlines(group)) {
        for (std::vector<GeoPoint2D>& points : outlineStrokes(*outline))
            mStrokes.push_back({Knife, std::move(points)});
    }
    for (const CDbPolygon& polygon : group.polygons()) {
        if (polygon.contours().isEmpty())
            continue;
        const CDbVectorsObjectTable& notched =
            polygon.isBlockingPolygon() ? polygon.cutOutline() : polygon.pieceOutline();
        for (int p = 0; p < notched.size(); ++p) {
            if (notched[p].isConvertedNotch())
                mStrokes.push_back(
                    {NotchCutter, {notched[p], notched[p] + notched.inwardNormal(p) * kSlitDepth}});
        }
    }
    for (int i = 0; i < group.polygonCount(); ++i) {
        for (const CDbInternalSegment& segment : group.polygon(i).internalSegments()) {
            for (std::vector<GeoPoint2D>& points : segment.knifeStrokes())
                mStrokes.push_back({Knife, std::move(points)});
        }
    }
    mPieces.push_back({&group, first, static_cast<int>(mStrokes.size())});
}

KnifePath KnifePath::ofCurrentLayer(const DocumentMak& document)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    document.drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    return code == 0 && fabric ? build(*fabric, layer) : KnifePath();
}

KnifePath KnifePath::build(const CDbFabricObject& fabric, short layer)
{
    KnifePath path;
    const CDbFabricLayerObject* found = fabric.layer(layer);
    if (!found)
        return path;
    for (const CDbGrPolysObject* group : fabric.groupsInCutOrder(layer))
        path.addGroup(*group);
    for (const CDbAbstractObject* object : found->objects()) {
        if (const auto* hole = qobject_cast<const CDbPunchHoleObject*>(object))
            path.mStrokes.push_back({Punch, {hole->centre()}});
    }
    return path;
}

int KnifePath::strokeEnd(int pieceCount) const
{
    if (pieceCount <= 0)
        return 0;
    if (pieceCount >= static_cast<int>(mPieces.size()))
        return static_cast<int>(mStrokes.size());
    return mPieces[static_cast<size_t>(pieceCount - 1)].endStroke;
}

double KnifePath::cutLength(int pieceCount) const
{
    double length = 0.0;
    for (int s = 0, end = strokeEnd(pieceCount); s < end; ++s)
        length += runLength(mStrokes[static_cast<size_t>(s)].points);
    return length;
}

double KnifePath::airLength(int pieceCount) const
{
    double length = 0.0;
    GeoPoint2D at;
    for (int s = 0, end = strokeEnd(pieceCount); s < end; ++s) {
        const std::vector<GeoPoint2D>& points = mStrokes[static_cast<size_t>(s)].points;
        length += at.distance(points.front());
        at = points.back();
    }
    return length;
}

double KnifePath::cutLength() const
{
    return cutLength(static_cast<int>(mPieces.size()) + 1);
}

double KnifePath::airLength() const
{
    return airLength(static_cast<int>(mPieces.size()) + 1);
}

} // namespace VelSystem
