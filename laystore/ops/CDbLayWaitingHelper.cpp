#include "laystore/ops/CDbLayWaitingHelper.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

#include <limits>

namespace VelSystem {

CDbLayWaitingHelper::CDbLayWaitingHelper(DocumentMak* document, CDbFabricObject* fabric, short layer)
    : mDocument(document), mFabric(fabric), mLayer(layer),
      mNesting(*document, fabric, layer, GeoRectangle(0.0, 0.0, std::numeric_limits<double>::infinity(), 0.0),
               NestProblem::ShortestLength),
      mEngine(mNesting.problem())
{}

int CDbLayWaitingHelper::apply(const NestResult& result)
{
    QListEx<CDbAbstractObject*> waiting, laid;
    std::vector<const CDbGrPolysObject*> laidSoFar;
    for (int i = 0; i < mNesting.waiting().size() && i < static_cast<int>(result.placements.size()); ++i) {
        const NestPlacement& placement = result.placements[static_cast<size_t>(i)];
        if (!placement.placed)
            continue;
        waiting.append(mNesting.waiting()[i]);
        laidSoFar.push_back(mNesting.laidCopy(i, placement, laidSoFar).release());
        laid.append(const_cast<CDbGrPolysObject*>(laidSoFar.back()));
    }
    if (laid.isEmpty())
        return 0;
    mDocument->pushReplaceCmdUndo(waiting, laid, mFabric, mLayer, tr("Lay Waiting Pieces"),
                                  DocumentMak::ApplyOnPush);
    return laid.size();
}

} // namespace VelSystem
