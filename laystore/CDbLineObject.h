#pragma once

#include "laystore/CDbAbstractObject.h"

#include <QString>

namespace VelSystem {

// A straight line drawn on the marker, with an optional text.
class CDbLineObject : public CDbAbstractObject
{
    Q_OBJECT
public:
    int kind() const override { return KindLine; }
    GeoRectangle boundingRect() const override;
    CDbAbstractObject* clone() const override;
    bool isValid() const override;
    void translate(GeoPoint2D& delta) override;
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Within `tolerance` of the segment.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;
    bool meets(const GeoPolygon2D& area) const override;

    GeoPoint2D start() const { return mStart; }
    GeoPoint2D end() const { return mEnd; }
    void setPoints(const GeoPoint2D& start, const GeoPoint2D& end);
    QString getText() const { return mText; }
    void setText(const QString& text);

private:
    GeoPoint2D mStart, mEnd;
    QString mText;
};

} // namespace VelSystem
