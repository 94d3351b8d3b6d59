#pragma once

#include "laystore/CDbVectorsObjectTable.h"

#include <vector>

namespace VelSystem {

// The outlines of a placed polygon, oldest first: the piece's own outline, then the
// outlines that blocking or cutting laid over it. The last one is what gets cut.
class CDbContourObject
{
public:
    int count() const { return static_cast<int>(mContours.size()); }
    bool isEmpty() const { return mContours.empty(); }
    CDbVectorsObjectTable& lastContour() { return mContours.back(); }
    const CDbVectorsObjectTable& lastContour() const { return mContours.back(); }
    CDbVectorsObjectTable& contour(int i) { return mContours[static_cast<size_t>(i)]; }
    const CDbVectorsObjectTable& contour(int i) const { return mContours[static_cast<size_t>(i)]; }
    void addContour(const CDbVectorsObjectTable& contour) { mContours.push_back(contour); }
    // Drops the last contour unless it is the only one; true when one was dropped.
    bool removeLastContour();
    bool operator==(const CDbContourObject& o) const { return mContours == o.mContours; }

    void translate(const GeoPoint2D& d);
    void rotate(double degrees, const GeoPoint2D& centre);
    void mirrorX(double axis);
    void mirrorY(double axis);

private:
    std::vector<CDbVectorsObjectTable> mContours;
};

} // namespace VelSystem
