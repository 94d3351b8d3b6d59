#include "laystore/CDbTwainLinkPiecesObjectTable.h"

#include "laystore/CDbPolygon.h"

namespace VelSystem {

namespace {

// The polygon and point an end names, or false when `polygons` has neither.
bool resolve(const QList<CDbPolygon>& polygons, const CDbTwainLinkPiecesObject::End& end, GeoPoint2D& point,
             const CDbPolygon*& polygon)
{
    for (const CDbPolygon& candidate : polygons) {
        if (candidate.pieceIndex() != end.pieceIndex || candidate.contours().isEmpty())
            continue;
        int remaining = end.pointIndex;
        for (const CDbMarkerPointObject& p : candidate.pieceOutline().points()) {
            if ((end.onContour || p.isNotch()) && --remaining == 0) {
                point = p;
                polygon = &candidate;
                return true;
            }
        }
        return false;
    }
    return false;
}

} // namespace

CDbTwainLinkPiecesObjectTable::CDbTwainLinkPiecesObjectTable() = default;

CDbTwainLinkPiecesObjectTable::~CDbTwainLinkPiecesObjectTable() = default;

CDbTwainLinkPiecesObject* CDbTwainLinkPiecesObjectTable::link(int n) const
{
    return n >= 1 && n <= size() ? mLinks[static_cast<size_t>(n - 1)].get() : nullptr;
}

CDbTwainLinkPiecesObject* CDbTwainLinkPiecesObjectTable::add(const CDbTwainLinkPiecesObject& link)
{
    mLinks.push_back(std::make_unique<CDbTwainLinkPiecesObject>(link));
    return mLinks.back().get();
}

bool CDbTwainLinkPiecesObjectTable::remove(int n)
{
    if (!link(n))
        return false;
    mLinks.erase(mLinks.begin() + (n - 1));
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
    if (!found || !resolve(polygons, found->firstEnd(), a, polygonA) ||
        !resolve(polygons, found->secondEnd(), b, polygonB))
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
