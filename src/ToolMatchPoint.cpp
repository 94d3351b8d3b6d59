#include "ToolMatchPoint.h"

#include "ToolRegistration.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbMarkerPointObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QUndoStack>

namespace VelSystem {

namespace {
const ToolRegistration<ToolMatchPoint> registration("matchPoint",
                                                    QStringLiteral(":/images/tool_match_point.png"));
} // namespace

ToolMatchPoint::ToolMatchPoint(const QString& icon) : ToolAltRemoval(icon) {}

ToolMatchPoint::~ToolMatchPoint() = default;

QString ToolMatchPoint::name() const
{
    return QCoreApplication::translate("ToolMatchPoint", "Match Point");
}

void ToolMatchPoint::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    event->ignore();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    // The click's own modifiers decide, whatever the cursor showed.
    const bool add = !(event->modifiers() & Qt::AltModifier);
    CDbMarkerPointObject click(view->scenePoint(event->pos()));
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document)
        return;
    std::unique_ptr<AbstractCmd> command =
        CmdsManager::instance()->createCommand(QStringLiteral("AddMatchPoint"));
    if (!command)
        return;
    if (command->setDocument(document, {QVariant::fromValue(static_cast<void*>(&click)), add}) == 0)
        document->undoStack()->push(command.release());
}

void ToolMatchPoint::cursor(QCursor& cursor) const
{
    cursor = altDown() ? convertMinusCursor() : convertPlusCursor();
}

} // namespace VelSystem
