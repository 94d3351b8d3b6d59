#include "laystore/CDbGrPolysObject.h"

#include "VelGeo/GeoBoost.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace VelSystem {

namespace {

// How far a blocking may reach past a fabric edge: rounding of an outline laid along it.
constexpr double kFabricEdgeTolerance = 0.00012;

} // namespace

CDbGrPolysObject::CDbGrPolysObject() = default;

CDbGrPolysObject::~CDbGrPolysObject() = default;

bool CDbGrPolysObject::State::operator==(const State& o) const
{
    return polygons == o.polygons && section == o.section && fusionIndex == o.fusionIndex &&
           contourEditFlag == o.contourEditFlag && manualEditMark == o.manualEditMark;
}

GeoRectangle CDbGrPolysObject::boundingRect() const
{
    GeoRectangle r;
    for (const CDbPolygon& p : mState.polygons)
        r.include(p.boundingRect());
    return r;
}

CDbAbstractObject* CDbGrPolysObject::clone() const
{
    auto* copy = new CDbGrPolysObject();
    copy->copyFlagsFrom(*this);
    copy->mState = mState;
    copy->mOverlapping = mOverlapping;
    return copy;
}

CDbGrPolysObject* CDbGrPolysObject::clone(CDbMarkerDrawing* drawing, bool asPreview) const
{
    return static_cast<CDbGrPolysObject*>(CDbAbstractObject::clone(drawing, asPreview));
}

bool CDbGrPolysObject::isValid() const
{
    return !mState.polygons.empty() && std::all_of(mState.polygons.begin(), mState.polygons.end(),
                                                   [](const CDbPolygon& p) { return p.isValid(); });
}

void CDbGrPolysObject::translate(GeoPoint2D& delta)
{
    if (isPlaced() && mAdjustOffset) {
        const CDbFabricObject* fabric = drawing()->fabric(fabricIndex());
        if (!fabric)
            throw std::logic_error("CDbGrPolysObject::translate: the group's fabric is gone");
        const double width = fabric->getFabricLayerWidth(layerIndex());
        const GeoRectangle r = boundingRect();
        if (CDbMarkerShareGlobales::instance()->getNoNegative())
            delta.x = std::max(delta.x, -r.xmin);
        // The top of the standby area first, so that a group taller than both areas keeps
        // its bottom on the fabric's edge.
        delta.y = std::min(delta.y, 2.0 * width - r.ymax);
        delta.y = std::max(delta.y, -r.ymin);
    }
    if (delta == GeoPoint2D())
        return;
    for (CDbPolygon& p : mState.polygons)
        p.translate(delta);
    emitChanged();
}

void CDbGrPolysObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* group = qobject_cast<CDbGrPolysObject*>(other);
    if (!group)
        throw std::invalid_argument("CDbGrPolysObject::exchangeInfos: the other object is not a piece group");
    if (group == this)
        return;
    std::swap(mState, group->mState);
    emitChanged();
    group->emitChanged();
}

bool CDbGrPolysObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* group = qobject_cast<const CDbGrPolysObject*>(&other);
    return group && sameFlags(other) && mState == group->mState;
}

bool CDbGrPolysObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    for (const CDbPolygon& p : mState.polygons) {
        GeoRectangle r = p.boundingRect();
        r.expand(tolerance, tolerance);
        if (!r.contains(point))
            continue;
        const GeoPolygon2D outline = p.cutOutline().toPolygon();
        if (outline.containsPoint(point) || outline.distanceToOutline(point) <= tolerance)
            return true;
    }
    return false;
}

bool CDbGrPolysObject::meets(const GeoPolygon2D& area) const
{
    if (area.size() < 3)
        return false;
    const BgPolygon bgArea = toBgPolygon(area);
    return std::any_of(mState.polygons.begin(), mState.polygons.end(), [&bgArea](const CDbPolygon& p) {
        return !p.contours().isEmpty() && bg::intersects(toBgPolygon(p.cutOutline().toPolygon()), bgArea);
    });
}

bool CDbGrPolysObject::overlaps(const CDbGrPolysObject& other) const
{
    if (!boundingRect().intersect(other.boundingRect()))
        return false;
    for (const CDbPolygon& a : mState.polygons) {
        if (a.contours().isEmpty())
            continue;
        const GeoPolygon2D outline = a.cutOutline().toPolygon();
        for (const CDbPolygon& b : other.mState.polygons) {
            if (!b.contours().isEmpty() && outline.overlaps(b.cutOutline().toPolygon()))
                return true;
        }
    }
    return false;
}

std::vector<GeoPolygon2D> CDbGrPolysObject::cutOutlines() const
{
    std::vector<GeoPolygon2D> outlines;
    for (const CDbPolygon& p : mState.polygons) {
        if (!p.contours().isEmpty())
            outlines.push_back(p.cutOutline().toPolygon());
    }
    return outlines;
}

std::vector<GeoPolygon2D> CDbGrPolysObject::pieceOutlines() const
{
    std::vector<GeoPolygon2D> outlines;
    for (const CDbPolygon& p : mState.polygons) {
        if (!p.contours().isEmpty())
            outlines.push_back(p.pieceOutline().toPolygon());
    }
    return outlines;
}

double CDbGrPolysObject::area() const
{
    double total = 0.0;
    for (int i = 0; i < polygonCount(); ++i) {
        const CDbPolygon& p = polygon(i);
        if (p.isBlockingPolygon() || p.contours().isEmpty())
            continue;
        if (p.cutDownPartner() < 0)
            total += p.pieceOutline().toPolygon().area();
        else if (p.cutDownPartner() > i) // the first of a pair holds the union
            total += p.cutOutline().toPolygon().area();
    }
    return total;
}

bool CDbGrPolysObject::isCutDown() const
{
    return std::any_of(mState.polygons.begin(), mState.polygons.end(),
                       [](const CDbPolygon& p) { return p.cutDownPartner() >= 0; });
}

bool CDbGrPolysObject::isBlocked() const
{
    return std::any_of(mState.polygons.begin(), mState.polygons.end(), [](const CDbPolygon& p) {
        if (p.isBlocking())
            return true;
        for (int c = 0; c < p.contours().count(); ++c) {
            if (p.contours().origin(c) == CDbContourObject::Blocking)
                return true;
        }
        return false;
    });
}

void CDbGrPolysObject::addPolygon(const CDbPolygon& polygon)
{
    mState.polygons.push_back(polygon);
    emitChanged();
}

void CDbGrPolysObject::rotate(double degrees)
{
    const GeoPoint2D centre = boundingRect().center();
    for (CDbPolygon& p : mState.polygons)
        p.rotate(degrees, centre);
    emitChanged();
}

void CDbGrPolysObject::mirrorHorizontally()
{
    const double axis = boundingRect().center().x;
    for (CDbPolygon& p : mState.polygons)
        p.mirrorX(axis);
    emitChanged();
}

void CDbGrPolysObject::mirrorVertically()
{
    const double axis = boundingRect().center().y;
    for (CDbPolygon& p : mState.polygons)
        p.mirrorY(axis);
    emitChanged();
}

void CDbGrPolysObject::removeInvalidGrPolysID(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short* code)
{
    const auto setCode = [code](short value) {
        if (code)
            *code = value;
    };
    if (!drawing || !fabric || drawing->fabricIndex(fabric) < 0)
        return setCode(1);
    const auto namesPiece = [fabric](const CDbPolygon& p) {
        const CDbPieceObject* piece = fabric->piece(p.pieceIndex());
        return piece && p.sizeIndex() >= 0 && p.sizeIndex() < piece->getNumberOfSizes();
    };
    std::vector<CDbPolygon> kept;
    for (const CDbPolygon& p : mState.polygons) {
        if (namesPiece(p) || (p.isBlockingPolygon() && p.pieceIndex() == -1))
            kept.push_back(p);
    }
    if (std::none_of(kept.begin(), kept.end(), namesPiece))
        return setCode(1);
    mState.needsIdCheck = false;
    setCode(0);
    if (kept.size() == mState.polygons.size())
        return;
    mState.polygons = std::move(kept);
    emitChanged();
}

CDbPolygon* CDbGrPolysObject::blockingFusion()
{
    return mState.fusionIndex < 0 ? nullptr : &polygon(mState.fusionIndex);
}

const CDbPolygon* CDbGrPolysObject::blockingFusion() const
{
    return mState.fusionIndex < 0 ? nullptr : &polygon(mState.fusionIndex);
}

void CDbGrPolysObject::setBlockingFusionIndex(int index)
{
    if (index >= polygonCount() || (index >= 0 && !polygon(index).isBlockingPolygon()))
        throw std::invalid_argument("CDbGrPolysObject::setBlockingFusionIndex: no blocking polygon there");
    mState.fusionIndex = std::max(index, -1);
}

CDbVectorsObjectTable& CDbGrPolysObject::getFirstContourBlockingFusion()
{
    if (!blockingFusion() || blockingFusion()->contours().isEmpty())
        throw std::logic_error("CDbGrPolysObject::getFirstContourBlockingFusion: the group has no fusion");
    return blockingFusion()->contours().lastContour();
}

bool CDbGrPolysObject::isBlockingPolygonExist() const
{
    return mState.polygons.size() == 1 && mState.polygons.front().isBlocking();
}

CDbVectorsObjectTable& CDbGrPolysObject::getPolygonLatestContour()
{
    if (!isBlockingPolygonExist())
        throw std::logic_error(
            "CDbGrPolysObject::getPolygonLatestContour: the group has no blocking polygon");
    return mState.polygons.front().contours().lastContour();
}

const CDbBlockingObject* CDbGrPolysObject::editableBlocking() const
{
    if (const CDbPolygon* fusion = blockingFusion())
        return fusion->blocking().fusionState() == 0 ? &fusion->blocking() : nullptr;
    if (!isBlockingPolygonExist() || mState.polygons.front().blockingKind() == CDbBlockingObject::Fixed)
        return nullptr;
    return &mState.polygons.front().blocking();
}

CDbBlockingObject* CDbGrPolysObject::editableBlocking()
{
    return const_cast<CDbBlockingObject*>(std::as_const(*this).editableBlocking());
}

const CDbVectorsObjectTable* CDbGrPolysObject::editableBlockingContour() const
{
    if (!editableBlocking())
        return nullptr;
    const CDbPolygon* owner = blockingFusion() ? blockingFusion() : &mState.polygons.front();
    return &owner->cutOutline();
}

CDbVectorsObjectTable* CDbGrPolysObject::editableBlockingContour()
{
    return const_cast<CDbVectorsObjectTable*>(std::as_const(*this).editableBlockingContour());
}

void CDbGrPolysObject::isBlockingSimulationSlave(CDbFabricObject* fabric, short* code,
                                                 CDbBlockingObject::BlockingType* type) const
{
    const CDbMarkerDrawing* owner = drawing();
    const bool foreign = !fabric || (owner && owner->fabric(fabricIndex()) != fabric);
    if (code)
        *code = foreign ? 1 : 0;
    if (!type)
        return;
    *type = CDbBlockingObject::None;
    if (foreign)
        return;
    if (const CDbPolygon* fusion = blockingFusion()) {
        *type = fusion->blocking().blockingKind();
        return;
    }
    for (const CDbPolygon& p : mState.polygons) {
        if (p.isBlocking())
            *type = p.blocking().blockingKind() == CDbBlockingObject::None ? CDbBlockingObject::Fixed
                                                                           : p.blocking().blockingKind();
    }
}

bool CDbGrPolysObject::isValidateManualBlocking(CDbMarkerDrawing* drawing, CDbFabricObject* fabric) const
{
    if (!drawing || !fabric || drawing->fabricIndex(fabric) < 0 ||
        (isPlaced() && drawing->fabric(fabricIndex()) != fabric))
        return false;
    const auto valid = [this, fabric](const GeoPolygon2D& blocking, const std::vector<GeoPolygon2D>& pieces) {
        if (!blocking.isSimple())
            return false;
        if (isPlaced() && mState.section == SectionFabric) {
            const GeoRectangle box = blocking.boundingRect();
            if (box.ymin < -kFabricEdgeTolerance ||
                box.ymax > fabric->getFabricLayerWidth(layerIndex()) + kFabricEdgeTolerance)
                return false;
        }
        return std::all_of(pieces.begin(), pieces.end(),
                           [&blocking](const GeoPolygon2D& piece) { return blocking.encloses(piece); });
    };
    if (const CDbPolygon* fusion = blockingFusion()) {
        std::vector<GeoPolygon2D> pieces;
        for (const CDbPolygon& p : mState.polygons) {
            if (&p != fusion && !p.contours().isEmpty())
                pieces.push_back(p.pieceOutline().toPolygon());
        }
        return valid(fusion->cutOutline().toPolygon(), pieces);
    }
    return std::all_of(mState.polygons.begin(), mState.polygons.end(), [&valid](const CDbPolygon& p) {
        return p.isBlockingPolygon() || !p.isBlocking() ||
               valid(p.cutOutline().toPolygon(), {p.pieceOutline().toPolygon()});
    });
}

int CDbGrPolysObject::knifePolygonIndex() const
{
    for (int i = 0; i < polygonCount(); ++i) {
        if (mState.polygons[static_cast<size_t>(i)].isBlockingPolygon())
            return i;
    }
    return 0;
}

short CDbGrPolysObject::getPolygonCutRank() const
{
    const CDbFabricObject* fabric = isPlaced() ? drawing()->fabric(fabricIndex()) : nullptr;
    if (!fabric || mState.section != SectionFabric)
        return 0;
    const int position = fabric->groupsInCutOrder(layerIndex()).indexOf(const_cast<CDbGrPolysObject*>(this));
    return static_cast<short>(position + 1);
}

void CDbGrPolysObject::setCutRankKey(short rank)
{
    for (CDbPolygon& p : mState.polygons)
        p.setPolygonCutRank(rank);
    emitChanged();
}

short CDbGrPolysObject::accountNumberOfPolygonsCuttingOfTheLayer() const
{
    const CDbFabricObject* fabric = isPlaced() ? drawing()->fabric(fabricIndex()) : nullptr;
    return fabric ? static_cast<short>(fabric->groupsInCutOrder(layerIndex()).size()) : 0;
}

namespace {

// The outlines whose notches the knife meets: the blocking's alone in a blocked group.
template <class Group, class Visit> void forNotchOutlines(Group& group, Visit visit)
{
    for (auto& p : group.polygons()) {
        if (!p.contours().isEmpty())
            visit(p.isBlockingPolygon() ? p.contours().lastContour() : p.contours().pieceContour());
    }
}

} // namespace

bool CDbGrPolysObject::setConvertNotch(bool convert)
{
    bool changed = false;
    forNotchOutlines(*this, [convert, &changed](CDbVectorsObjectTable& outline) {
        for (CDbMarkerPointObject& p : outline.points())
            changed = p.isNotch() && p.setStatusNotch(convert) ? true : changed;
    });
    if (changed)
        emitChanged();
    return changed;
}

bool CDbGrPolysObject::hasNotches() const
{
    bool found = false;
    forNotchOutlines(*this, [&found](const CDbVectorsObjectTable& outline) {
        found = found || std::any_of(outline.points().begin(), outline.points().end(),
                                     [](const CDbMarkerPointObject& p) { return p.isNotch(); });
    });
    return found;
}

void CDbGrPolysObject::setSection(short section)
{
    if (mState.section == section)
        return;
    mState.section = section;
    emitChanged();
}

void CDbGrPolysObject::setOverlapping(bool overlapping)
{
    if (mOverlapping == overlapping)
        return;
    mOverlapping = overlapping;
    emitChanged();
}

} // namespace VelSystem
