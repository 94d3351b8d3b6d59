#include "laystore/CDbDocumentLinkObject.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"

#include <algorithm>

namespace VelSystem {

namespace {

// Room between two pieces of the link view, in centimetres.
constexpr double kPieceGap = 5.0;

// The fabric's pieces in their first size, side by side from the origin along x.
QList<CDbPolygon> piecesInARow(const CDbFabricObject& fabric)
{
    QList<CDbPolygon> row;
    double x = 0.0;
    for (short p = 0; p < fabric.pieceCount(); ++p) {
        const CDbPieceSizeObject* size = fabric.piece(p)->getPieceSize(0);
        if (!size || size->outline().isEmpty()) {
            CDbPolygon none;
            none.setPieceIndex(p);
            row.append(none);
            continue;
        }
        CDbPolygon polygon = CDbPolygon::ofPieceSize(p, 0, *size);
        const GeoRectangle box = size->outline().boundingRect();
        polygon.translate(GeoPoint2D(x - box.xmin, -box.ymin));
        x += box.width() + kPieceGap;
        row.append(polygon);
    }
    return row;
}

} // namespace

CDbDocumentLinkObject::CDbDocumentLinkObject(const CDbMarkerDrawing* drawing) : mDrawing(drawing) {}

CDbDocumentLinkObject::~CDbDocumentLinkObject() = default;

short CDbDocumentLinkObject::currentFabric() const
{
    return mDrawing ? mDrawing->currentFabricIndex() : 0;
}

CDbDocumentLinkObject::FabricView* CDbDocumentLinkObject::view(short fabric) const
{
    // A marker without fabrics still has the (empty) view its current fabric index names.
    const size_t count = std::max<size_t>(1, mDrawing ? size_t(mDrawing->fabricCount()) : 1);
    while (mViews.size() < count) {
        FabricView added;
        added.links = std::make_unique<CDbTwainLinkPiecesObjectTable>(static_cast<short>(mViews.size()));
        mViews.push_back(std::move(added));
    }
    if (fabric < 0 || size_t(fabric) >= mViews.size())
        return nullptr;
    FabricView& v = mViews[size_t(fabric)];
    const CDbFabricObject* source = mDrawing ? mDrawing->fabric(fabric) : nullptr;
    if (source && v.builtFrom != source->pieceCount()) {
        v.polygons = piecesInARow(*source);
        v.builtFrom = source->pieceCount();
    }
    return &v;
}

QList<CDbPolygon>& CDbDocumentLinkObject::getCurrentPolyListDocumentLink()
{
    return view(currentFabric())->polygons;
}

const QList<CDbPolygon>& CDbDocumentLinkObject::getCurrentPolyListDocumentLink() const
{
    return view(currentFabric())->polygons;
}

CDbTwainLinkPiecesObjectTable* CDbDocumentLinkObject::getCurrentPiecesLinkListDocumentLink() const
{
    return view(currentFabric())->links.get();
}

const QList<CDbPolygon>* CDbDocumentLinkObject::polygons(short fabric) const
{
    const FabricView* v = view(fabric);
    return v ? &v->polygons : nullptr;
}

CDbTwainLinkPiecesObjectTable* CDbDocumentLinkObject::links(short fabric) const
{
    const FabricView* v = view(fabric);
    return v ? v->links.get() : nullptr;
}

void CDbDocumentLinkObject::piecesChanged(short fabric)
{
    if (fabric >= 0 && size_t(fabric) < mViews.size())
        mViews[size_t(fabric)].builtFrom = -1;
}

void CDbDocumentLinkObject::setPendingEnd(short pieceIndex, short pointIndex, bool onContour)
{
    mPending = {pieceIndex, pointIndex, onContour, currentFabric()};
}

} // namespace VelSystem
