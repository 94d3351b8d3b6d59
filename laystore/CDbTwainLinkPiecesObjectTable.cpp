#include "laystore/CDbTwainLinkPiecesObjectTable.h"

#include "VelCore/t_1_Based.h"
#include "laystore/CDbPolygon.h"

namespace VelSystem {

namespace {

// The polygon and point an end names, or false when `polygons` (of `fabric`) has neither.
bool resolve(const QList<CDbPolygon>& polygons, short fabric, const CDbTwainLinkPiecesObject::End& end,
             GeoPoint2D& point, const CDbPolygon*& polygon)
{
    if (end.fabricIndex != fabric)
        return false;
    for (const CDbPolygon& candidate : polygons) {
        if (candidate.pieceIndex() != end.pieceIndex || candidate.contours().isEmpty())
            continue;
        const CDbMarkerPointObject* found = candidate.pieceOutline().endPoint(end.pointIndex, end.onContour);
        if (!found)
            return false;
        point = *found;
        polygon = &candidate;
        return true;
    }
    return false;
}

} // namespace

CDbTwainLinkPiecesObjectTable::CDbTwainLinkPiecesObjectTable(short fabric) : mFabric(fabric) {}

CDbTwainLinkPiecesObjectTable::~CDbTwainLinkPiecesObjectTable() = default;

CDbTwainLinkPiecesObject* CDbTwainLinkPiecesObjectTable::link(int n) const
{
    const t_1_Based number(static_cast<short>(n));
    return number.isValid() && n <= size() ? mLinks[static_cast<size_t>(number.zeroBased())].get() : nullptr;
}

CDbTwainLinkPiecesObject* CDbTwainLinkPiecesObjectTable::add(const CDbTwainLinkPiecesObject& link)
{
    mLinks.push_back(std::make_unique<CDbTwainLinkPiecesObject>(link));
    return mLinks.back().get();
}

CDbTwainLinkPiecesObject* CDbTwainLinkPiecesObjectTable::insert(int n, const CDbTwainLinkPiecesObject& link)
{
    if (n < 1 || n > size() + 1)
        return nullptr;
    const auto at = mLinks.insert(mLinks.begin() + t_1_Based(static_cast<short>(n)).zeroBased(),
                                  std::make_unique<CDbTwainLinkPiecesObject>(link));
    return at->get();
}

int CDbTwainLinkPiecesObjectTable::linkAt(const CDbTwainLinkPiecesObject::End& end) const
{
    for (size_t i = 0; i < mLinks.size(); ++i) {
        if (mLinks[i]->firstEnd() == end || mLinks[i]->secondEnd() == end)
            return t_1_Based::fromZeroBased(static_cast<short>(i)).value();
    }
    return 0;
}

bool CDbTwainLinkPiecesObjectTable::remove(int n)
{
    if (!link(n))
        return false;
    mLinks.erase(mLinks.begin() + t_1_Based(static_cast<short>(n)).zeroBased());
    return true;
}

short CDbTwainLinkPiecesObjectTable::getTwainLinkPiecesVectors(const QList<CDbPolygon>& polygons,
                                                               int linkIndex, GeoPoint2D* first,
                                                               GeoPoint2D* second,
                                                               const CDbPolygon** firstPolygon,
                                                               const CDbPolygon** secondPolygon) const
{
    const CDbTwainLinkPiecesObject* found = link(linkIndex);
    GeoPoint2D a, b;
    const CDbPolygon* polygonA = nullptr;
    const CDbPolygon* polygonB = nullptr;
    if (!found || !resolve(polygons, mFabric, found->firstEnd(), a, polygonA) ||
        !resolve(polygons, mFabric, found->secondEnd(), b, polygonB))
        return 1;
    if (first)
        *first = a;
    if (second)
        *second = b;
    if (firstPolygon)
        *firstPolygon = polygonA;
    if (secondPolygon)
        *secondPolygon = polygonB;
    return 0;
}

} // namespace VelSystem
