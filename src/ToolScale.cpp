#include "ToolScale.h"

#include "ToolRegistration.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace VelSystem {

namespace {
const ToolRegistration<ToolScale> registration("scale", QStringLiteral(":/images/tool_scale.png"));
} // namespace

ToolScale::ToolScale(const QString& icon) : ToolBase(icon) {}

ToolScale::~ToolScale() = default;

QString ToolScale::name() const
{
    return QCoreApplication::translate("Velsystem::ToolScale", "Scale");
}

void ToolScale::mousePressEvent(DocumentView* /*view*/, QMouseEvent* event)
{
    event->accept();
}

void ToolScale::cursor(QCursor& cursor) const
{
    cursor = blockCursor();
}

} // namespace VelSystem
