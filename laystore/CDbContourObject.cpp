#include "laystore/CDbContourObject.h"

#include <stdexcept>
#include <string>

namespace VelSystem {

namespace {

// What an absent contour reads as.
const CDbVectorsObjectTable& noContour()
{
    static const CDbVectorsObjectTable empty;
    return empty;
}

[[noreturn]] void noContourToChange(const char* operation)
{
    throw std::out_of_range(std::string("CDbContourObject::") + operation + ": the polygon has no contour");
}

bool isThePiece(CDbContourObject::Origin origin)
{
    return origin == CDbContourObject::PieceOutline || origin == CDbContourObject::AngleCutSeam;
}

} // namespace

void CDbContourObject::addContour(const CDbVectorsObjectTable& contour, Origin origin)
{
    mContours.push_back({contour, origin});
}

bool CDbContourObject::removeLastContour()
{
    if (mContours.size() < 2)
        return false;
    mContours.pop_back();
    return true;
}

CDbVectorsObjectTable& CDbContourObject::lastContour()
{
    if (mContours.empty())
        noContourToChange("lastContour");
    return mContours.back().outline;
}

const CDbVectorsObjectTable& CDbContourObject::lastContour() const
{
    return mContours.empty() ? noContour() : mContours.back().outline;
}

int CDbContourObject::pieceContourIndex() const
{
    for (int i = count() - 1; i >= 0; --i) {
        if (isThePiece(origin(i)))
            return i;
    }
    return 0;
}

CDbVectorsObjectTable& CDbContourObject::pieceContour()
{
    if (mContours.empty())
        noContourToChange("pieceContour");
    return contour(pieceContourIndex());
}

const CDbVectorsObjectTable& CDbContourObject::pieceContour() const
{
    return mContours.empty() ? noContour() : contour(pieceContourIndex());
}

bool CDbContourObject::hasOverlaidContour() const
{
    return !mContours.empty() && pieceContourIndex() != count() - 1;
}

void CDbContourObject::translate(const GeoPoint2D& d)
{
    for (Entry& c : mContours)
        c.outline.translate(d);
}

void CDbContourObject::rotate(double degrees, const GeoPoint2D& centre)
{
    for (Entry& c : mContours)
        c.outline.rotate(degrees, centre);
}

void CDbContourObject::mirrorX(double axis)
{
    for (Entry& c : mContours)
        c.outline.mirrorX(axis);
}

void CDbContourObject::mirrorY(double axis)
{
    for (Entry& c : mContours)
        c.outline.mirrorY(axis);
}

} // namespace VelSystem
