#include "VelGui/DocumentScene.h"

#include "VelConjoin/Document.h"
#include "VelConjoin/Selection.h"

namespace VelSystem {

DocumentScene::DocumentScene(const boost::shared_ptr<Document>& document, QObject* parent)
    : QGraphicsScene(parent), mDocument(document)
{}

DocumentScene::~DocumentScene() = default;

boost::shared_ptr<Selection> DocumentScene::selection() const
{
    return mDocument ? mDocument->selection() : boost::shared_ptr<Selection>();
}

bool DocumentScene::hasSelection() const
{
    const boost::shared_ptr<Selection> current = selection();
    return current && !current->isEmpty();
}

bool DocumentScene::deselectAll(bool notify, bool includeHidden)
{
    return mDocument && mDocument->deselectAll(notify, includeHidden);
}

void DocumentScene::viewScaleChanged(double /*pixelsPerCm*/) {}

void DocumentScene::emitSelectionChanged()
{
    if (mDocument)
        mDocument->emitSelectionChanged();
    emit selectionChangedByTool();
}

} // namespace VelSystem
