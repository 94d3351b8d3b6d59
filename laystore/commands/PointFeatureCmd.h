#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// The clicked commands that flag or clear one point feature the knife follows on a piece.
// Parameters: the clicked point (void* to a CDbMarkerPointObject), add (bool), Shift-and-Alt
// (bool). Add flags the point within the click tolerance; remove clears the one clicked;
// Shift-and-Alt clears every one of the piece clicked.
// Registered twice: "LiftPlunge" (points of the cut outline where the knife lifts and plunges
// again) and "InternalStartPoint" (where the knife enters an internal segment; a segment
// without one is entered at its first point).
class PointFeatureCmd : public CutPathCmd
{
    Q_OBJECT
public:
    // Which points carry the feature, and what the user is told (texts to translate in this
    // class's context).
    struct Marks
    {
        enum Runs
        {
            CutOutline,
            InternalSegments
        };
        const char* undoText;
        PointFeature::Flag feature;
        Runs runs;
        // The feature marks one point of its run at most (a segment has one entry).
        bool onePerRun;
        // Refusal when the point is the knife's start point; null when it may be flagged there.
        const char* notAtKnifeStart;
        const char* noPointHere;
        const char* alreadyFlagged;
        const char* noneHere;
        const char* noPieceHere;
        const char* noneOnPiece;
    };

    explicit PointFeatureCmd(const Marks& marks);

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;

private:
    // The runs of points of `polygon` that may carry the feature.
    std::vector<CDbVectorsObjectTable*> runsOf(CDbPolygon& polygon) const;

    const Marks& mMarks;
};

} // namespace VelSystem
