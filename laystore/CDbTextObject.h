#pragma once

#include "laystore/CDbAbstractObject.h"

#include <QSize>
#include <QStringList>

namespace VelSystem {

// Text written on the marker: one or more lines in a block centred on a point.
class CDbTextObject : public CDbAbstractObject
{
    Q_OBJECT
public:
    // A new text's letter size, in millimetres.
    static constexpr short kDefaultLetterSize = 10;
    // Angles run a full turn either way.
    static constexpr double kAngleLimit = 360.0;

    CDbTextObject();

    int kind() const override { return KindText; }
    GeoRectangle boundingRect() const override;
    using CDbAbstractObject::clone;
    CDbAbstractObject* clone() const override;
    bool isValid() const override;
    void translate(GeoPoint2D& delta) override;
    // The whole text is exchanged: lines, letter size, alignment, angle, section and centre.
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Inside or within `tolerance` of the text's turned box.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;
    bool meets(const GeoPolygon2D& area) const override;

    QStringList getLines() const { return mState.lines; }
    void setLines(const QStringList& lines);
    // Height of a capital letter in whole millimetres; a text can be drawn only above 0.
    short letterSize() const { return mState.letterSize; }
    void setLetterSize(short size);
    // The same height in centimetres, the document's unit.
    double capitalHeight() const { return mState.letterSize / 10.0; }
    // Qt::Alignment flags as set; only the horizontal ones matter.
    int alignment() const { return mState.alignment; }
    void setAlignment(int flags);
    // How the lines line up in the block: Qt::AlignLeft when that flag is set, else
    // Qt::AlignRight when that one is, else Qt::AlignHCenter.
    Qt::Alignment horizontalAlignment() const;
    // Degrees, counter-clockwise.
    double angle() const { return mState.angle; }
    void setAngle(double angle);
    // Section the text belongs to (1 fabric, 2 standby).
    short workSection() const { return mState.workSection; }
    void setWorkSection(short section);
    GeoPoint2D center() const { return mState.centre; }
    void setCenter(const GeoPoint2D& center);
    // The block in characters: the longest line's length (0 for a text without characters)
    // and the number of lines.
    QSize getDimensionsCharacters() const;
    // Width of a character and line height, in centimetres, for the letter size.
    double characterWidth() const { return capitalHeight() * 0.6; }
    double lineHeight() const { return capitalHeight() * 1.4; }
    // Recomputes the extent from the lines, letter size, angle and centre. `code`, when
    // given, gets 0, or 1 when the text cannot be placed: it has no characters, no letter
    // size, or a centre or angle that is no number.
    void setMinAndMax(short* code = nullptr);
    // The box the lines fill, centred on the centre and turned by the angle about it. The
    // alignment moves the lines inside the box, not the box.
    GeoPolygon2D outline() const;

private:
    // Everything a copy carries and undo exchanges, as one value.
    struct State
    {
        QStringList lines;
        short letterSize = kDefaultLetterSize;
        int alignment = Qt::AlignHCenter;
        double angle = 0.0;
        short workSection = 1;
        GeoPoint2D centre;
        bool operator==(const State& o) const
        {
            return lines == o.lines && letterSize == o.letterSize && alignment == o.alignment &&
                   angle == o.angle && workSection == o.workSection && centre == o.centre;
        }
    };

    State mState;
    // Follows from the state (setMinAndMax).
    GeoRectangle mExtent;
};

} // namespace VelSystem
