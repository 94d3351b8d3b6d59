#pragma once

#include "laystore/CDbAbstractObject.h"

namespace VelSystem {

// A hole the cutter punches in the fabric between the pieces, after cutting them.
class CDbPunchHoleObject : public CDbAbstractObject
{
    Q_OBJECT
public:
    // The punch's diameter, in centimetres.
    static constexpr double kDiameter = 0.6;

    CDbPunchHoleObject() = default;
    explicit CDbPunchHoleObject(const GeoPoint2D& centre) : mCentre(centre) {}

    int kind() const override { return KindMark; }
    GeoRectangle boundingRect() const override;
    using CDbAbstractObject::clone;
    CDbAbstractObject* clone() const override;
    bool isValid() const override;
    void translate(GeoPoint2D& delta) override;
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Within `tolerance` of the hole's edge or inside it.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;

    GeoPoint2D centre() const { return mCentre; }

private:
    GeoPoint2D mCentre;
};

} // namespace VelSystem
