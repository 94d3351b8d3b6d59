#include "ToolSymmetricalCut.h"

#include "ToolRegistration.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelCore/t_1_Based.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelApplication.h"
#include "laystore/CDbCharterToolsView.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerPointObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <boost/pointer_cast.hpp>

namespace VelSystem {

namespace {
const ToolRegistration<ToolSymmetricalCut> registration("SymmetricalCut",
                                                        QStringLiteral(":/images/tool_SymmetricalCut.png"));
} // namespace

ToolSymmetricalCut::ToolSymmetricalCut(const QString& icon) : ToolBase(icon) {}

ToolSymmetricalCut::~ToolSymmetricalCut() = default;

QString ToolSymmetricalCut::name() const
{
    return QCoreApplication::translate("ToolSymmetricalCut", "Symmetrical Cut");
}

void ToolSymmetricalCut::start()
{
    mAltDown = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt);
}

void ToolSymmetricalCut::stop()
{
    const auto document =
        boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument());
    if (document && document->drawing())
        document->drawing()->setFirstClick(true);
}

bool ToolSymmetricalCut::keyStateChanged(bool pressed, int key)
{
    if (key != Qt::Key_Alt)
        return false;
    mAltDown = pressed;
    return true;
}

void ToolSymmetricalCut::cursor(QCursor& cursor) const
{
    if (mAltDown)
        cursor = convertMinusCursor();
    else
        cursor = mAwaitingStart ? linkCursor() : linkedCursor();
}

void ToolSymmetricalCut::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    MarkerPress press;
    if (!markerPress(view, event, &press))
        return;
    CDbMarkerDrawing* drawing = press.drawing;
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const CDbMarkerPointObject point(view->scenePoint(event->pos()));

    t_1_Based index(1);
    bool onOutline = false;
    CDbPolygon* polygon = nullptr;
    const double tolerance = drawing->pixelToCmInX(5.0);
    const bool hit =
        drawing->charterToolsView()->isVectorPolygon(point, tolerance, &index, &onOutline, &polygon);
    const bool proceed = alt ? hit && polygon : !shift && hit && onOutline;
    if (proceed)
        pushCommand(
            *press.document, QStringLiteral("SymmetricalCut"),
            {QVariant::fromValue(static_cast<void*>(polygon)), !alt, static_cast<int>(index.value())});
    mAwaitingStart = drawing->isFirstClick();
}

} // namespace VelSystem
