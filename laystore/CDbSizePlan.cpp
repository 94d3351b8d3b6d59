#include "laystore/CDbSizePlan.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <algorithm>

namespace VelSystem {

CDbSizePlan::Counts CDbSizePlan::count(const CDbFabricObject& fabric)
{
    Counts counts;
    for (short l = 0; fabric.layer(l); ++l) {
        for (const CDbGrPolysObject* group : fabric.layer(l)->groups()) {
            for (const CDbPolygon& polygon : group->polygons()) {
                if (polygon.isBlockingPolygon() || polygon.pieceIndex() < 0 || polygon.angleCutPart() > 1)
                    continue;
                Count& c = counts[{polygon.pieceIndex(), polygon.sizeIndex()}];
                ++(group->section() == CDbGrPolysObject::SectionFabric ? c.laid : c.waiting);
            }
        }
    }
    return counts;
}

std::vector<CDbDisplaySizeObject> CDbSizePlan::columns(const CDbFabricObject& fabric) const
{
    if (!mColumns.empty())
        return mColumns;
    const short sizes = fabric.sizeCount();
    std::vector<CDbDisplaySizeObject> derived(static_cast<size_t>(sizes));
    for (short s = 0; s < sizes; ++s) {
        derived[static_cast<size_t>(s)].columnIndex = s;
        derived[static_cast<size_t>(s)].sizeId = s;
    }
    for (const auto& [key, c] : count(fabric)) {
        const short perGarment = std::max<short>(1, fabric.piece(key.first)->getVELPieceQuantity());
        const int garments = (c.laid + c.waiting + perGarment - 1) / perGarment;
        if (key.second < sizes) {
            short& quantity = derived[static_cast<size_t>(key.second)].quantity;
            quantity = static_cast<short>(std::max<int>(quantity, garments));
        }
    }
    return derived;
}

const CDbSizePlan::PiecePair* CDbSizePlan::piecePairOf(short piece) const
{
    const auto found = std::find_if(mPiecePairs.begin(), mPiecePairs.end(), [piece](const PiecePair& p) {
        return p.first == piece || p.second == piece;
    });
    return found == mPiecePairs.end() ? nullptr : &*found;
}

const CDbDisplaySizeObject* CDbSizePlan::sizePairOf(short sizeId) const
{
    const auto found =
        std::find_if(mColumns.begin(), mColumns.end(), [sizeId](const CDbDisplaySizeObject& c) {
            return c.sizeId == sizeId && c.displaySizeIsInCutDown();
        });
    return found == mColumns.end() ? nullptr : &*found;
}

bool CDbSizePlan::hasSizePair() const
{
    return std::any_of(mColumns.begin(), mColumns.end(),
                       [](const CDbDisplaySizeObject& c) { return c.displaySizeIsInCutDown(); });
}

CDbSizePlan::ChartPair CDbSizePlan::chartPairOf(const CDbGrPolysObject& group,
                                                CDbCutDownObject* position) const
{
    const int i = CDbCutDownHelper::firstOfPair(group);
    if (i < 0 || group.polygon(i).cutDownPosition())
        return NotInChart;
    const CDbPolygon& first = group.polygon(i);
    const CDbPolygon& second = group.polygon(first.cutDownPartner());
    if (first.pieceIndex() == second.pieceIndex()) {
        const CDbDisplaySizeObject* column = sizePairOf(first.sizeIndex());
        if (!column)
            return NotInChart;
        *position = column->position;
        return BySize;
    }
    const PiecePair* pair = piecePairOf(first.pieceIndex());
    if (!pair || pair != piecePairOf(second.pieceIndex()))
        return NotInChart;
    *position = pair->position;
    return ByPiece;
}

} // namespace VelSystem
