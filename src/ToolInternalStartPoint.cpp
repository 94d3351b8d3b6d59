#include "ToolInternalStartPoint.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolInternalStartPoint>
    registration("interalStartPoint", QStringLiteral(":/images/tool_interalStartPoint.png"));
} // namespace

ToolInternalStartPoint::ToolInternalStartPoint(const QString& icon) : ToolBase(icon) {}

ToolInternalStartPoint::~ToolInternalStartPoint() = default;

QString ToolInternalStartPoint::name() const
{
    return QCoreApplication::translate("ToolInternalStartPoint", "Internal Start Point");
}

void ToolInternalStartPoint::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    pushClickCommand(view, event, QStringLiteral("InternalStartPoint"));
}

void ToolInternalStartPoint::cursor(QCursor& cursor) const
{
    addOrRemoveCursor(cursor, editBlockCursor());
}

} // namespace VelSystem
