#pragma once

#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"
#include "laystore/CDbMarkerPointObject.h"

#include <QList>

#include <vector>

namespace VelSystem {

// A closed outline made of marker points (the first point is not repeated at the end).
class CDbVectorsObjectTable
{
public:
    // What isClickInVector looks for.
    enum ClickTarget
    {
        eForAnyPoint = 0,
        eForNotch = 1,
        eForSegment = 2
    };

    CDbVectorsObjectTable() = default;
    explicit CDbVectorsObjectTable(std::vector<CDbMarkerPointObject> points) : mPoints(std::move(points)) {}

    int size() const { return static_cast<int>(mPoints.size()); }
    bool isEmpty() const { return mPoints.empty(); }
    CDbMarkerPointObject& operator[](int i) { return mPoints[static_cast<size_t>(i)]; }
    const CDbMarkerPointObject& operator[](int i) const { return mPoints[static_cast<size_t>(i)]; }
    void append(const CDbMarkerPointObject& p) { mPoints.push_back(p); }
    void insert(int i, const CDbMarkerPointObject& p);
    void remove(int i);
    const std::vector<CDbMarkerPointObject>& points() const { return mPoints; }
    std::vector<CDbMarkerPointObject>& points() { return mPoints; }
    bool operator==(const CDbVectorsObjectTable& o) const { return mPoints == o.mPoints; }
    bool operator!=(const CDbVectorsObjectTable& o) const { return !(*this == o); }

    GeoPolygon2D toPolygon() const;
    // The 0-based index of the first point carrying `feature`, -1 when none does.
    int firstWith(PointFeature::Flag feature) const;
    // The unit vector into the outline, across it at point `i` (zero where the outline folds
    // back on itself there).
    GeoPoint2D inwardNormal(int i) const;
    GeoRectangle boundingRect() const;
    bool containsPoint(const GeoPoint2D& p) const;

    // True when `point` is within `tolerance` of a point of the outline (`onPoints` true) or
    // of an edge (`onPoints` false) of the kind `target`; writes the 1-based index of the
    // point (or of the edge's first point) to `index`, 0 when nothing is hit. The nearest hit
    // wins. On points, eForNotch takes only notches and eForSegment only the outline's own
    // points (not notches); on edges every edge counts.
    bool isClickInVector(bool onPoints, const GeoPoint2D& point, double tolerance, ClickTarget target,
                         short* index) const;

    // The point a link end names: with `onContour` the `pointIndex`-th (1-based) point of the
    // outline, without it the `pointIndex`-th notch; null when there is none.
    const CDbMarkerPointObject* endPoint(short pointIndex, bool onContour) const;
    CDbMarkerPointObject* endPoint(short pointIndex, bool onContour);

    // The areas this outline shares with `other` (none when they only touch), given the two
    // outlines' bounding rectangles, which settle most pairs without any geometry.
    QList<CDbVectorsObjectTable> listeVectorIntersection(const CDbVectorsObjectTable& other,
                                                         const GeoRectangle& box,
                                                         const GeoRectangle& otherBox) const;

    void translate(const GeoPoint2D& d);
    void rotate(double degrees, const GeoPoint2D& centre);
    void mirrorX(double axis); // about the vertical line x = axis
    void mirrorY(double axis); // about the horizontal line y = axis

private:
    std::vector<CDbMarkerPointObject> mPoints;
};

} // namespace VelSystem
