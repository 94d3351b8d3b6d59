#include "ToolSequence.h"

#include "ToolRegistration.h"

#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbGrPolysObjectIter.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <boost/pointer_cast.hpp>

namespace VelSystem {

namespace {

const ToolRegistration<ToolSequence> registration("Sequence", QStringLiteral(":/images/tool_Sequence.png"));

// No fabric to search.
constexpr short kNoFabric = 3015;

CDbMarkerDrawing* drawingOf(const DocumentView* view)
{
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    return document ? document->drawing() : nullptr;
}

// The placed group of `layer` (0-based) whose cut outline holds `point`, first in drawing
// order. A blocked group is cut as its blocking, which has no place of its own in the order:
// it is skipped with a beep.
void findGroupAtPoint(CDbFabricObject* fabric, short layer, const GeoPoint2D& point, short* code,
                      CDbGrPolysObject** group, bool* found)
{
    *code = 0;
    if (!fabric) {
        *code = kNoFabric;
        return;
    }
    *found = false;
    *group = nullptr;
    CDbGrPolysObjectIter groups(fabric->getPlaceGroupList(t_1_Based::fromZeroBased(layer)));
    while (CDbGrPolysObject* next = groups.next()) {
        if (next->polygonCount() > 0 && next->polygon(next->knifePolygonIndex()).isBlocking()) {
            QApplication::beep();
            continue;
        }
        for (const CDbPolygon& polygon : next->polygons()) {
            if (!polygon.contours().isEmpty() && polygon.boundingRect().contains(point) &&
                polygon.cutOutline().containsPoint(point)) {
                *found = true;
                *group = next;
                return;
            }
        }
    }
}

} // namespace

ToolSequence::ToolSequence(const QString& icon) : ToolBase(icon) {}

ToolSequence::~ToolSequence() = default;

QString ToolSequence::name() const
{
    return QCoreApplication::translate("ToolSequence", "Sequence");
}

void ToolSequence::start()
{
    CDbMarkerDrawing* drawing = mView ? drawingOf(mView) : nullptr;
    if (drawing && drawing->isCutView())
        drawing->setFirstClick(true);
}

void ToolSequence::stop()
{
    mView = nullptr;
}

void ToolSequence::mouseMoveEvent(DocumentView* view, QMouseEvent* /*event*/)
{
    mView = view;
}

void ToolSequence::cursor(QCursor& cursor) const
{
    if (!mView) {
        cursor = editBlockCursor();
        return;
    }
    if (const CDbMarkerDrawing* drawing = drawingOf(mView))
        cursor = drawing->isFirstClick() ? editBlockCursor() : editBlockedCursor();
}

void ToolSequence::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    MarkerPress press;
    if (!markerPress(view, event, &press))
        return;
    CDbMarkerDrawing* drawing = press.drawing;
    CDbFabricObject* fabric = press.fabric;
    const short layer = press.layer;
    const GeoPoint2D point = view->scenePoint(event->pos());
    fabric->resetWorkFields();
    short code = 0;
    CDbGrPolysObject* group = nullptr;
    bool found = false;
    findGroupAtPoint(fabric, layer, point, &code, &group, &found);
    if (code != 0 || !found)
        return;

    if (drawing->isFirstClick()) {
        fabric->cancelLayerSelecitionInCutView(layer);
        drawing->setFirstClick(false);
        fabric->selectGrPolysFromCutView(layer, group, &code);
        if (code == 0)
            press.document->emitModified();
        return;
    }
    const CDbGrPolysObject* current = fabric->layer(layer)->cutOrderGroup();
    if (current && current->getPolygonCutRank() >= group->accountNumberOfPolygonsCuttingOfTheLayer()) {
        QApplication::beep();
        return;
    }
    if (group->getPolygonCutRank() == 0)
        return;
    pushCommand(*press.document, QStringLiteral("Sequence"),
                {QVariant::fromValue(static_cast<void*>(group))});
}

} // namespace VelSystem
