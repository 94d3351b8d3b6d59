#include "PieceDescription.h"

#include "VelCore/VelLocale.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"

#include <QLocale>
#include <QStringList>

namespace VelSystem {

namespace {

void appendOnce(QStringList& list, const QString& text)
{
    if (!text.isEmpty() && !list.contains(text))
        list << text;
}

} // namespace

PieceDescription::PieceDescription(const CDbAbstractObject& object) : mKind(object.kind())
{
    const GeoRectangle box = object.boundingRect();
    mLeft = box.xmin;
    mBottom = box.ymin;
    const auto* group = qobject_cast<const CDbGrPolysObject*>(&object);
    const CDbMarkerDrawing* drawing = object.drawing();
    if (!group || !drawing)
        return;
    // The copy a drag turns is not placed yet; it belongs to the fabric being edited.
    const CDbFabricObject* fabric =
        object.fabricIndex() >= 0 ? drawing->fabric(object.fabricIndex()) : drawing->getCurrentFabric();
    if (!fabric)
        return;
    QStringList names, sizes;
    for (const CDbPolygon& polygon : group->polygons()) {
        const CDbPieceObject* piece = fabric->piece(polygon.pieceIndex());
        if (polygon.isBlockingPolygon() || !piece)
            continue;
        if (!mPiece) {
            mRotation = polygon.rotation();
            mMirroredX = polygon.isMirroredX();
            mMirroredY = polygon.isMirroredY();
        }
        mPiece = true;
        appendOnce(names, polygon.partName(piece->name()));
        if (const CDbPieceSizeObject* size = piece->getPieceSize(polygon.sizeIndex()))
            appendOnce(sizes, size->name());
    }
    mNames = names.join(QStringLiteral(", "));
    mSizes = sizes.join(QStringLiteral(", "));
}

QString PieceDescription::angle() const
{
    return mPiece ? VelLocale().formatAngle(mRotation, VelLocale::WithUnit) : QString();
}

QString PieceDescription::mirror() const
{
    if (!mPiece)
        return QString();
    if (mMirroredX && mMirroredY)
        return tr("left to right and top to bottom");
    if (mMirroredX)
        return tr("left to right");
    return mMirroredY ? tr("top to bottom") : tr("not mirrored");
}

QString PieceDescription::summary() const
{
    const QString at = QStringLiteral("%1, %2").arg(QLocale::c().toString(mLeft, 'g', 10),
                                                    QLocale::c().toString(mBottom, 'g', 10));
    if (!mPiece) {
        switch (mKind) {
        case CDbAbstractObject::KindGroup:
            return tr("a block at %1").arg(at);
        case CDbAbstractObject::KindText:
            return tr("a text at %1").arg(at);
        case CDbAbstractObject::KindLine:
            return tr("a line at %1").arg(at);
        default:
            return tr("a mark at %1").arg(at);
        }
    }
    const QString piece = mSizes.isEmpty() ? mNames : mNames + QLatin1Char(' ') + mSizes;
    return tr("%1, turned %2, %3, at %4").arg(piece, angle(), mirror(), at);
}

} // namespace VelSystem
