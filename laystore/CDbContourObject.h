#pragma once

#include "laystore/CDbVectorsObjectTable.h"

#include <vector>

namespace VelSystem {

// The outlines of a placed polygon, oldest first, each tagged with what made it: the piece's
// own outline, then what blocking, cutting down or cutting at an angle laid over it. The last
// one is what the knife cuts; the last one that is the piece itself is the piece's outline.
class CDbContourObject
{
public:
    // What made a contour.
    enum Origin
    {
        PieceOutline = 0, // the piece as it was made
        Blocking = 1,     // a block laid around the piece
        CutDownUnion = 2, // the union of a cut-down pair, cut as one
        AngleCutSeam = 3  // the part an angle cut left, with its seam allowance: the piece now
    };

    int count() const { return static_cast<int>(mContours.size()); }
    int contourSize() const { return count(); }
    bool isEmpty() const { return mContours.empty(); }
    CDbVectorsObjectTable& contour(int i) { return mContours[static_cast<size_t>(i)].outline; }
    const CDbVectorsObjectTable& contour(int i) const { return mContours[static_cast<size_t>(i)].outline; }
    Origin origin(int i) const { return mContours[static_cast<size_t>(i)].origin; }
    void addContour(const CDbVectorsObjectTable& contour, Origin origin = PieceOutline);
    // Drops the last contour unless it is the only one; true when one was dropped.
    bool removeLastContour();

    // The outline the knife cuts (overlaps, slides, nesting, the marker's length): the last
    // contour. Read without a contour it is empty; changed without one it throws
    // std::out_of_range.
    CDbVectorsObjectTable& lastContour();
    const CDbVectorsObjectTable& lastContour() const;
    // The piece's own outline (its area, notches, link ends, start points): the last contour
    // that is the piece itself, not one laid over it; the first contour when every one was
    // laid over it (a blocking polygon). Without a contour as lastContour.
    CDbVectorsObjectTable& pieceContour();
    const CDbVectorsObjectTable& pieceContour() const;
    // True when the knife cuts an outline other than the piece's own.
    bool hasOverlaidContour() const;

    bool operator==(const CDbContourObject& o) const { return mContours == o.mContours; }
    bool operator!=(const CDbContourObject& o) const { return !(*this == o); }

    void translate(const GeoPoint2D& d);
    void rotate(double degrees, const GeoPoint2D& centre);
    void mirrorX(double axis);
    void mirrorY(double axis);

private:
    struct Entry
    {
        CDbVectorsObjectTable outline;
        Origin origin;
        bool operator==(const Entry& o) const { return origin == o.origin && outline == o.outline; }
    };
    int pieceContourIndex() const;

    std::vector<Entry> mContours;
};

} // namespace VelSystem
