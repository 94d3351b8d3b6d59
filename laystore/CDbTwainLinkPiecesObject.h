#pragma once

#include <QtGlobal>

namespace VelSystem {

// One link between points of two pieces, for plaid and stripe fabrics: its two ends and
// its matching rules (how the linked points must match along each axis, an offset per axis,
// the largest swatch distance per axis and whether the link is a match point).
class CDbTwainLinkPiecesObject
{
public:
    // One end of a link: a point of a piece's polygon. With `onContour` the point is the
    // `pointIndex`-th (1-based) point of the polygon's outline (its last contour); without it,
    // the `pointIndex`-th notch of that outline (notches are the pieces' marker points).
    struct End
    {
        short pieceIndex = -1; // 0-based into the fabric's pieces
        short pointIndex = 0;  // 1-based
        bool onContour = true;
        short fabricIndex = 0; // 0-based into the marker's fabrics

        bool operator==(const End& o) const
        {
            return pieceIndex == o.pieceIndex && pointIndex == o.pointIndex && onContour == o.onContour &&
                   fabricIndex == o.fabricIndex;
        }
        bool operator!=(const End& o) const { return !(*this == o); }
    };

    // The bits of the rule word; the other bits carry no rule.
    enum Rule : quint32
    {
        IdenticalX = 0x001,
        IdenticalY = 0x002,
        SymmetricalX = 0x004,
        SymmetricalY = 0x008,
        HalfWayX = 0x010,
        HalfWayY = 0x020,
        CenterX = 0x040,
        CenterY = 0x080,
        OnLineX = 0x100,
        OnLineY = 0x200
    };
    // A maximum swatch distance of this value (or any negative one) sets no limit.
    static constexpr double kNoSwatchLimit = -1.0;

    const End& firstEnd() const { return mFirst; }
    const End& secondEnd() const { return mSecond; }
    void setEnds(const End& first, const End& second);

    quint32 rules() const { return mRules; }
    void setRules(quint32 rules) { mRules = rules; }
    bool hasRule(Rule rule) const { return (mRules & rule) != 0; }
    bool isMatchPoint() const { return mMatchPoint; }
    void setMatchPoint(bool matchPoint) { mMatchPoint = matchPoint; }
    // Offsets between the linked points, in centimetres.
    double offsetX() const { return mOffsetX; }
    double offsetY() const { return mOffsetY; }
    void setOffsets(double x, double y);
    // How far the linked points may lie apart, in centimetres, per axis.
    double maxSwatchDistanceX() const { return mMaxSwatchDistanceX; }
    double maxSwatchDistanceY() const { return mMaxSwatchDistanceY; }
    void setMaxSwatchDistances(double x, double y);

    bool operator==(const CDbTwainLinkPiecesObject& o) const;
    bool operator!=(const CDbTwainLinkPiecesObject& o) const { return !(*this == o); }

private:
    End mFirst;
    End mSecond;
    quint32 mRules = 0;
    bool mMatchPoint = false;
    double mOffsetX = 0.0;
    double mOffsetY = 0.0;
    double mMaxSwatchDistanceX = kNoSwatchLimit;
    double mMaxSwatchDistanceY = kNoSwatchLimit;
};

} // namespace VelSystem
