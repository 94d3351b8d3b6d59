#pragma once

namespace VelSystem {

// The cutting and matching features a piece's point can carry.
class PointFeature
{
public:
    enum Flag
    {
        MatchPoint = 0x01,     // a plaid match point
        LinkVector = 0x02,     // an end of a link between two pieces
        StartPoint = 0x04,     // the knife's start point
        LiftPlunge = 0x08,     // the knife lifts and plunges here
        SymmetricalCut = 0x10, // a symmetrical cut starts here
        InternalStart = 0x20,  // the knife enters an internal segment here
        SymmetricalEnd = 0x40, // a symmetrical cut ends here
    };

    int features() const { return mFeatures; }
    void setFeatures(int features) { mFeatures = features; }
    bool hasFeature(Flag f) const { return (mFeatures & f) != 0; }
    void setFeature(Flag f, bool on);

    // Whether the point can take a match or a link: with `matchOnly` true only a match
    // point counts, otherwise a match point or a link end.
    bool stateMatchLinkVectorON(bool matchOnly) const;

private:
    int mFeatures = 0;
};

} // namespace VelSystem
