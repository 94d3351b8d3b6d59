#include "VelGui/AbstractTool.h"

#include "VelCore/InfoBox.h"

#include <QtGlobal>

namespace VelSystem {

AbstractTool::AbstractTool() = default;

AbstractTool::~AbstractTool() = default;

void AbstractTool::showInstructions(DocumentView* /*view*/)
{
    // Each page is already rich text, so it is shown as it comes; an index past either end
    // shows the nearest page rather than nothing.
    const QStringList pages = instructions();
    QString page;
    if (!pages.isEmpty())
        page = pages.at(qBound(0, instructionPage, pages.size() - 1));
    GetInfoBox()->setInstructions(page);
}

void AbstractTool::onDialogFinished(int /*result*/) {}

void AbstractTool::onDialogValueChanged() {}

} // namespace VelSystem
