#include "Commands/InteractiveTransformer.h"

#include "Commands/DebugSite.h"
#include "Commands/TransformCommand.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/MainWindow.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbPackPiece.h"
#include "laystore/ops/LinkMatching.h"

#include <QMetaObject>
#include <QPointF>
#include <QVector>
#include <algorithm>

namespace VelSystem {

namespace {

struct Entry
{
    CDbAbstractObject* source;
    CDbAbstractObject* preview; // shown in the document while the drag runs
    CDbAbstractObject* copy;    // never shown; becomes the moved object
};

// The slot of the host's document window that shows the piece information panel.
const char* const kPieceInfoSlot = "updatePieceInfoUi(VelSystem::CDbAbstractObject*)";

// Half the larger side of `box`: how far a drop may be from a free position and still snap.
double halfLargerSide(const GeoRectangle& box)
{
    return std::max(box.width(), box.height()) / 2.0;
}

// True when an outline of `group` shares area with one of another piece group on its
// layer (candidates from the document's index); the object a preview stands for is not
// another piece.
bool overlapsAnotherGroup(const DocumentMak& document, CDbFabricObject* fabric, short layer,
                          const CDbGrPolysObject& group)
{
    for (const CDbAbstractObject* object : document.objectsIn(group.boundingRect(), fabric, layer)) {
        const auto* other = qobject_cast<const CDbGrPolysObject*>(object);
        if (!other || other == &group || other->preview() == &group)
            continue;
        for (const CDbPolygon& a : group.polygons()) {
            for (const CDbPolygon& b : other->polygons()) {
                if (!a.contours().isEmpty() && !b.contours().isEmpty() &&
                    !a.cutOutline()
                         .listeVectorIntersection(b.cutOutline(), a.boundingRect(), b.boundingRect())
                         .isEmpty())
                    return true;
            }
        }
    }
    return false;
}

} // namespace

struct InteractiveTransformer::Private
{
    ~Private() { abandon(); }

    // Takes the previews out of the document and drops them and the copies.
    void abandon()
    {
        for (const Entry& entry : entries) {
            entry.source->setPreview(nullptr);
            if (document->contains(entry.preview))
                document->removePiece(entry.preview, fabric, layer);
            delete entry.preview;
            delete entry.copy;
        }
        entries.clear();
        active = false;
    }

    boost::shared_ptr<DocumentMak> document;
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    QList<Entry> entries;
    // What the previews moved by so far.
    GeoPoint2D offset;
    // A key turned or mirrored a copy: the drag changes the marker even without a move.
    bool transformed = false;
    bool active = false;
    QList<GeoPoint2D> availablePositions;
    CDbPackPiece packer;
};

InteractiveTransformer::InteractiveTransformer(DocumentScene* scene) : d(std::make_unique<Private>())
{
    if (auto* mainWindow = qobject_cast<MainWindow*>(VelCoreApplication::instance()->mainWindow())) {
        DocumentWindow* window = mainWindow->activeMdiChild();
        // Only a host whose document windows show piece information has the slot.
        if (window && window->metaObject()->indexOfSlot(kPieceInfoSlot) >= 0)
            connect(this, SIGNAL(pieceInfoChanged(VelSystem::CDbAbstractObject*)), window,
                    QByteArray("1").append(kPieceInfoSlot).constData());
    }

    d->document = boost::dynamic_pointer_cast<DocumentMak>(scene ? scene->document() : nullptr);
    if (!d->document)
        return;
    CDbMarkerDrawing* drawing = d->document->drawing();
    short fabricIndex = -1;
    if (!drawing->isSetToSingleLayer(&fabricIndex, &d->layer))
        return;
    d->fabric = drawing->fabric(fabricIndex);
    const auto selection = boost::dynamic_pointer_cast<CMarkerSelection>(scene->selection());
    if (!selection)
        return;
    for (CDbAbstractObject* source : selection->objects()) {
        if (source->fabricIndex() != fabricIndex || source->layerIndex() != d->layer)
            continue;
        CDbAbstractObject* preview = source->clone(drawing, true);
        d->entries.append({source, preview, preview->clone(drawing, true)});
        source->setPreview(preview);
        d->document->addPiece(preview, d->fabric, d->layer);
    }
    d->active = !d->entries.isEmpty();
}

InteractiveTransformer::~InteractiveTransformer() = default;

bool InteractiveTransformer::isActive() const
{
    return d->active;
}

// Each preview may shorten the move (a piece keeps within its areas); the ones moved
// further than the last allowed are brought back, so that the previews keep together and
// the offset is what they all moved by.
void InteractiveTransformer::translate(const GeoPoint2D& delta)
{
    if (!d->active || delta == GeoPoint2D())
        return;
    GeoPoint2D allowed = delta;
    QVector<GeoPoint2D> moved;
    moved.reserve(d->entries.size());
    for (const Entry& entry : d->entries) {
        entry.preview->translate(allowed);
        moved.append(allowed);
    }
    for (int i = 0; i < d->entries.size(); ++i) {
        GeoPoint2D back = allowed - moved[i];
        if (back != GeoPoint2D())
            d->entries[i].preview->translate(back);
    }
    d->offset += allowed;
}

bool InteractiveTransformer::transformByKey(int key)
{
    if (!d->active)
        return false;
    bool result = false;
    for (const Entry& entry : d->entries) {
        if (TransformCommand::runKeyTransform(entry.preview, key, d->document)) {
            const std::unique_ptr<CDbAbstractObject> before(entry.copy->clone());
            result = TransformCommand::runKeyTransform(entry.copy, key, d->document);
            d->transformed = d->transformed || !entry.copy->sameContent(*before);
            emit pieceInfoChanged(entry.copy);
        }
    }
    GeoRectangle region = d->entries.first().preview->boundingRect();
    const double margin = 3.0 * halfLargerSide(region);
    region.expand(margin, margin);
    beginSearchAvailablePosition(region);
    return result;
}

AbstractCmd* InteractiveTransformer::end()
{
    if (!d->active)
        return nullptr;
    const Entry first = d->entries.first();
    const GeoRectangle dropBox = first.preview->boundingRect();
    const double snapDistance = halfLargerSide(dropBox);
    GeoRectangle region = dropBox;
    region.expand(snapDistance, snapDistance);
    beginSearchAvailablePosition(region);

    QListEx<CDbAbstractObject*> sources, copies;
    for (const Entry& entry : d->entries) {
        sources.append(entry.source);
        copies.append(entry.copy);
        entry.source->setPreview(nullptr);
        d->document->removePiece(entry.preview, d->fabric, d->layer);
        delete entry.preview;
    }
    d->entries.clear();
    d->active = false;

    // Translations adjust as usual, unless the move lands on a free position checked already.
    struct AdjustOffsetReset
    {
        ~AdjustOffsetReset() { CDbAbstractObject::mAdjustOffset = true; }
    } reset;
    CDbAbstractObject::mAdjustOffset = true;
    QList<GeoPoint2D> positions = d->availablePositions;
    const GeoPoint2D dropCorner = dropBox.leftBottom();
    std::sort(positions.begin(), positions.end(), [&dropCorner](const GeoPoint2D& a, const GeoPoint2D& b) {
        return a.distance(dropCorner) < b.distance(dropCorner);
    });
    if (!positions.isEmpty() && positions.first().distance(dropCorner) < snapDistance) {
        CDbAbstractObject::mAdjustOffset = false;
        // From the copy's corner: the copy is what moves, turned as the preview was.
        d->offset = positions.first() - first.copy->boundingRect().leftBottom();
    }
    // A piece linked to others lands on the nearest free place where its links keep the plaid
    // matched; where there is none it stays where it was dropped and shows as unmatched.
    GeoPoint2D toMatch;
    const auto* copy = dynamic_cast<const CDbGrPolysObject*>(first.copy);
    const CDbMarkerDrawing& drawing = *d->document->drawing();
    if (copies.size() == 1 && copy &&
        LinkMatching(drawing, drawing.fabricIndex(d->fabric), d->layer)
            .freeMatchingMove(*d->document, *copy, dynamic_cast<const CDbGrPolysObject*>(first.source),
                              d->offset, &toMatch) &&
        toMatch != GeoPoint2D()) {
        d->offset += toMatch;
        // The matched position is exact: no adjustment may shift it off the plaid.
        CDbAbstractObject::mAdjustOffset = false;
    }
    if (d->offset == GeoPoint2D() && !d->transformed) {
        qDeleteAll(copies);
        return nullptr;
    }
    VEL_DEBUG_SITE(430, BOOST_CURRENT_FUNCTION)
        << "InteractiveTransformer::end():" << QPointF(d->offset.x, d->offset.y);
    return TransformCommand::create(d->document, d->fabric, d->layer, sources, copies, d->offset);
}

QList<GeoPoint2D> InteractiveTransformer::availablePositions() const
{
    return d->availablePositions;
}

void InteractiveTransformer::finishedSearchAvailablePosition()
{
    d->availablePositions = d->packer.getAvailablePosition();
}

void InteractiveTransformer::beginSearchAvailablePosition(const GeoRectangle& region)
{
    d->availablePositions.clear();
    if (d->entries.size() != 1)
        return;
    const auto* group = qobject_cast<const CDbGrPolysObject*>(d->entries.first().preview);
    if (!group || !overlapsAnotherGroup(*d->document, d->fabric, d->layer, *group))
        return;
    if (d->packer.init(d->document.get(), d->fabric, d->layer, group, region)) {
        d->packer.search();
        finishedSearchAvailablePosition();
    }
}

} // namespace VelSystem
