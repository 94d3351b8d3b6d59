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
    using CDbAbstractObject::clone;
    CDbAbstractObject* clone() const override;
    bool isValid() const override;
    void translate(GeoPoint2D& delta) override;
    // The ends and the text are exchanged.
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Within `tolerance` of the segment.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;
    bool meets(const GeoPolygon2D& area) const override;

    GeoPoint2D start() const { return mState.start; }
    GeoPoint2D end() const { return mState.end; }
    void setPoints(const GeoPoint2D& start, const GeoPoint2D& end);
    QString getText() const { return mState.text; }
    void setText(const QString& text);

private:
    // Everything a copy carries and undo exchanges, as one value.
    struct State
    {
        GeoPoint2D start, end;
        QString text;
        bool operator==(const State& o) const { return start == o.start && end == o.end && text == o.text; }
    };

    State mState;
};

} // namespace VelSystem
