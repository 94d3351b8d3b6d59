#pragma once

#include "laystore/CDbGrPolysObject.h"
#include "laystore/QListEx.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <functional>
#include <memory>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class DocumentMak;

// Cut-down pairs made in the size chart, on one layer: two pieces laid together in every size,
// or the copies of each piece of one size laid together two by two (two size columns). They
// are ordinary pairs (CDbCutDownHelper) whose first polygon has no position of its own: the
// fabric's size plan keeps it. Each operation works out the groups to replace and their
// replacements, and changes nothing; with a code other than Success the change is empty.
class CDbChartCutDownHelper
{
public:
    struct Change
    {
        QListEx<CDbAbstractObject*> current;
        std::vector<std::unique_ptr<CDbGrPolysObject>> replacements;
    };
    // Which chart pairs an operation takes: it gets the pair's first and second polygon.
    using PairFilter = std::function<bool(const CDbPolygon& first, const CDbPolygon& second)>;

    // Pairs copy i of piece `first` with copy i of piece `second` (0-based), size by size.
    // NotPairable when no copy of the two can be paired.
    static CDbCutDownHelper::Code pairPieces(const DocumentMak& document, CDbFabricObject* fabric,
                                             short layer, short first, short second,
                                             const CDbCutDownObject& position, Change* change);
    // Pairs the copies of each piece in size `sizeId` two by two, at most `garmentPairs` times the
    // piece's copies per garment. NotPairable when there is nothing to pair.
    static CDbCutDownHelper::Code pairSize(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                                           short sizeId, int garmentPairs, const CDbCutDownObject& position,
                                           Change* change);
    // Takes apart the chart pairs `filter` accepts.
    static void takeApart(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                          const PairFilter& filter, Change* change);
    // Lays the second pieces of the chart pairs `filter` accepts again at `position`.
    static CDbCutDownHelper::Code relay(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                                        const PairFilter& filter, const CDbCutDownObject& position,
                                        Change* change);

private:
    // The groups of the layer holding one unpaired, unblocked, uncut copy of `piece` in `size`.
    static QListEx<CDbGrPolysObject*> singles(const DocumentMak& document, CDbFabricObject* fabric,
                                              short layer, short piece, short size);
    // Adds the pair of `a` and `b` to `change`; the chart keeps its position.
    static CDbCutDownHelper::Code addPair(CDbGrPolysObject* a, CDbGrPolysObject* b,
                                          const CDbCutDownObject& position, double layerWidth,
                                          Change* change);
    // The layer's chart pairs that `filter` accepts.
    static QListEx<CDbGrPolysObject*> chartPairs(const DocumentMak& document, CDbFabricObject* fabric,
                                                 short layer, const PairFilter& filter);
};

} // namespace VelSystem
