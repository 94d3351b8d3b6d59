#include "laystore/ops/CDbCutDownHelper.h"

#include "VelGeo/GeoRegion.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerShareGlobales.h"

namespace VelSystem {

namespace {

// Where a side or the centre of a rectangle lies along one direction; axis 0 is the low side
// across (left) but the high side along (top), as the position dialog names them.
double line(double low, double high, short axis, bool topFirst)
{
    if (axis == 1)
        return (low + high) / 2.0;
    return (axis == 0) != topFirst ? low : high;
}

// Touching a side counts as inside: rounding must not refuse a pair laid against an edge.
constexpr double kEdgeTolerance = 1e-9;

} // namespace

GeoPoint2D CDbCutDownHelper::alignmentShift(const GeoRectangle& first, const GeoRectangle& second,
                                            const CDbCutDownObject& position)
{
    const double dx = line(first.xmin, first.xmax, position.verticalAxis, false) -
                      line(second.xmin, second.xmax, position.verticalAxis, false);
    const double dy = line(first.ymin, first.ymax, position.horizontalAxis, true) -
                      line(second.ymin, second.ymax, position.horizontalAxis, true);
    return GeoPoint2D(dx + position.offsetX, dy + position.offsetY);
}

int CDbCutDownHelper::firstOfPair(const CDbGrPolysObject& group)
{
    for (int i = 0; i < group.polygonCount(); ++i) {
        if (group.polygon(i).cutDownPartner() > i)
            return i;
    }
    return -1;
}

CDbCutDownHelper::Code CDbCutDownHelper::join(CDbPolygon& first, CDbPolygon& second,
                                              const CDbCutDownObject& position, double layerWidth,
                                              short section)
{
    const GeoPoint2D shift =
        alignmentShift(first.pieceOutline().boundingRect(), second.pieceOutline().boundingRect(), position);
    second.translate(shift);
    second.setCutDownReturn(second.cutDownReturn() - shift);
    const GeoRegion united =
        GeoRegion::unite({first.cutOutline().toPolygon(), second.pieceOutline().toPolygon()});
    if (united.parts().size() != 1)
        return PiecesApart;
    // Holes the two pieces enclose between them are not cut: the knife follows the outside.
    const GeoPolygon2D& outside = united.parts().front().outer;
    const GeoRectangle r = outside.boundingRect();
    const double top = section == CDbGrPolysObject::SectionFabric ? layerWidth : 2.0 * layerWidth;
    if (r.ymin < -kEdgeTolerance || r.ymax > top + kEdgeTolerance ||
        (CDbMarkerShareGlobales::instance()->getNoNegative() && r.xmin < -kEdgeTolerance))
        return LeavesFabric;
    CDbVectorsObjectTable contour;
    for (const GeoPoint2D& p : outside.points())
        contour.append(CDbMarkerPointObject(p));
    first.contours().addContour(contour, CDbContourObject::CutDownUnion);
    first.setCutDownPosition(position);
    return Success;
}

CDbCutDownHelper::Code CDbCutDownHelper::checkPair(const CDbGrPolysObject& first,
                                                   const CDbGrPolysObject& second,
                                                   const CDbCutDownObject& position, double layerWidth)
{
    Code code = Success;
    makePair(first, second, position, layerWidth, &code);
    return code;
}

std::unique_ptr<CDbGrPolysObject> CDbCutDownHelper::makePair(const CDbGrPolysObject& first,
                                                             const CDbGrPolysObject& second,
                                                             const CDbCutDownObject& position,
                                                             double layerWidth, Code* code)
{
    const auto single = [](const CDbGrPolysObject& g) {
        return g.polygonCount() == 1 && !g.isCutDown() && !g.isBlocked() &&
               !g.polygon(0).contours().isEmpty();
    };
    const bool sameLayer =
        first.fabricIndex() == second.fabricIndex() && first.layerIndex() == second.layerIndex();
    if (&first == &second || !single(first) || !single(second) || !sameLayer || !position.isValid()) {
        *code = NotPairable;
        return nullptr;
    }
    std::unique_ptr<CDbGrPolysObject> pair(static_cast<CDbGrPolysObject*>(first.clone()));
    pair->addPolygon(second.polygon(0));
    pair->setCutDownMark(false);
    CDbPolygon& a = pair->polygon(0);
    CDbPolygon& b = pair->polygon(1);
    a.setCutDownPartner(1);
    b.setCutDownPartner(0);
    b.setCutDownReturn(GeoPoint2D());
    *code = join(a, b, position, layerWidth, first.section());
    if (*code != Success)
        return nullptr;
    return pair;
}

std::pair<std::unique_ptr<CDbGrPolysObject>, std::unique_ptr<CDbGrPolysObject>>
CDbCutDownHelper::takeApart(const CDbGrPolysObject& pair)
{
    const int i = firstOfPair(pair);
    if (i < 0)
        return {};
    const int j = pair.polygon(i).cutDownPartner();
    CDbPolygon first = pair.polygon(i);
    CDbPolygon second = pair.polygon(j);
    if (first.contours().origin(first.contours().count() - 1) == CDbContourObject::CutDownUnion)
        first.contours().removeLastContour();
    first.setCutDownPartner(-1);
    first.setCutDownPosition(std::nullopt);
    second.translate(second.cutDownReturn());
    second.setCutDownPartner(-1);
    second.setCutDownReturn(GeoPoint2D());

    const auto groupOf = [&pair](const CDbPolygon& polygon) {
        std::unique_ptr<CDbGrPolysObject> group(static_cast<CDbGrPolysObject*>(pair.clone()));
        group->polygons() = {polygon};
        group->setCutDownMark(false);
        return group;
    };
    return {groupOf(first), groupOf(second)};
}

CDbCutDownHelper::Code CDbCutDownHelper::cutDownPolys(CDbGrPolysObject& pair,
                                                      const CDbCutDownObject& position, double layerWidth)
{
    const int i = firstOfPair(pair);
    if (i < 0 || !position.isValid())
        return NotPairable;
    CDbPolygon first = pair.polygon(i);
    CDbPolygon second = pair.polygon(first.cutDownPartner());
    if (first.contours().origin(first.contours().count() - 1) == CDbContourObject::CutDownUnion)
        first.contours().removeLastContour();
    const Code code = join(first, second, position, layerWidth, pair.section());
    if (code != Success)
        return code;
    pair.polygon(first.cutDownPartner()) = second;
    pair.polygon(i) = first;
    pair.emitChanged();
    return Success;
}

} // namespace VelSystem
