#pragma once

#include "laystore/QListEx.h"
#include "laystore/ops/NestProblem.h"

#include <memory>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;

// The nesting engine's view of one layer of a marker: the groups waiting in its standby
// area are the pieces to lay, in their allowed turns; the groups laid on its fabric area
// that meet the region are obstacles. A result becomes copies of the waiting groups, turned
// and moved where it lays them.
class CDbNestingHelper
{
public:
    // `region`: where pieces may go, cut to the layer's fabric area; for ShortestLength only
    // its left matters.
    CDbNestingHelper(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                     const GeoRectangle& region, NestProblem::Goal goal);

    const NestProblem& problem() const { return mProblem; }
    // The waiting groups, in the order of the problem's pieces.
    const QListEx<CDbGrPolysObject*>& waiting() const { return mWaiting; }
    // A copy of waiting group `index`, in no document, laid on the fabric area as
    // `placement` says, then moved onto the nearest free place where its links to laid
    // pieces match (where there is one; see LinkMatching::freeMatchingMove). `alsoLaid`: the
    // copies of the same result laid before it, not yet in the document, which it may be
    // linked to.
    std::unique_ptr<CDbGrPolysObject>
    laidCopy(int index, const NestPlacement& placement,
             const std::vector<const CDbGrPolysObject*>& alsoLaid = {}) const;

    // The turns that bring every piece of the group to one of its piece's allowed rotations
    // (the group as it lies when there is no such turn).
    static std::vector<NestOrientation> allowedTurns(const CDbGrPolysObject& group,
                                                     const CDbFabricObject& fabric);

private:
    const DocumentMak& mDocument;
    CDbFabricObject* mFabric;
    short mLayer;
    NestProblem mProblem;
    QListEx<CDbGrPolysObject*> mWaiting;
};

} // namespace VelSystem
