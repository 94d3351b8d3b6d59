#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <vector>

namespace VelSystem {

class CDbFabricObject;
class DocumentMak;
class CDbGrPolysObject;
class CDbVectorsObjectTable;

// The path the cutter follows over one layer, from its home at the origin: for each group
// laid on the fabric area, in cut order, the outlines the knife follows (in a blocked group
// its blockings, then each piece's own outline inside them; otherwise each polygon's cut
// outline, a cut-down pair's union once for both pieces), each from its start point, split where the knife
// lifts and plunges, or from a symmetrical cut's start both ways round to its end; then the piece's converted
// notches as slits and its internal segments from their entry points. The punch holes of the layer come last.
// The cutter moves with its tools up between strokes (air moves).
class KnifePath
{
public:
    // The cutter's tools, numbered as the cutter's pens.
    enum Tool
    {
        Knife = 1,
        Punch = 2,
        NotchCutter = 3
    };
    // One run with a tool down; a punch stroke is a single point.
    struct Stroke
    {
        Tool tool;
        std::vector<GeoPoint2D> points;
    };
    // The strokes of one group, in cut order: [firstStroke, endStroke).
    struct Piece
    {
        const CDbGrPolysObject* group;
        int firstStroke;
        int endStroke;
    };

    // A converted notch is cut this deep into the piece, in centimetres.
    static constexpr double kSlitDepth = 0.5;

    KnifePath() = default;
    // The path over `layer` (0-based) of `fabric`; empty for a layer the fabric does not have.
    static KnifePath build(const CDbFabricObject& fabric, short layer);
    // The path over the layer being edited in `document`; empty when it has none.
    static KnifePath ofCurrentLayer(const DocumentMak& document);

    const std::vector<Stroke>& strokes() const { return mStrokes; }
    const std::vector<Piece>& pieces() const { return mPieces; }
    bool isEmpty() const { return mStrokes.empty(); }
    // Centimetres cut with a tool down (punches count nothing), and travelled with the tools
    // up, from the origin to the last stroke's end.
    double cutLength() const;
    double airLength() const;
    // The same up to the end of the first `pieceCount` pieces (every stroke past the pieces
    // belongs to the punch holes).
    double cutLength(int pieceCount) const;
    double airLength(int pieceCount) const;

    // The outlines the knife follows in `group`, in order.
    static std::vector<const CDbVectorsObjectTable*> knifeOutlines(const CDbGrPolysObject& group);
    // The points of `outline` in the order the knife cuts them, as strokes.
    static std::vector<std::vector<GeoPoint2D>> outlineStrokes(const CDbVectorsObjectTable& outline);

private:
    int strokeEnd(int pieceCount) const;
    void addGroup(const CDbGrPolysObject& group);

    std::vector<Stroke> mStrokes;
    std::vector<Piece> mPieces;
};

} // namespace VelSystem
