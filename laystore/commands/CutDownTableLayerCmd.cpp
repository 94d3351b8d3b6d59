#include "laystore/commands/CutDownTableLayerCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <algorithm>

namespace VelSystem {

namespace {
const CmdRegistration<CutDownTableLayerCmd> registration(QStringLiteral("CutDownTableLayer"));
} // namespace

CutDownTableLayerCmd::CutDownTableLayerCmd()
    : ChartCutDownCmd(
          QCoreApplication::translate("VelSystem::CutDownTableLayerCmd", "Cut Down Sizes in Chart"))
{}

short CutDownTableLayerCmd::setDocument(const boost::shared_ptr<Document>& document,
                                        const QList<QVariant>& parameters)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    CDbCutDownObject position;
    DocumentMak* marker = chartTarget(document, parameters, 14, &fabric, &layer, &position);
    double values[6] = {};
    if (!marker)
        return 1;
    for (int k = 0; k < 6; ++k) {
        if (!numberAt(parameters, k, &values[k]))
            return 1;
    }
    std::vector<CDbDisplaySizeObject> columns = fabric->sizePlan().columns(*fabric);
    const auto column = [&columns](double number) -> CDbDisplaySizeObject* {
        return number >= 1 && number <= double(columns.size()) ? &columns[size_t(number) - 1] : nullptr;
    };
    const short sizeId = static_cast<short>(values[3]);
    CDbChartCutDownHelper::Change change;
    CDbSizePlan after = fabric->sizePlan();
    const auto ofSize = [sizeId](const CDbPolygon& first, const CDbPolygon& second) {
        return first.pieceIndex() == second.pieceIndex() && first.sizeIndex() == sizeId;
    };
    if (parameters[10].toBool()) {
        CDbDisplaySizeObject* a = column(values[0]);
        CDbDisplaySizeObject* b = column(values[1]);
        if (!a || !b || a->sizeId != sizeId || b->sizeId != sizeId || a->displaySizeIsInCutDown() ||
            b->displaySizeIsInCutDown() || !after.piecePairs().empty())
            return 1;
        const int garmentPairs = a == b ? a->quantity / 2 : std::min(a->quantity, b->quantity);
        const CDbCutDownHelper::Code code =
            CDbChartCutDownHelper::pairSize(*marker, fabric, layer, sizeId, garmentPairs, position, &change);
        if (code != CDbCutDownHelper::Success)
            return code;
        a->partnerIndex = b->columnIndex;
        b->partnerIndex = a->columnIndex;
        a->position = b->position = position;
        after.setColumns(columns);
    } else {
        CDbDisplaySizeObject* a = column(values[2]);
        if (!a || a->sizeId != sizeId || !a->displaySizeIsInCutDown())
            return 1;
        CDbDisplaySizeObject& b = columns[size_t(a->partnerIndex)];
        if (parameters[11].toBool()) {
            if (!position.isValid() || position == a->position)
                return 1;
            const CDbCutDownHelper::Code code =
                CDbChartCutDownHelper::relay(*marker, fabric, layer, ofSize, position, &change);
            if (code != CDbCutDownHelper::Success)
                return code;
            a->position = b.position = position;
        } else {
            CDbChartCutDownHelper::takeApart(*marker, fabric, layer, ofSize, &change);
            a->partnerIndex = b.partnerIndex = -1;
            a->position = b.position = CDbCutDownObject();
        }
        // Columns that say no more than the groups do are not kept.
        const bool paired = std::any_of(columns.begin(), columns.end(), [](const CDbDisplaySizeObject& c) {
            return c.displaySizeIsInCutDown();
        });
        after.setColumns(!paired && columns == CDbSizePlan().columns(*fabric)
                             ? std::vector<CDbDisplaySizeObject>()
                             : columns);
    }
    prepareChart(*marker, fabric, std::move(change), after);
    return 0;
}

} // namespace VelSystem
