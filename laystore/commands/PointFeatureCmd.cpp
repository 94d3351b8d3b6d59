#include "laystore/commands/PointFeatureCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

namespace {

constexpr PointFeatureCmd::Marks kLiftPlunge{
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "Lift & Plunge"),
    PointFeature::LiftPlunge,
    PointFeatureCmd::Marks::CutOutline,
    false,
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd",
                      "The knife starts at this point: it cannot lift and plunge there."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "Click a point of a piece's outline."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "The knife already lifts and plunges here."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "There is no lift and plunge point here."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd",
                      "Click a piece to remove all its lift and plunge points."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "The piece has no lift and plunge point.")};

constexpr PointFeatureCmd::Marks kInternalStart{
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "Internal Start Point"),
    PointFeature::InternalStart,
    PointFeatureCmd::Marks::InternalSegments,
    true,
    nullptr,
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "Click a point of a piece's internal segment."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "The knife already enters the segment here."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "There is no internal start point here."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "Click a piece to remove all its internal start points."),
    QT_TRANSLATE_NOOP("VelSystem::PointFeatureCmd", "The piece has no internal start point.")};

struct Registration
{
    Registration(const QString& name, const PointFeatureCmd::Marks& marks)
    {
        CmdsManager::instance()->registerCommand(name, [&marks] { return new PointFeatureCmd(marks); });
    }
};

const Registration liftPlunge(QStringLiteral("LiftPlunge"), kLiftPlunge);
const Registration internalStart(QStringLiteral("InternalStartPoint"), kInternalStart);

} // namespace

PointFeatureCmd::PointFeatureCmd(const Marks& marks) : CutPathCmd(tr(marks.undoText)), mMarks(marks) {}

std::vector<CDbVectorsObjectTable*> PointFeatureCmd::runsOf(CDbPolygon& polygon) const
{
    if (mMarks.runs == Marks::CutOutline)
        return {&polygon.contours().lastContour()};
    std::vector<CDbVectorsObjectTable*> runs;
    for (CDbInternalSegment& segment : polygon.internalSegments())
        runs.push_back(&segment.points());
    return runs;
}

short PointFeatureCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
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
            *fabric, layer, *point, tolerance, mMarks.feature,
            [this](CDbPolygon& polygon) { return runsOf(polygon); }, tr(mMarks.noPieceHere),
            tr(mMarks.noneOnPiece));

    const KnifePointSearch::Hit hit =
        mMarks.runs == Marks::CutOutline
            ? KnifePointSearch::findOutlinePoint(*fabric, layer, *point, tolerance,
                                                 CDbVectorsObjectTable::eForAnyPoint)
            : KnifePointSearch::findInternalPoint(*fabric, layer, *point, tolerance);
    if (!hit.group)
        return refuse(tr(add ? mMarks.noPointHere : mMarks.noneHere));
    const int index = hit.index - 1;
    // The hit's run is the only one of its polygon on the outline, the segment hit otherwise.
    const size_t run = hit.segment < 0 ? 0 : static_cast<size_t>(hit.segment);
    CDbPolygon& polygon = hit.group->polygon(hit.polygon);
    const bool marked = (*runsOf(polygon)[run])[index].hasFeature(mMarks.feature);
    if (add && marked)
        return refuse(tr(mMarks.alreadyFlagged));
    if (add && mMarks.notAtKnifeStart && index == polygon.knifeStartIndex())
        return refuse(tr(mMarks.notAtKnifeStart));
    if (!add && !marked)
        return refuse(tr(mMarks.noneHere));
    CDbVectorsObjectTable& points = *runsOf(changed(hit.group).polygon(hit.polygon))[run];
    if (mMarks.onePerRun) {
        for (int i = 0; i < points.size(); ++i)
            points[i].setFeature(mMarks.feature, add && i == index);
    } else {
        points[index].setFeature(mMarks.feature, add);
    }
    return 0;
}

} // namespace VelSystem
