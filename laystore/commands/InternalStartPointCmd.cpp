#include "laystore/commands/InternalStartPointCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

namespace {

const CmdRegistration<InternalStartPointCmd> registration(QStringLiteral("InternalStartPoint"));

} // namespace

InternalStartPointCmd::InternalStartPointCmd() : CutPathCmd(tr("Internal Start Point")) {}

short InternalStartPointCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
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
            *fabric, layer, *point, tolerance, PointFeature::InternalStart,
            [](CDbPolygon& polygon) {
                std::vector<CDbVectorsObjectTable*> runs;
                for (CDbInternalSegment& segment : polygon.internalSegments())
                    runs.push_back(&segment.points());
                return runs;
            },
            tr("Click a piece to remove all its internal start points."),
            tr("The piece has no internal start point."));

    const KnifePointSearch::Hit hit = KnifePointSearch::findInternalPoint(*fabric, layer, *point, tolerance);
    if (!hit.group)
        return refuse(add ? tr("Click a point of a piece's internal segment.")
                          : tr("There is no internal start point here."));
    const int index = hit.index - 1;
    const CDbInternalSegment& segment =
        hit.group->polygon(hit.polygon).internalSegments()[static_cast<size_t>(hit.segment)];
    const bool marked = segment.points()[index].hasFeature(PointFeature::InternalStart);
    if (add && marked)
        return refuse(tr("The knife already enters the segment here."));
    if (!add && !marked)
        return refuse(tr("There is no internal start point here."));
    CDbVectorsObjectTable& points =
        changed(hit.group).polygon(hit.polygon).internalSegments()[static_cast<size_t>(hit.segment)].points();
    for (int i = 0; i < points.size(); ++i)
        points[i].setFeature(PointFeature::InternalStart, add && i == index);
    return 0;
}

} // namespace VelSystem
