#pragma once

#include "laystore/CDbAbstractObject.h"

#include <QStringList>

namespace VelSystem {

// Text written on the marker: one or more lines about a centre point.
class CDbTextObject : public CDbAbstractObject
{
    Q_OBJECT
public:
    enum Alignment
    {
        AlignLeft = 0,
        AlignCenter = 1,
        AlignRight = 2
    };

    CDbTextObject();

    int kind() const override { return KindText; }
    GeoRectangle boundingRect() const override;
    CDbAbstractObject* clone() const override;
    bool isValid() const override;
    void translate(GeoPoint2D& delta) override;
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Inside or within `tolerance` of the text's turned box.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;
    bool meets(const GeoPolygon2D& area) const override;

    QStringList lines() const { return mLines; }
    void setLines(const QStringList& lines);
    // Height of a capital letter, in centimetres.
    double letterSize() const { return mLetterSize; }
    void setLetterSize(double size);
    int alignment() const { return mAlignment; }
    void setAlignment(int alignment);
    // Degrees, counter-clockwise.
    double angle() const { return mAngle; }
    void setAngle(double angle);
    // Section the text belongs to (1 fabric, 2 standby).
    short workSection() const { return mWorkSection; }
    void setWorkSection(short section) { mWorkSection = section; }
    GeoPoint2D centre() const { return mCentre; }
    void setCentre(const GeoPoint2D& centre);
    // Width of a character and line height, in centimetres, for the letter size.
    double characterWidth() const { return mLetterSize * 0.6; }
    double lineHeight() const { return mLetterSize * 1.4; }
    // Recomputes the extent from the lines, letter size, alignment and angle.
    void setMinAndMax();
    // The box the lines fill, turned by the angle about the centre. Along the lines the
    // centre is their start, middle or end by the alignment; across them, their middle.
    GeoPolygon2D outline() const;

private:
    QStringList mLines;
    double mLetterSize = 1.0;
    int mAlignment = AlignCenter;
    double mAngle = 0.0;
    short mWorkSection = 1;
    GeoPoint2D mCentre;
    GeoRectangle mExtent;
};

} // namespace VelSystem
