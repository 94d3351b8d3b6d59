#include "laystore/CDbContourObject.h"

namespace VelSystem {

bool CDbContourObject::removeLastContour()
{
    if (mContours.size() < 2)
        return false;
    mContours.pop_back();
    return true;
}

void CDbContourObject::translate(const GeoPoint2D& d)
{
    for (CDbVectorsObjectTable& c : mContours)
        c.translate(d);
}

void CDbContourObject::rotate(double degrees, const GeoPoint2D& centre)
{
    for (CDbVectorsObjectTable& c : mContours)
        c.rotate(degrees, centre);
}

void CDbContourObject::mirrorX(double axis)
{
    for (CDbVectorsObjectTable& c : mContours)
        c.mirrorX(axis);
}

void CDbContourObject::mirrorY(double axis)
{
    for (CDbVectorsObjectTable& c : mContours)
        c.mirrorY(axis);
}

} // namespace VelSystem
