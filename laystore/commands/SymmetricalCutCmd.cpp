#include "laystore/commands/SymmetricalCutCmd.h"

#include "VelCore/CmdsManager.h"
#include "VelCore/t_1_Based.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

namespace {

const CmdRegistration<SymmetricalCutCmd> registration(QStringLiteral("SymmetricalCut"));

} // namespace

SymmetricalCutCmd::SymmetricalCutCmd() : CutPathCmd(tr("Symmetrical Cut")) {}

short SymmetricalCutCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    if (parameters.size() != 3 || parameters[0].userType() != QMetaType::VoidStar ||
        parameters[1].userType() != QMetaType::Bool || parameters[2].userType() != QMetaType::Int ||
        !currentLayer(document, &fabric, &layer))
        return BadParameters;
    // The polygon's address is only compared until it is known to be one of the layer's.
    const void* wanted = parameters[0].value<void*>();
    CDbGrPolysObject* group = nullptr;
    int polygonIndex = -1;
    for (CDbGrPolysObject* candidate : document.groups(fabric, layer)) {
        for (int i = 0; i < candidate->polygonCount() && !group; ++i) {
            if (&candidate->polygon(i) == wanted) {
                group = candidate;
                polygonIndex = i;
            }
        }
    }
    if (!group)
        return BadParameters;
    const bool add = parameters[1].toBool();
    const CDbPolygon& polygon = group->polygon(polygonIndex);
    const t_1_Based index(static_cast<short>(parameters[2].toInt()));
    if (!index.isValid() || index.value() > polygon.cutOutline().size())
        return refuse(tr("A symmetrical cut starts and ends at points of the piece's outline."));
    const int point = index.zeroBased();
    const auto setPair = [&](int start, int end) {
        CDbVectorsObjectTable& outline = changed(group).polygon(polygonIndex).contours().lastContour();
        for (int i = 0; i < outline.size(); ++i) {
            outline[i].setFeature(PointFeature::SymmetricalCut, i == start);
            outline[i].setFeature(PointFeature::SymmetricalEnd, i == end);
        }
    };

    if (!add) {
        if (point != polygon.symmetricalStartIndex() && point != polygon.symmetricalEndIndex())
            return refuse(tr("There is no symmetrical-cut point here."));
        setPair(-1, -1);
        setFirstClickAfter(true);
        return 0;
    }
    const int start = polygon.symmetricalStartIndex();
    const bool openStart = start >= 0 && polygon.symmetricalEndIndex() < 0;
    if (document.drawing()->isFirstClick() || !openStart) {
        setPair(point, -1);
        setFirstClickAfter(false);
        return 0;
    }
    if (start == point)
        return refuse(tr("A symmetrical cut must end at another point than where it starts."));
    setPair(start, point);
    setFirstClickAfter(true);
    return 0;
}

} // namespace VelSystem
