#include "laystore/CDbMarkerDrawing.h"

#include "VelConjoin/Document.h"
#include "laystore/CDbCharterToolsView.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbPolygon.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"

namespace VelSystem {

CDbMarkerDrawing::CDbMarkerDrawing(Document* document)
    : mDocument(document), mLinkDoc(std::make_unique<CDbDocumentLinkObject>(this)),
      mCharterToolsView(std::make_unique<CDbCharterToolsView>(this))
{}

CDbMarkerDrawing::~CDbMarkerDrawing() = default;

CDbFabricObject* CDbMarkerDrawing::fabric(short index) const
{
    return index >= 0 && index < fabricCount() ? mFabrics[static_cast<size_t>(index)].get() : nullptr;
}

CDbFabricObject& CDbMarkerDrawing::addFabric()
{
    mFabrics.push_back(std::make_unique<CDbFabricObject>());
    return *mFabrics.back();
}

short CDbMarkerDrawing::fabricIndex(const CDbFabricObject* fabric) const
{
    for (short i = 0; i < fabricCount(); ++i) {
        if (mFabrics[static_cast<size_t>(i)].get() == fabric)
            return i;
    }
    return -1;
}

void CDbMarkerDrawing::getCurrentFabricsAndLayer(CDbFabricObject*& fabric, short& layer, short* code) const
{
    const bool exists = isSetToSingleLayer(nullptr, nullptr);
    fabric = exists ? this->fabric(mCurrentFabric) : nullptr;
    layer = exists ? mCurrentLayer : -1;
    if (code)
        *code = exists ? 0 : 1;
}

CDbFabricObject* CDbMarkerDrawing::getCurrentFabric() const
{
    return fabric(mCurrentFabric);
}

bool CDbMarkerDrawing::setCurrentFabricAndLayer(short fabric, short layer, short* code)
{
    const CDbFabricObject* f = this->fabric(fabric);
    const bool exists = f && f->layer(layer);
    if (exists) {
        mCurrentFabric = fabric;
        mCurrentLayer = layer;
    }
    if (code)
        *code = exists ? 0 : 1;
    return exists;
}

// The drawing edits one layer at a time; it is "single" as long as that layer exists.
bool CDbMarkerDrawing::isSetToSingleLayer(short* fabric, short* layer) const
{
    const CDbFabricObject* f = this->fabric(mCurrentFabric);
    if (!f || !f->layer(mCurrentLayer))
        return false;
    if (fabric)
        *fabric = mCurrentFabric;
    if (layer)
        *layer = mCurrentLayer;
    return true;
}

double CDbMarkerDrawing::pixelToCmInX(double pixels) const
{
    // Without a view there is no scale to convert with: a pixel counts as a centimetre.
    if (!mDocument || !(mDocument->viewScale() > 0.0))
        return pixels;
    return pixels / mDocument->viewScale();
}

void CDbMarkerDrawing::clickTheLinkViewPoint(QList<CDbPolygon>& polygons, const GeoPoint2D& point,
                                             short* code, CDbPolygon** polygon, short* pieceIndex,
                                             bool* lastContour, short* pointIndex) const
{
    if (!code || !polygon || !pieceIndex || !lastContour || !pointIndex) {
        if (code)
            *code = 1;
        return;
    }
    *code = 0;
    *polygon = nullptr;
    *pointIndex = 0;
    const double tolerance = pixelToCmInX(kPointTolerancePixels);
    for (CDbPolygon& candidate : polygons) {
        short index = 0;
        if (candidate.contours().isEmpty() ||
            !candidate.pieceOutline().isClickInVector(true, point, tolerance,
                                                      CDbVectorsObjectTable::eForAnyPoint, &index))
            continue;
        *polygon = &candidate;
        *pieceIndex = candidate.pieceIndex();
        *lastContour = true;
        *pointIndex = index;
        return;
    }
}

short CDbMarkerDrawing::returnLinkIndexIfPolyLink(short pieceIndex, short pointIndex, bool lastContour,
                                                  short* linkIndex) const
{
    if (!linkIndex)
        return 1;
    const CDbTwainLinkPiecesObject::End end{pieceIndex, pointIndex, lastContour, mCurrentFabric};
    *linkIndex = static_cast<short>(mLinkDoc->getCurrentPiecesLinkListDocumentLink()->linkAt(end));
    return 0;
}

} // namespace VelSystem
