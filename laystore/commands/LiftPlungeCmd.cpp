#include "laystore/commands/LiftPlungeCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

namespace {

const CmdRegistration<LiftPlungeCmd> registration(QStringLiteral("LiftPlunge"));

} // namespace

LiftPlungeCmd::LiftPlungeCmd() : CutPathCmd(tr("Lift & Plunge")) {}

short LiftPlungeCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
{
    const CDbMarkerPointObject* point = nullptr;
    bool add = true, shiftAlt = false;
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    if (!clickParameters(parameters, &point, &add, &shiftAlt) || !currentLayer(document, &fabric, &layer))
        return BadParameters;
    const double tolerance = clickTolerance(document);

    if (shiftAlt)
        return clearOfPiece(
            *fabric, layer, *point, tolerance, PointFeature::LiftPlunge,
            [](CDbPolygon& polygon) {
                return std::vector<CDbVectorsObjectTable*>{&polygon.contours().lastContour()};
            },
            tr("Click a piece to remove all its lift and plunge points."),
            tr("The piece has no lift and plunge point."));

    const KnifePointSearch::Hit hit = KnifePointSearch::findOutlinePoint(*fabric, layer, *point, tolerance,
                                                                         CDbVectorsObjectTable::eForAnyPoint);
    if (!hit.group)
        return refuse(add ? tr("Click a point of a piece's outline.")
                          : tr("There is no lift and plunge point here."));
    const CDbPolygon& polygon = hit.group->polygon(hit.polygon);
    const int index = hit.index - 1;
    const bool marked = polygon.cutOutline()[index].hasFeature(PointFeature::LiftPlunge);
    if (add && marked)
        return refuse(tr("The knife already lifts and plunges here."));
    if (add && index == polygon.knifeStartIndex())
        return refuse(tr("The knife starts at this point: it cannot lift and plunge there."));
    if (!add && !marked)
        return refuse(tr("There is no lift and plunge point here."));
    changed(hit.group)
        .polygon(hit.polygon)
        .contours()
        .lastContour()[index]
        .setFeature(PointFeature::LiftPlunge, add);
    return 0;
}

} // namespace VelSystem
