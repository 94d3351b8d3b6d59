#include "ToolLiftPlunge.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolLiftPlunge> registration("liftPlundge",
                                                    QStringLiteral(":/images/tool_liftPlundge.png"));
} // namespace

ToolLiftPlunge::ToolLiftPlunge(const QString& icon) : ToolBase(icon) {}

ToolLiftPlunge::~ToolLiftPlunge() = default;

QString ToolLiftPlunge::name() const
{
    return QCoreApplication::translate("ToolLiftPlunge", "Lift & Plunge");
}

void ToolLiftPlunge::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    pushClickCommand(view, event, QStringLiteral("LiftPlunge"));
}

void ToolLiftPlunge::cursor(QCursor& cursor) const
{
    addOrRemoveCursor(cursor, editBlockCursor());
}

} // namespace VelSystem
