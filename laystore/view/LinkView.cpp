#include "laystore/view/LinkView.h"

#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/LinkScene.h"

namespace VelSystem {

namespace {

CDbMarkerDrawing* drawingOf(Document& document)
{
    auto* marker = dynamic_cast<DocumentMak*>(&document);
    return marker ? marker->drawing() : nullptr;
}

} // namespace

LinkView::LinkView(LinkScene* scene, QWidget* parent) : DocumentView(scene, parent)
{
    setWindowTitle(tr("Link View"));
}

LinkView::~LinkView() = default;

void LinkView::fitToPieces()
{
    const QRectF shown = scene()->itemsBoundingRect();
    if (!shown.isEmpty())
        fitToRect(GeoRectangle(shown.left(), shown.top(), shown.right(), shown.bottom()));
}

void LinkView::toolEventBegins(Document& document)
{
    if (CDbMarkerDrawing* drawing = drawingOf(document))
        drawing->setLinkedDocument(true);
}

void LinkView::toolEventEnds(Document& document)
{
    if (CDbMarkerDrawing* drawing = drawingOf(document))
        drawing->setLinkedDocument(false);
}

} // namespace VelSystem
