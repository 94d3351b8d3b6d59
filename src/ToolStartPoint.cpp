#include "ToolStartPoint.h"

#include "FatalError.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePointSearch.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <boost/pointer_cast.hpp>

namespace VelSystem {

namespace {
const ToolRegistration<ToolStartPoint> registration("StartPoint",
                                                    QStringLiteral(":/images/tool_StartPoint.png"));
} // namespace

void ClickCurrentGrPolysPoint(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short layer,
                              const CDbMarkerPointObject& point, CDbVectorsObjectTable::ClickTarget notchMode,
                              CDbGrPolysObject** group, CDbPolygon** polygon, short* pointIndex)
{
    *group = nullptr;
    *polygon = nullptr;
    *pointIndex = 0;
    if (!fabric)
        VEL_THROW(68, FatalError(QCoreApplication::translate("Velsystem::ToolStartPoint",
                                                             "Add knife starting point.")));
    const KnifePointSearch::Hit hit =
        KnifePointSearch::findOutlinePoint(*fabric, layer, point, drawing->pixelToCmInX(5.0), notchMode);
    if (!hit.group)
        return;
    *group = hit.group;
    *pointIndex = hit.index;
    CDbPolygon& hitPolygon = hit.group->polygon(hit.polygon);
    *polygon = hitPolygon.isBlocking() ? nullptr : &hitPolygon;
}

ToolStartPoint::ToolStartPoint(const QString& icon) : ToolBase(icon) {}

ToolStartPoint::~ToolStartPoint() = default;

QString ToolStartPoint::name() const
{
    return QCoreApplication::translate("ToolStartPoint", "Knife Starting Point");
}

void ToolStartPoint::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    MarkerPress press;
    if (!markerPress(view, event, &press))
        return;
    const CDbMarkerPointObject point(view->scenePoint(event->pos()));
    press.fabric->resetWorkFields();
    CDbGrPolysObject* group = nullptr;
    CDbPolygon* polygon = nullptr;
    short pointIndex = 0;
    ClickCurrentGrPolysPoint(press.drawing, press.fabric, press.layer, point,
                             CDbVectorsObjectTable::eForAnyPoint, &group, &polygon, &pointIndex);
    if (!group || pointIndex == 0)
        return;
    pushCommand(*press.document, QStringLiteral("ChangeStartPoint"),
                {QVariant::fromValue(static_cast<void*>(group)), static_cast<int>(pointIndex)});
}

void ToolStartPoint::cursor(QCursor& cursor) const
{
    cursor = convertPlusCursor();
}

} // namespace VelSystem
