#pragma once

#include "laystore/CDbDisplaySizeObject.h"

#include <map>
#include <utility>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;

// The marker's size plan on a fabric: the size chart's columns and the cut-down pairs made in
// the chart. How many copies of a piece in a size are laid or waiting is counted from the
// groups, never stored. The columns are stored only when the plan says more than the groups
// do (a column pair, garments that are not all there); without them the chart has one column
// per size of the pieces, holding as many garments as the most complete piece has copies.
class CDbSizePlan
{
public:
    // Two pieces cut down together in the chart, in every size (0-based piece indexes).
    struct PiecePair
    {
        short first = -1;
        short second = -1;
        CDbCutDownObject position;
        bool operator==(const PiecePair& o) const
        {
            return first == o.first && second == o.second && position == o.position;
        }
    };
    struct Count
    {
        int laid = 0;
        int waiting = 0;
    };
    // Copies by (piece, size) on every layer of `fabric`; the two parts of an angle cut count as
    // one copy, blocking polygons as none.
    using Counts = std::map<std::pair<short, short>, Count>;
    static Counts count(const CDbFabricObject& fabric);

    // How a pair made in the chart was made.
    enum ChartPair
    {
        NotInChart,
        ByPiece,
        BySize
    };

    // The chart's columns: the stored ones, else those the groups give.
    std::vector<CDbDisplaySizeObject> columns(const CDbFabricObject& fabric) const;
    const std::vector<CDbDisplaySizeObject>& storedColumns() const { return mColumns; }
    void setColumns(const std::vector<CDbDisplaySizeObject>& columns) { mColumns = columns; }
    const std::vector<PiecePair>& piecePairs() const { return mPiecePairs; }
    void setPiecePairs(const std::vector<PiecePair>& pairs) { mPiecePairs = pairs; }

    // The chart pair holding piece `piece`, null when none does.
    const PiecePair* piecePairOf(short piece) const;
    // The first paired column of size `sizeId`, null when none is.
    const CDbDisplaySizeObject* sizePairOf(short sizeId) const;
    bool hasSizePair() const;
    // For a cut-down group whose pair was made in the chart (its first polygon has no position
    // of its own): how, with the chart's position in `position`. NotInChart for any other group.
    ChartPair chartPairOf(const CDbGrPolysObject& group, CDbCutDownObject* position) const;

    bool operator==(const CDbSizePlan& o) const
    {
        return mColumns == o.mColumns && mPiecePairs == o.mPiecePairs;
    }
    bool operator!=(const CDbSizePlan& o) const { return !(*this == o); }

private:
    std::vector<CDbDisplaySizeObject> mColumns;
    std::vector<PiecePair> mPiecePairs;
};

} // namespace VelSystem
