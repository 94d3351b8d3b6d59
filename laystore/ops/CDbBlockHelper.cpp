#include "laystore/ops/CDbBlockHelper.h"

#include "VelGeo/GeoRegion.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <set>

namespace VelSystem {

namespace {

// A mitre as short as the offset allows: the block keeps the piece's corners without spikes.
constexpr double kMitreLimit = 2.0;
// How far simplification may move the block's outline inward, at most a quarter of the margin.
constexpr double kSimplifyTolerance = 0.05;
// A point this close to a fabric edge lies on it.
constexpr double kEdgeTolerance = 0.00012;
// A point of a result this close to a point of the outlines it was made from is that point
// (booleans round to 1e-5 cm).
constexpr double kSamePoint = 1e-4;
// Halvings of a drag that would break the blocking, to find how much of it is possible.
constexpr int kDragHalvings = 8;

// The blocking outlines of a group: its fusion, or the blockings of its polygons.
std::vector<GeoPolygon2D> blockingsOf(const CDbGrPolysObject& group)
{
    std::vector<GeoPolygon2D> blockings;
    for (const CDbPolygon& p : group.polygons()) {
        if (p.isBlocking())
            blockings.push_back(p.cutOutline().toPolygon());
    }
    return blockings;
}

// True when the two outlines share area or an edge: their union is one piece of fabric.
bool meetsOrTouches(const GeoPolygon2D& a, const GeoPolygon2D& b)
{
    GeoRectangle box = a.boundingRect();
    box.expand(kEdgeTolerance, kEdgeTolerance);
    return box.intersect(b.boundingRect()) && GeoRegion::unite({a, b}).parts().size() == 1;
}

// The outline of the region's largest part, holes filled: a block is cut as one solid.
const GeoPolygon2D& solidOutline(const GeoRegion& region)
{
    const auto largest = std::max_element(
        region.parts().begin(), region.parts().end(),
        [](const GeoRegion::Part& a, const GeoRegion::Part& b) { return a.outer.area() < b.outer.area(); });
    return largest->outer;
}

// Few points of `outline`: corners become control points, curved stretches intermediate points.
CDbVectorsObjectTable contourOf(const GeoPolygon2D& outline, double tolerance)
{
    const GeoPolygon2D::Simplified simple = outline.simplified(tolerance);
    std::vector<CDbMarkerPointObject> points;
    for (int i = 0; i < simple.outline.size(); ++i)
        points.emplace_back(simple.outline[i], simple.onCurve[static_cast<size_t>(i)]
                                                   ? CDbMarkerPointObject::Curve
                                                   : CDbMarkerPointObject::Corner);
    // A round piece has no corner: control points spread evenly, so that it can still be edited.
    const auto controls = std::count_if(points.begin(), points.end(), [](const CDbMarkerPointObject& p) {
        return p.type() != CDbMarkerPointObject::Curve;
    });
    if (controls < 3) {
        const size_t step = std::max<size_t>(1, points.size() / 4);
        for (size_t i = 0; i < points.size(); i += step)
            points[i].setType(CDbMarkerPointObject::Corner);
    }
    CDbVectorsObjectTable contour(std::move(points));
    CDbBlockHelper::normalizeContour(contour);
    return contour;
}

// `outline` as a blocking contour keeping the points of the contours it was made from where it
// runs through them, control or intermediate as they were, also where it runs straight on
// through them; its other vertices, where those contours cross, are control points.
CDbVectorsObjectTable drawnContour(const GeoPolygon2D& outline,
                                   const std::vector<CDbVectorsObjectTable>& drawn)
{
    const auto kindAt = [&drawn](const GeoPoint2D& p) {
        for (const CDbVectorsObjectTable& contour : drawn) {
            for (const CDbMarkerPointObject& q : contour.points()) {
                if (q.equals(p, kSamePoint))
                    return q.type();
            }
        }
        return CDbMarkerPointObject::Corner;
    };
    std::vector<CDbMarkerPointObject> points;
    for (int i = 0; i < outline.size(); ++i) {
        const GeoPoint2D& a = outline[i];
        const GeoPoint2D& b = outline[(i + 1) % outline.size()];
        points.emplace_back(a, kindAt(a));
        std::vector<CDbMarkerPointObject> between;
        for (const CDbVectorsObjectTable& contour : drawn) {
            for (const CDbMarkerPointObject& q : contour.points()) {
                if (!q.equals(a, kSamePoint) && !q.equals(b, kSamePoint) &&
                    a.betweenDelta(&q, &b, kSamePoint))
                    between.emplace_back(q.projected(a, b), q.type());
            }
        }
        std::sort(between.begin(), between.end(),
                  [&a](const GeoPoint2D& p, const GeoPoint2D& q) { return p.distance(a) < q.distance(a); });
        points.insert(points.end(), between.begin(), between.end());
    }
    CDbVectorsObjectTable contour(std::move(points));
    CDbBlockHelper::normalizeContour(contour);
    return contour;
}

bool isControl(const CDbMarkerPointObject& p)
{
    return p.type() != CDbMarkerPointObject::Curve;
}

// The fabric edge the group's blocking keeps to, or none.
bool edgeOf(const CDbGrPolysObject& group, const CDbFabricObject& fabric, short layer, double* edge)
{
    const CDbPolygon* owner = group.blockingFusion();
    if (!owner && group.isBlockingPolygonExist())
        owner = &group.polygon(0);
    if (!owner || !owner->blocking().edgeSnapFlag())
        return false;
    const double width = fabric.getFabricLayerWidth(layer);
    switch (fabric.edgeMode()) {
    case 2:
        *edge = width;
        break;
    case 3:
        *edge = owner->blocking().edgeSnapValue() < 6e-5 ? 0.0 : width;
        break;
    default:
        *edge = 0.0;
    }
    return true;
}

// Snaps points lying on a fabric edge onto it and tells which edge the blocking keeps to.
void snapToFabricEdges(CDbVectorsObjectTable& contour, double width, CDbBlockingObject& blocking)
{
    for (CDbMarkerPointObject& p : contour.points()) {
        for (const double edge : {0.0, width}) {
            if (std::fabs(p.y - edge) < kEdgeTolerance) {
                p.y = edge;
                blocking.setEdgeSnap(true, edge);
            }
        }
    }
}

// The groups's blocking polygon after a change of its outline by hand.
void markEditedByHand(CDbGrPolysObject& group)
{
    CDbBlockingObject* blocking = group.editableBlocking();
    blocking->setBlockingStatus(CDbBlockingObject::ByHand);
    if (group.blockingFusion())
        group.setManualEditMark(true);
    else
        blocking->setManualEditMark(true);
}

// Puts `changed` in place of the edited blocking when the group stays valid with it.
short applyEdit(CDbGrPolysObject& group, CDbFabricObject* fabric, CDbVectorsObjectTable changed)
{
    CDbVectorsObjectTable& contour = *group.editableBlockingContour();
    std::swap(contour, changed);
    if (!group.isValidateManualBlocking(group.drawing(), fabric)) {
        std::swap(contour, changed);
        return CDbBlockHelper::kInvalidBlocking;
    }
    markEditedByHand(group);
    group.emitChanged();
    return 0;
}

// A piece's polygon without the block it carried.
CDbPolygon unblocked(CDbPolygon piece)
{
    CDbContourObject& contours = piece.contours();
    if (contours.count() > 1 && contours.origin(contours.count() - 1) == CDbContourObject::Blocking)
        contours.removeLastContour();
    piece.blocking() = CDbBlockingObject();
    return piece;
}

// A new group like `model` (its section and place) holding `pieces` and no blocking.
CDbGrPolysObject* plainGroup(const CDbGrPolysObject& model, std::vector<CDbPolygon> pieces)
{
    CDbGrPolysObject* group = model.clone(model.drawing(), false);
    group->setBlockingFusionIndex(-1);
    group->polygons() = std::move(pieces);
    group->setContourEditFlag(false);
    group->setManualEditMark(false);
    return group;
}

// A new group like `model` holding `pieces` inside `block`: a piece alone carries it as its
// own blocking, several pieces get a fusion polygon round them. A laid block keeps to the
// fabric edges it reaches.
CDbGrPolysObject* blockedGroup(const CDbGrPolysObject& model, std::vector<CDbPolygon> pieces,
                               CDbVectorsObjectTable block, double width, bool laid)
{
    CDbGrPolysObject* group = plainGroup(model, std::move(pieces));
    group->setContourEditFlag(true);
    CDbPolygon* owner = &group->polygon(0);
    if (group->hasMultiPolygon()) {
        CDbPolygon fusion;
        fusion.setBlocking(true);
        group->addPolygon(fusion);
        group->setBlockingFusionIndex(group->polygonCount() - 1);
        owner = group->blockingFusion();
    }
    owner->contours().addContour(block, CDbContourObject::Blocking);
    CDbBlockingObject& blocking = owner->blocking();
    blocking.setBlockingKind(group->hasMultiPolygon() ? CDbBlockingObject::Fusion
                                                      : CDbBlockingObject::Single);
    blocking.setBlockingStatus(CDbBlockingObject::Computed);
    if (laid)
        snapToFabricEdges(owner->contours().lastContour(), width, blocking);
    return group;
}

QString blockingText()
{
    return QCoreApplication::translate("VelSystem::CDbBlockHelper", "Blocking");
}

} // namespace

CDbVectorsObjectTable CDbBlockHelper::blockingOutline(const std::vector<GeoPolygon2D>& outlines,
                                                      double margin)
{
    const GeoRegion grown = GeoRegion::unite(outlines).offset(margin, GeoRegion::Join::Mitre, kMitreLimit);
    if (grown.isEmpty())
        return CDbVectorsObjectTable();
    return contourOf(solidOutline(grown), std::min(kSimplifyTolerance, margin / 4.0));
}

void CDbBlockHelper::blockingInFabric(const boost::shared_ptr<DocumentMak>& document, short section,
                                      CDbFabricObject* fabric, short layer, CDbGrPolysObject* group,
                                      short* code)
{
    const auto setCode = [code](short value) {
        if (code)
            *code = value;
    };
    if (!document || !fabric || document->drawing()->fabricIndex(fabric) < 0 || !fabric->layer(layer) ||
        !group || !fabric->layer(layer)->contains(group) || group->section() != section)
        return setCode(1);
    if (group->isCutDown())
        return setCode(kCannotPlace);
    if (fabric->isSelectionBlockingInvalid(group))
        return setCode(1);

    const double width = fabric->getFabricLayerWidth(layer);
    CDbVectorsObjectTable block = blockingOutline(group->pieceOutlines(), fabric->blockMargin());
    if (block.size() < 3)
        return setCode(1);
    const bool laid = section == CDbGrPolysObject::SectionFabric;
    const GeoRectangle box = block.boundingRect();
    if (laid && (box.ymin < -kEdgeTolerance || box.ymax > width + kEdgeTolerance))
        return setCode(kCannotPlace);

    // Laid blockings that meet this one fuse with it, and with those meeting them in turn.
    QListEx<CDbAbstractObject*> partners;
    std::vector<CDbVectorsObjectTable> drawn = {block};
    std::vector<GeoPolygon2D> fused = {block.toPolygon()};
    GeoPolygon2D extent = fused.front();
    for (bool grown = laid; grown;) {
        grown = false;
        GeoRectangle around = extent.boundingRect();
        around.expand(kEdgeTolerance, kEdgeTolerance);
        for (CDbAbstractObject* object : document->objectsIn(around, fabric, layer)) {
            auto* other = qobject_cast<CDbGrPolysObject*>(object);
            if (!other || other == group || partners.contains(other) ||
                other->section() != CDbGrPolysObject::SectionFabric)
                continue;
            const std::vector<GeoPolygon2D> blockings = blockingsOf(*other);
            if (blockings.empty()) {
                for (const GeoPolygon2D& outline : other->cutOutlines()) {
                    if (outline.overlaps(extent))
                        return setCode(kCannotPlace);
                }
                continue;
            }
            if (std::none_of(blockings.begin(), blockings.end(),
                             [&extent](const GeoPolygon2D& b) { return meetsOrTouches(b, extent); }))
                continue;
            partners.append(other);
            for (const CDbPolygon& p : other->polygons()) {
                if (p.isBlocking())
                    drawn.push_back(p.cutOutline());
            }
            fused.insert(fused.end(), blockings.begin(), blockings.end());
            extent = solidOutline(GeoRegion::unite(fused));
            grown = true;
        }
    }

    // The pieces keep their own outlines; a fusion holds the block round them all.
    std::vector<CDbPolygon> pieces = {group->polygon(0)};
    bool byHand = false;
    for (CDbAbstractObject* object : partners) {
        const auto* other = static_cast<const CDbGrPolysObject*>(object);
        byHand = byHand || other->manualEditMark();
        for (const CDbPolygon& piece : other->polygons()) {
            byHand = byHand || piece.blocking().manualEditMark();
            if (!piece.isBlockingPolygon())
                pieces.push_back(unblocked(piece));
        }
    }
    // Blockings shaped by hand keep their points; otherwise the fusion is simplified afresh.
    if (!partners.isEmpty())
        block = document->drawing()->manualDocumentIsFuse() ? drawnContour(extent, drawn)
                                                            : contourOf(extent, kSimplifyTolerance);
    CDbGrPolysObject* blocked = blockedGroup(*group, std::move(pieces), std::move(block), width, laid);
    blocked->setManualEditMark(!partners.isEmpty() && byHand);

    QListEx<CDbAbstractObject*> current = {group};
    current += partners;
    document->pushReplaceCmdUndo(current, {blocked}, fabric, layer, blockingText(), DocumentMak::ApplyOnPush);
    setCode(0);
}

void CDbBlockHelper::takeOutOfBlocking(const boost::shared_ptr<DocumentMak>& document,
                                       CDbFabricObject* fabric, short layer, CDbGrPolysObject* group,
                                       const GeoPoint2D& point, short* code)
{
    const auto setCode = [code](short value) {
        if (code)
            *code = value;
    };
    if (!document || !fabric || document->drawing()->fabricIndex(fabric) < 0 || !fabric->layer(layer) ||
        !group || !fabric->layer(layer)->contains(group) || !group->isBlocked())
        return setCode(1);
    std::vector<CDbPolygon> rest;
    for (const CDbPolygon& piece : group->polygons()) {
        if (!piece.isBlockingPolygon() && !piece.contours().isEmpty())
            rest.push_back(unblocked(piece));
    }
    if (rest.empty())
        return setCode(1);

    // The piece under the point, or the one nearest to it when the point lies in the block.
    const auto distance = [&point](const CDbPolygon& piece) {
        const GeoPolygon2D outline = piece.pieceOutline().toPolygon();
        return outline.containsPoint(point) ? 0.0 : outline.distanceToOutline(point);
    };
    const auto taken =
        std::min_element(rest.begin(), rest.end(), [&distance](const CDbPolygon& a, const CDbPolygon& b) {
            return distance(a) < distance(b);
        });
    QListEx<CDbAbstractObject*> replacements = {plainGroup(*group, {*taken})};
    rest.erase(taken);

    // The others are blocked again round themselves: blocks that still meet stay one fusion.
    const bool laid = group->section() == CDbGrPolysObject::SectionFabric;
    const double width = fabric->getFabricLayerWidth(layer);
    std::vector<GeoPolygon2D> outlines;
    for (const CDbPolygon& piece : rest)
        outlines.push_back(piece.pieceOutline().toPolygon());
    const double margin = fabric->blockMargin();
    const CDbPolygon* fusion = group->blockingFusion();
    const CDbVectorsObjectTable* asDrawn =
        fusion && document->drawing()->manualDocumentIsFuse() ? &fusion->cutOutline() : nullptr;
    const GeoRegion blocks = GeoRegion::unite(outlines).offset(margin, GeoRegion::Join::Mitre, kMitreLimit);
    size_t blocked = 0;
    for (const GeoRegion::Part& part : blocks.parts()) {
        std::vector<CDbPolygon> inside;
        std::copy_if(rest.begin(), rest.end(), std::back_inserter(inside), [&part](const CDbPolygon& piece) {
            return part.outer.encloses(piece.pieceOutline().toPolygon());
        });
        if (inside.empty())
            continue;
        blocked += inside.size();
        CDbVectorsObjectTable block = contourOf(part.outer, std::min(kSimplifyTolerance, margin / 4.0));
        // A fusion shaped by hand keeps its drawn outline where it runs inside the new block.
        if (asDrawn) {
            const GeoRegion kept = GeoRegion(block.toPolygon()).intersected(GeoRegion(asDrawn->toPolygon()));
            if (!kept.isEmpty())
                block = drawnContour(solidOutline(kept), {block, *asDrawn});
        }
        replacements.append(blockedGroup(*group, std::move(inside), std::move(block), width, laid));
    }
    const auto fits = [laid, width, &document, fabric](CDbAbstractObject* object) {
        const GeoRectangle box = object->boundingRect();
        return static_cast<CDbGrPolysObject*>(object)->isValidateManualBlocking(document->drawing(),
                                                                                fabric) &&
               (!laid || (box.ymin >= -kEdgeTolerance && box.ymax <= width + kEdgeTolerance));
    };
    if (blocked != rest.size() || !std::all_of(replacements.begin(), replacements.end(), fits)) {
        qDeleteAll(replacements);
        return setCode(kInvalidBlocking);
    }
    document->pushReplaceCmdUndo({group}, replacements, fabric, layer,
                                 QCoreApplication::translate("VelSystem::CDbBlockHelper", "Remove Blocking"),
                                 DocumentMak::ApplyOnPush);
    setCode(0);
}

void CDbBlockHelper::normalizeContour(CDbVectorsObjectTable& contour)
{
    std::vector<CDbMarkerPointObject>& points = contour.points();
    if (points.empty() || isControl(points.front()))
        return;
    const auto last = std::find_if(points.rbegin(), points.rend(), isControl);
    if (last != points.rend())
        std::rotate(points.begin(), std::prev(last.base()), points.end());
}

bool CDbBlockHelper::isOnFabricEdge(const CDbGrPolysObject& group, const CDbFabricObject& fabric, short layer,
                                    const GeoPoint2D& point)
{
    double edge = 0.0;
    return edgeOf(group, fabric, layer, &edge) && std::fabs(point.y - edge) < kEdgeTolerance;
}

short CDbBlockHelper::dragControlPoints(CDbGrPolysObject* group, CDbFabricObject* fabric, short layer,
                                        const std::vector<int>& indices, GeoPoint2D& delta)
{
    const CDbVectorsObjectTable* contour = group ? group->editableBlockingContour() : nullptr;
    if (!contour || !fabric)
        return kNoEditableBlocking;
    const int n = contour->size();
    // How far each point follows: control points fully, intermediate points by where they lie
    // between their moved control point and the next one that stays (by length along the
    // outline), points on the fabric edge only along it.
    std::vector<double> weight(static_cast<size_t>(n), 0.0);
    const auto at = [n](int i) { return ((i % n) + n) % n; };
    for (const int index : indices) {
        if (index < 0 || index >= n || !isControl((*contour)[index]))
            return kNoEditableBlocking;
        weight[static_cast<size_t>(index)] = 1.0;
        for (const int step : {1, -1}) {
            std::vector<int> run;
            int i = at(index + step);
            while (i != index && !isControl((*contour)[i])) {
                run.push_back(i);
                i = at(i + step);
            }
            std::vector<double> along = {0.0};
            GeoPoint2D previous = (*contour)[index];
            for (const int r : run) {
                along.push_back(along.back() + (*contour)[r].distance(previous));
                previous = (*contour)[r];
            }
            const double total = along.back() + (*contour)[i].distance(previous);
            for (size_t k = 0; k < run.size(); ++k) {
                double& w = weight[static_cast<size_t>(run[k])];
                w = std::min(1.0, w + (total > 0.0 ? 1.0 - along[k + 1] / total : 0.0));
            }
        }
    }
    const auto moved = [&](double fraction) {
        CDbVectorsObjectTable result = *contour;
        for (int i = 0; i < n; ++i) {
            CDbMarkerPointObject& p = result[i];
            const bool onEdge = isOnFabricEdge(*group, *fabric, layer, p);
            p.x += weight[static_cast<size_t>(i)] * fraction * delta.x;
            if (!onEdge)
                p.y += weight[static_cast<size_t>(i)] * fraction * delta.y;
        }
        return result;
    };
    // The largest part of the move that keeps the blocking whole, round its pieces and on the fabric.
    double fraction = 1.0;
    for (int halving = 0; halving <= kDragHalvings; ++halving, fraction /= 2.0) {
        if (applyEdit(*group, fabric, moved(fraction)) == 0) {
            delta = GeoPoint2D(delta.x * fraction, delta.y * fraction);
            return 0;
        }
    }
    delta = GeoPoint2D();
    return kInvalidBlocking;
}

short CDbBlockHelper::removeControlPoints(CDbGrPolysObject* group, CDbFabricObject* fabric,
                                          const std::vector<int>& indices)
{
    const CDbVectorsObjectTable* contour = group ? group->editableBlockingContour() : nullptr;
    if (!contour || !fabric)
        return kNoEditableBlocking;
    const int n = contour->size();
    std::set<int> removed;
    for (const int index : indices) {
        if (index < 0 || index >= n || !isControl((*contour)[index]))
            return kNoEditableBlocking;
        removed.insert(index);
        // The intermediate points on both sides go with it: they described its curve.
        for (const int step : {1, -1}) {
            for (int i = (index + step + n) % n; !isControl((*contour)[i]); i = (i + step + n) % n)
                removed.insert(i);
        }
    }
    CDbVectorsObjectTable changed;
    for (int i = 0; i < n; ++i) {
        if (!removed.count(i))
            changed.append((*contour)[i]);
    }
    if (std::count_if(changed.points().begin(), changed.points().end(), isControl) < 3)
        return kTooFewPoints;
    return applyEdit(*group, fabric, std::move(changed));
}

short CDbBlockHelper::insertControlPoint(CDbGrPolysObject* group, int side, const GeoPoint2D& point)
{
    CDbVectorsObjectTable* contour = group ? group->editableBlockingContour() : nullptr;
    if (!contour || side < 0 || side >= contour->size())
        return kNoEditableBlocking;
    const GeoPoint2D a = (*contour)[side];
    const GeoPoint2D b = (*contour)[(side + 1) % contour->size()];
    contour->insert(side + 1, CDbMarkerPointObject(point.projected(a, b), CDbMarkerPointObject::Corner));
    markEditedByHand(*group);
    group->emitChanged();
    return 0;
}

} // namespace VelSystem
