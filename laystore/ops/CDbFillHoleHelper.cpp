#include "laystore/ops/CDbFillHoleHelper.h"

#include "VelCore/VelCoreApplication.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbNestingHelper.h"
#include "laystore/ops/NestRun.h"

#include <algorithm>

namespace VelSystem {

void CDbFillHoleHelper::fillHoleSemiAutomatization(CDbMarkerDrawing* drawing, short mode, short layer,
                                                   const GeoRectangle& hole, short* code,
                                                   CDbGrPolysObject** group, short* count)
{
    *code = 1;
    *group = nullptr;
    *count = 0;
    auto* document = drawing ? qobject_cast<DocumentMak*>(drawing->document()) : nullptr;
    CDbFabricObject* fabric = drawing ? drawing->getCurrentFabric() : nullptr;
    if (!document || !fabric || mode != kFromStandby || !fabric->layer(layer))
        return;
    const CDbNestingHelper nesting(*document, fabric, layer, hole, NestProblem::FillArea);
    if (nesting.waiting().isEmpty()) {
        *code = 2;
        VelCoreApplication::instance()->showMessage(tr("No piece is waiting in the standby area."));
        return;
    }
    NestEngine engine(nesting.problem());
    NestEngine::Options options;
    options.seconds = kSeconds;
    NestRun run(engine, options);
    const NestResult& result = run.wait(QEventLoop::ExcludeUserInputEvents);
    if (result.placedCount == 0) {
        *code = 3;
        VelCoreApplication::instance()->showMessage(tr("No waiting piece fits in this place."));
        return;
    }
    double largest = 0.0;
    for (int i = 0; i < nesting.waiting().size(); ++i) {
        const NestPlacement& placement = result.placements[static_cast<size_t>(i)];
        if (!placement.placed)
            continue;
        std::unique_ptr<CDbGrPolysObject> copy = nesting.laidCopy(i, placement);
        copy->setSelected(true);
        const double area = copy->area();
        CDbGrPolysObject* laid = copy.release();
        document->addPiece(laid, fabric, layer);
        ++*count;
        if (area > largest) {
            largest = area;
            *group = laid;
        }
    }
    document->emitModified();
    *code = 0;
}

} // namespace VelSystem
