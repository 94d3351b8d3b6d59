#include "ToolExternalHole.h"

#include "ToolRegistration.h"

#include "VelConjoin/Document.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbMarkerPointObject.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace VelSystem {

namespace {
const ToolRegistration<ToolExternalHole> registration("ExternalHole",
                                                      QStringLiteral(":/images/tool_externalhole.png"));
} // namespace

ToolExternalHole::ToolExternalHole(const QString& icon) : ToolBase(icon) {}

ToolExternalHole::~ToolExternalHole() = default;

QString ToolExternalHole::name() const
{
    return QCoreApplication::translate("ToolExternalHole", "Add External Punch Hole");
}

void ToolExternalHole::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const bool remove = event->modifiers().testFlag(Qt::AltModifier);
    CDbMarkerPointObject point(view->scenePoint(event->pos()));
    if (const boost::shared_ptr<Document> document = view->document())
        pushCommand(*document, QStringLiteral("AddPunchHole"),
                    {QVariant::fromValue(static_cast<void*>(&point)), !remove});
}

void ToolExternalHole::cursor(QCursor& cursor) const
{
    addOrRemoveCursor(cursor, editBlockCursor());
}

} // namespace VelSystem
