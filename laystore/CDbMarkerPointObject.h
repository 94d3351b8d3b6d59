#pragma once

#include "VelConjoin/PointFeature.h"
#include "VelGeo/GeoPoint2D.h"

namespace VelSystem {

// A point of a piece's contour, in document coordinates, with what the cutter and the
// matching tools attach to it.
class CDbMarkerPointObject : public GeoPoint2D, public PointFeature
{
public:
    enum PointType
    {
        Normal = 0,
        Corner = 1,
        Notch = 2,
        Curve = 3
    };
    // What the cutter does with a notch: nothing, cut it with the knife as part of the
    // outline, or cut it as a slit with the cutter's notch tool (converted).
    enum NotchState
    {
        NotchNone = 0,
        NotchCut = 1,
        NotchConverted = 2
    };

    CDbMarkerPointObject() = default;
    CDbMarkerPointObject(double x, double y, PointType type = Normal) : GeoPoint2D(x, y), mType(type) {}
    explicit CDbMarkerPointObject(const GeoPoint2D& p, PointType type = Normal) : GeoPoint2D(p), mType(type)
    {}

    PointType type() const { return mType; }
    void setType(PointType type) { mType = type; }
    bool isNotch() const { return mType == Notch; }
    NotchState notchState() const { return mNotchState; }
    void setNotchState(NotchState state) { mNotchState = state; }
    // Converts a notch (true) or gives it back to the knife (false); true when it changed.
    // A point that is not a notch does not change.
    bool setStatusNotch(bool convert);
    bool isConvertedNotch() const { return isNotch() && mNotchState == NotchConverted; }

    bool operator==(const CDbMarkerPointObject& o) const;
    bool operator!=(const CDbMarkerPointObject& o) const { return !(*this == o); }

private:
    PointType mType = Normal;
    NotchState mNotchState = NotchNone;
};

} // namespace VelSystem
