#include "laystore/ops/CDbChartCutDownHelper.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

#include <algorithm>

namespace VelSystem {

QListEx<CDbGrPolysObject*> CDbChartCutDownHelper::singles(const DocumentMak& document,
                                                          CDbFabricObject* fabric, short layer, short piece,
                                                          short size)
{
    QListEx<CDbGrPolysObject*> found;
    for (CDbGrPolysObject* group : document.groups(fabric, layer)) {
        if (group->polygonCount() != 1 || group->isCutDown() || group->isBlocked())
            continue;
        const CDbPolygon& polygon = group->polygon(0);
        if (polygon.pieceIndex() == piece && polygon.sizeIndex() == size && polygon.angleCutPart() == 0)
            found.append(group);
    }
    return found;
}

CDbCutDownHelper::Code CDbChartCutDownHelper::addPair(CDbGrPolysObject* a, CDbGrPolysObject* b,
                                                      const CDbCutDownObject& position, double layerWidth,
                                                      Change* change)
{
    CDbCutDownHelper::Code code = CDbCutDownHelper::Success;
    std::unique_ptr<CDbGrPolysObject> pair = CDbCutDownHelper::makePair(*a, *b, position, layerWidth, &code);
    if (!pair)
        return code;
    pair->polygon(0).setCutDownPosition(std::nullopt);
    change->current << a << b;
    change->replacements.push_back(std::move(pair));
    return CDbCutDownHelper::Success;
}

CDbCutDownHelper::Code CDbChartCutDownHelper::pairPieces(const DocumentMak& document, CDbFabricObject* fabric,
                                                         short layer, short first, short second,
                                                         const CDbCutDownObject& position, Change* change)
{
    const CDbPieceObject* a = fabric->piece(first);
    const CDbPieceObject* b = fabric->piece(second);
    if (!a || !b || first == second)
        return CDbCutDownHelper::NotPairable;
    const double width = fabric->getFabricLayerWidth(layer);
    const short sizes = std::min(a->getNumberOfSizes(), b->getNumberOfSizes());
    for (short s = 0; s < sizes; ++s) {
        const QListEx<CDbGrPolysObject*> firsts = singles(document, fabric, layer, first, s);
        const QListEx<CDbGrPolysObject*> seconds = singles(document, fabric, layer, second, s);
        for (int i = 0; i < std::min(firsts.size(), seconds.size()); ++i) {
            const CDbCutDownHelper::Code code = addPair(firsts[i], seconds[i], position, width, change);
            if (code != CDbCutDownHelper::Success) {
                *change = Change();
                return code;
            }
        }
    }
    return change->replacements.empty() ? CDbCutDownHelper::NotPairable : CDbCutDownHelper::Success;
}

CDbCutDownHelper::Code CDbChartCutDownHelper::pairSize(const DocumentMak& document, CDbFabricObject* fabric,
                                                       short layer, short sizeId, int garmentPairs,
                                                       const CDbCutDownObject& position, Change* change)
{
    const double width = fabric->getFabricLayerWidth(layer);
    for (short p = 0; p < fabric->pieceCount(); ++p) {
        const QListEx<CDbGrPolysObject*> copies = singles(document, fabric, layer, p, sizeId);
        const int pairs = std::min(copies.size() / 2, garmentPairs * fabric->piece(p)->getVELPieceQuantity());
        for (int i = 0; i < pairs; ++i) {
            const CDbCutDownHelper::Code code =
                addPair(copies[2 * i], copies[2 * i + 1], position, width, change);
            if (code != CDbCutDownHelper::Success) {
                *change = Change();
                return code;
            }
        }
    }
    return change->replacements.empty() ? CDbCutDownHelper::NotPairable : CDbCutDownHelper::Success;
}

QListEx<CDbGrPolysObject*> CDbChartCutDownHelper::chartPairs(const DocumentMak& document,
                                                             CDbFabricObject* fabric, short layer,
                                                             const PairFilter& filter)
{
    QListEx<CDbGrPolysObject*> found;
    for (CDbGrPolysObject* group : document.groups(fabric, layer)) {
        const int i = CDbCutDownHelper::firstOfPair(*group);
        if (i >= 0 && !group->polygon(i).cutDownPosition() &&
            filter(group->polygon(i), group->polygon(group->polygon(i).cutDownPartner())))
            found.append(group);
    }
    return found;
}

void CDbChartCutDownHelper::takeApart(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                                      const PairFilter& filter, Change* change)
{
    for (CDbGrPolysObject* group : chartPairs(document, fabric, layer, filter)) {
        auto parts = CDbCutDownHelper::takeApart(*group);
        change->current << group;
        change->replacements.push_back(std::move(parts.first));
        change->replacements.push_back(std::move(parts.second));
    }
}

CDbCutDownHelper::Code CDbChartCutDownHelper::relay(const DocumentMak& document, CDbFabricObject* fabric,
                                                    short layer, const PairFilter& filter,
                                                    const CDbCutDownObject& position, Change* change)
{
    const double width = fabric->getFabricLayerWidth(layer);
    for (CDbGrPolysObject* group : chartPairs(document, fabric, layer, filter)) {
        std::unique_ptr<CDbGrPolysObject> moved(static_cast<CDbGrPolysObject*>(group->clone()));
        const CDbCutDownHelper::Code code = CDbCutDownHelper::cutDownPolys(*moved, position, width);
        if (code != CDbCutDownHelper::Success) {
            *change = Change();
            return code;
        }
        moved->polygon(CDbCutDownHelper::firstOfPair(*moved)).setCutDownPosition(std::nullopt);
        change->current << group;
        change->replacements.push_back(std::move(moved));
    }
    return CDbCutDownHelper::Success;
}

} // namespace VelSystem
