#include "MarkerDifference.h"

#include "PieceDescription.h"

#include "VelCore/t_1_Based.h"
#include "laystore/CDbAbstractObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <algorithm>

namespace VelSystem {

namespace {

const CDbFabricLayerObject* layerOf(const DocumentMak& document, short fabricIndex, short layerIndex)
{
    const CDbFabricObject* fabric = document.drawing()->fabric(fabricIndex);
    return fabric ? fabric->layer(layerIndex) : nullptr;
}

short layerCount(const DocumentMak& document, short fabricIndex)
{
    const CDbFabricObject* fabric = document.drawing()->fabric(fabricIndex);
    return fabric && fabric->layers() ? fabric->layers()->size() : 0;
}

// Appends to `unmatched` the objects of `objects` left without a twin in `others`, each
// twin used once.
void unmatchedObjects(const QListEx<CDbAbstractObject*>& objects, const QListEx<CDbAbstractObject*>& others,
                      QList<const CDbAbstractObject*>* unmatched)
{
    QList<const CDbAbstractObject*> free(others.begin(), others.end());
    for (const CDbAbstractObject* object : objects) {
        // The bounding rectangles tell most objects apart before their content is compared.
        const auto twin = std::find_if(free.begin(), free.end(), [object](const CDbAbstractObject* other) {
            return other->boundingRect() == object->boundingRect() && other->sameContent(*object);
        });
        if (twin == free.end())
            unmatched->append(object);
        else
            free.erase(twin);
    }
}

} // namespace

MarkerDifference::MarkerDifference(const DocumentMak& before, const DocumentMak& after)
{
    const short fabrics = std::max(before.drawing()->fabricCount(), after.drawing()->fabricCount());
    for (short f = 0; f < fabrics; ++f) {
        const short layers = std::max(layerCount(before, f), layerCount(after, f));
        for (short l = 0; l < layers; ++l) {
            const CDbFabricLayerObject* old = layerOf(before, f, l);
            const CDbFabricLayerObject* now = layerOf(after, f, l);
            if (!old || !now) {
                mLayers << tr("fabric %1, layer %2")
                               .arg(t_1_Based::fromZeroBased(f).value())
                               .arg(t_1_Based::fromZeroBased(l).value());
                continue;
            }
            unmatchedObjects(old->objects(), now->objects(), &mRemoved);
            unmatchedObjects(now->objects(), old->objects(), &mAdded);
        }
    }
}

QString MarkerDifference::describe(const QString& beforeName, const QString& afterName) const
{
    QStringList lines;
    if (!mLayers.isEmpty())
        lines << tr("only one marker has %1").arg(mLayers.join(QStringLiteral("; ")));
    for (const CDbAbstractObject* object : mRemoved)
        lines << tr("only %1 has %2").arg(beforeName, PieceDescription(*object).summary());
    for (const CDbAbstractObject* object : mAdded)
        lines << tr("only %1 has %2").arg(afterName, PieceDescription(*object).summary());
    return lines.join(QStringLiteral("; "));
}

} // namespace VelSystem
