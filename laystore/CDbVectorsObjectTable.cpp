#include "laystore/CDbVectorsObjectTable.h"

#include "VelCore/t_1_Based.h"
#include "VelGeo/GeoBoost.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace VelSystem {

namespace {

// Shared parts this small (cm²) are rounding slivers between outlines laid edge to edge,
// as GeoPolygon2D::overlaps takes them.
constexpr double kSliverArea = 1e-8;

void checkIndex(int i, int limit, const char* operation)
{
    if (i < 0 || i > limit)
        throw std::out_of_range(std::string("CDbVectorsObjectTable::") + operation + ": point index " +
                                std::to_string(i) + " outside 0.." + std::to_string(limit));
}

bool isTarget(const CDbMarkerPointObject& p, CDbVectorsObjectTable::ClickTarget target)
{
    switch (target) {
    case CDbVectorsObjectTable::eForNotch:
        return p.isNotch();
    case CDbVectorsObjectTable::eForSegment:
        return !p.isNotch();
    case CDbVectorsObjectTable::eForAnyPoint:
        break;
    }
    return true;
}

} // namespace

void CDbVectorsObjectTable::insert(int i, const CDbMarkerPointObject& p)
{
    checkIndex(i, size(), "insert");
    mPoints.insert(mPoints.begin() + i, p);
}

void CDbVectorsObjectTable::remove(int i)
{
    checkIndex(i, size() - 1, "remove");
    mPoints.erase(mPoints.begin() + i);
}

GeoPolygon2D CDbVectorsObjectTable::toPolygon() const
{
    return GeoPolygon2D(std::vector<GeoPoint2D>(mPoints.begin(), mPoints.end()));
}

int CDbVectorsObjectTable::firstWith(PointFeature::Flag feature) const
{
    for (int i = 0; i < size(); ++i) {
        if (mPoints[static_cast<size_t>(i)].hasFeature(feature))
            return i;
    }
    return -1;
}

GeoPoint2D CDbVectorsObjectTable::inwardNormal(int i) const
{
    const int n = size();
    if (n < 3)
        return {};
    const GeoPoint2D tangent =
        mPoints[static_cast<size_t>((i + 1) % n)] - mPoints[static_cast<size_t>((i + n - 1) % n)];
    const double norm = tangent.module();
    if (norm <= 0.0)
        return {};
    // Inside lies to the left of the travel direction on a counter-clockwise outline.
    const double side = toPolygon().signedArea() >= 0.0 ? 1.0 : -1.0;
    return GeoPoint2D(-tangent.y, tangent.x) * (side / norm);
}

GeoRectangle CDbVectorsObjectTable::boundingRect() const
{
    GeoRectangle r;
    for (const CDbMarkerPointObject& p : mPoints)
        r.include(p);
    return r;
}

bool CDbVectorsObjectTable::containsPoint(const GeoPoint2D& p) const
{
    return toPolygon().containsPoint(p);
}

bool CDbVectorsObjectTable::isClickInVector(bool onPoints, const GeoPoint2D& point, double tolerance,
                                            ClickTarget target, short* index) const
{
    // The nearest candidate wins, so that a click between two close points takes the one
    // the user aimed at.
    double best = tolerance;
    int found = 0;
    const int n = size();
    for (int i = 0; i < n; ++i) {
        const CDbMarkerPointObject& a = mPoints[static_cast<size_t>(i)];
        double d;
        if (onPoints) {
            if (!isTarget(a, target))
                continue;
            d = bg::distance(point, static_cast<const GeoPoint2D&>(a));
        } else {
            if (n < 2)
                break;
            const GeoPoint2D& b = mPoints[static_cast<size_t>((i + 1) % n)];
            d = bg::distance(point, bg::model::referring_segment<const GeoPoint2D>(a, b));
        }
        if (d <= best) {
            best = d;
            found = t_1_Based::fromZeroBased(static_cast<short>(i)).value();
        }
    }
    if (index)
        *index = static_cast<short>(found);
    return found != 0;
}

QList<CDbVectorsObjectTable>
CDbVectorsObjectTable::listeVectorIntersection(const CDbVectorsObjectTable& other, const GeoRectangle& box,
                                               const GeoRectangle& otherBox) const
{
    QList<CDbVectorsObjectTable> shared;
    if (size() < 3 || other.size() < 3 || !box.intersect(otherBox))
        return shared;
    BgMultiPolygon common;
    bg::intersection(toBgPolygon(toPolygon()), toBgPolygon(other.toPolygon()), common);
    for (const BgPolygon& part : common) {
        if (bg::area(part) <= kSliverArea)
            continue;
        CDbVectorsObjectTable table;
        // Boost closes its rings by repeating the first point; ours are open.
        for (size_t i = 0; i + 1 < part.outer().size(); ++i)
            table.append(CDbMarkerPointObject(part.outer()[i]));
        shared.append(table);
    }
    return shared;
}

void CDbVectorsObjectTable::translate(const GeoPoint2D& d)
{
    for (CDbMarkerPointObject& p : mPoints)
        p += d;
}

void CDbVectorsObjectTable::rotate(double degrees, const GeoPoint2D& centre)
{
    for (CDbMarkerPointObject& p : mPoints)
        static_cast<GeoPoint2D&>(p) = p.rotated(degrees, centre);
}

void CDbVectorsObjectTable::mirrorX(double axis)
{
    for (CDbMarkerPointObject& p : mPoints)
        p.mirrorX(axis);
}

void CDbVectorsObjectTable::mirrorY(double axis)
{
    for (CDbMarkerPointObject& p : mPoints)
        p.mirrorY(axis);
}

const CDbMarkerPointObject* CDbVectorsObjectTable::endPoint(short pointIndex, bool onContour) const
{
    const int wanted = t_1_Based(pointIndex).zeroBased();
    int counted = 0;
    for (const CDbMarkerPointObject& p : mPoints) {
        if ((onContour || p.isNotch()) && counted++ == wanted)
            return &p;
    }
    return nullptr;
}

CDbMarkerPointObject* CDbVectorsObjectTable::endPoint(short pointIndex, bool onContour)
{
    return const_cast<CDbMarkerPointObject*>(std::as_const(*this).endPoint(pointIndex, onContour));
}

} // namespace VelSystem
