#pragma once

namespace VelSystem {

// What a polygon knows about the block the knife cuts round it. A piece blocked alone carries
// its blocking as the last contour of its own polygon (origin Blocking) and kind Single;
// blockings that met fuse into one polygon of their group that stands for no piece, of kind
// Fusion (the group's blockingFusion()). A plain value: copies, exchanges and comparisons of
// the polygon take it whole.
class CDbBlockingObject
{
public:
    // How a polygon takes part in a blocking.
    enum BlockingType
    {
        None = 0,
        Single = 1, // the piece's own blocking, its last contour
        Fusion = 2, // the fused blocking of the pieces of its group
        Fixed = 3   // a block given from outside (a file, an import): cut as it is, never edited
    };
    // Where a blocking's outline comes from.
    enum Status
    {
        ByHand = 0,  // changed by hand since it was built
        Computed = 1 // the library's offset of its pieces
    };

    BlockingType blockingKind() const { return mKind; }
    void setBlockingKind(BlockingType kind) { mKind = kind; }
    short blockingStatus() const { return mStatus; }
    void setBlockingStatus(short status) { mStatus = status; }
    // Set once a user changed the outline; kept through undo as content.
    bool manualEditMark() const { return mManualEditMark; }
    void setManualEditMark(bool mark) { mManualEditMark = mark; }
    // The outline lies along a fabric edge: `edgeSnapValue` is that edge's y (0 or the layer's
    // width), and edits keep the points on it there.
    bool edgeSnapFlag() const { return mEdgeSnapFlag; }
    double edgeSnapValue() const { return mEdgeSnapValue; }
    void setEdgeSnap(bool flag, double value)
    {
        mEdgeSnapFlag = flag;
        mEdgeSnapValue = flag ? value : 0.0;
    }
    // Of a fusion: 0 when its outline covers exactly its group's pieces' blockings; other
    // values mark a fusion still to be rebuilt, which is not edited.
    int fusionState() const { return mFusionState; }
    void setFusionState(int state) { mFusionState = state; }

    bool operator==(const CDbBlockingObject& o) const
    {
        return mKind == o.mKind && mStatus == o.mStatus && mManualEditMark == o.mManualEditMark &&
               mEdgeSnapFlag == o.mEdgeSnapFlag && mEdgeSnapValue == o.mEdgeSnapValue &&
               mFusionState == o.mFusionState;
    }
    bool operator!=(const CDbBlockingObject& o) const { return !(*this == o); }

private:
    BlockingType mKind = None;
    short mStatus = Computed;
    bool mManualEditMark = false;
    bool mEdgeSnapFlag = false;
    double mEdgeSnapValue = 0.0;
    int mFusionState = 0;
};

} // namespace VelSystem
