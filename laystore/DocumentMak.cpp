#include "laystore/DocumentMak.h"

#include "VelConjoin/ViewFilter.h"
#include "laystore/CDbAbstractObject.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/commands/AddObjectsCmd.h"
#include "laystore/commands/ExchangeObjectsCmd.h"
#include "laystore/commands/ReplaceObjectsCmd.h"
#include "laystore/ops/SpatialIndex.h"

#include <QMetaType>
#include <QSet>
#include <QUndoStack>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace VelSystem {

namespace {

// The length shown for a layer without pieces, so that a new marker opens on a usable area.
constexpr double kMinimumShownLength = 100.0;

[[noreturn]] void fail(const char* operation, const std::string& what)
{
    throw std::invalid_argument(std::string("DocumentMak::") + operation + ": " + what);
}

} // namespace

bool DocumentMak::msCheckOverlaps = true;

DocumentMak::DocumentMak()
    : mDrawing(std::make_unique<CDbMarkerDrawing>(this)),
      mSelection(boost::make_shared<CMarkerSelection>(this)), mIndex(std::make_unique<SpatialIndex>())
{
    // The object signals carry model pointers: registered so that queued connections and
    // signal spies can hold them.
    qRegisterMetaType<CDbAbstractObject*>();
}

DocumentMak::~DocumentMak() = default;

boost::shared_ptr<Selection> DocumentMak::selection() const
{
    return mSelection;
}

boost::shared_ptr<Selection> DocumentMak::pick(const GeoPoint2D& point, double tolerance,
                                               const ViewFilter* filter) const
{
    auto result = boost::make_shared<CMarkerSelection>(const_cast<DocumentMak*>(this));
    if (mDrawing->isLinkedDocument()) {
        if (CDbGrPolysObject* group = linkViewPieceAt(point))
            result->add(group);
        return result;
    }
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    const double t = std::max(tolerance, 0.0);
    const std::vector<CDbAbstractObject*> candidates = candidatesNear(point, t, &fabric, &layer);
    if (candidates.empty())
        return result;
    const QListEx<CDbAbstractObject*>& order = fabric->layer(layer)->objects();
    CDbAbstractObject* top = nullptr;
    int topOrder = -1;
    for (CDbAbstractObject* candidate : candidates) {
        if ((filter && !filter->isVisible(candidate->kind())) || !candidate->hitTest(point, t))
            continue;
        if (!top) {
            top = candidate;
            continue;
        }
        // Only several hits need the drawing order, which costs a search of the layer.
        if (topOrder < 0)
            topOrder = order.indexOf(top);
        const int candidateOrder = order.indexOf(candidate);
        if (candidateOrder > topOrder) {
            top = candidate;
            topOrder = candidateOrder;
        }
    }
    result->add(top);
    return result;
}

CDbGrPolysObject* DocumentMak::linkViewPieceAt(const GeoPoint2D& point) const
{
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    short code = 1;
    mDrawing->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0)
        return nullptr;
    for (const CDbPolygon& piece : mDrawing->getLinkDoc()->getCurrentPolyListDocumentLink()) {
        if (piece.contours().isEmpty() || !piece.pieceOutline().containsPoint(point))
            continue;
        // The copy laid on the fabric stands for the piece, else one waiting in the standby area.
        CDbGrPolysObject* found = nullptr;
        for (CDbGrPolysObject* group : groups(fabric, layer)) {
            if (group->polygonCount() == 0 || group->polygon(0).pieceIndex() != piece.pieceIndex())
                continue;
            if (group->section() == CDbGrPolysObject::SectionFabric)
                return group;
            if (!found)
                found = group;
        }
        return found;
    }
    return nullptr;
}

GeoPoint2D DocumentMak::snapToOutline(const GeoPoint2D& point, double tolerance,
                                      const ViewFilter* filter) const
{
    if (filter && !filter->isVisible(CDbAbstractObject::KindGroup))
        return point;
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    // A corner is what a user aims at; an edge point only when no corner is that close.
    double cornerDistance = std::max(tolerance, 0.0);
    double edgeDistance = cornerDistance;
    const GeoPoint2D* corner = nullptr;
    GeoPoint2D edgePoint = point;
    std::vector<GeoPolygon2D> outlines;
    for (const CDbAbstractObject* candidate : candidatesNear(point, cornerDistance, &fabric, &layer)) {
        if (const auto* group = qobject_cast<const CDbGrPolysObject*>(candidate)) {
            const std::vector<GeoPolygon2D> own = group->pieceOutlines();
            outlines.insert(outlines.end(), own.begin(), own.end());
        }
    }
    for (const GeoPolygon2D& outline : outlines) {
        for (const GeoPoint2D& vertex : outline.points()) {
            if (vertex.distance(point) <= cornerDistance) {
                cornerDistance = vertex.distance(point);
                corner = &vertex;
            }
        }
        const GeoPoint2D nearest = outline.nearestOutlinePoint(point);
        if (nearest.distance(point) <= edgeDistance) {
            edgeDistance = nearest.distance(point);
            edgePoint = nearest;
        }
    }
    return corner ? *corner : edgePoint;
}

boost::shared_ptr<Selection> DocumentMak::pick(const QPolygonF& polygon, const ViewFilter* filter) const
{
    auto result = boost::make_shared<CMarkerSelection>(const_cast<DocumentMak*>(this));
    // The link view's pieces are picked one at a time.
    if (mDrawing->isLinkedDocument())
        return result;
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    short code = 1;
    mDrawing->getCurrentFabricsAndLayer(fabric, layer, &code);
    GeoPolygon2D area;
    for (const QPointF& p : polygon)
        area.append(GeoPoint2D(p.x(), p.y()));
    if (area.size() > 1 && area[0] == area[area.size() - 1])
        area.remove(area.size() - 1);
    if (code != 0 || area.size() < 3 || !area.isFinite())
        return result;
    std::vector<CDbAbstractObject*> candidates;
    mIndex->query(mDrawing->fabricIndex(fabric), layer, area.boundingRect(), candidates);
    QSet<const CDbAbstractObject*> hits;
    for (CDbAbstractObject* candidate : candidates) {
        if ((!filter || filter->isVisible(candidate->kind())) && candidate->meets(area))
            hits.insert(candidate);
    }
    if (hits.isEmpty())
        return result;
    for (CDbAbstractObject* object : fabric->layer(layer)->objects()) {
        if (hits.contains(object))
            result->add(object);
    }
    return result;
}

bool DocumentMak::deselectAll(bool notify, bool includeHidden)
{
    // Hiding is the views' business: the document deselects every object it holds.
    Q_UNUSED(includeHidden)
    const bool changed = mSelection->setSelected(false);
    mSelection->clear();
    if (changed && notify)
        emitSelectionChanged();
    return changed;
}

bool DocumentMak::setSelection(const QListEx<CDbAbstractObject*>& objects)
{
    for (const CDbAbstractObject* object : objects) {
        if (!object || !contains(object))
            fail("DocumentMak::setSelection", "an object is not placed in the document");
    }
    bool changed = false;
    for (CDbAbstractObject* object : QListEx<CDbAbstractObject*>(mSelection->objects())) {
        if (!objects.contains(object))
            changed |= CMarkerSelection(this, {object}).setSelected(false);
    }
    changed |= CMarkerSelection(this, objects).setSelected(true);
    return changed;
}

GeoRectangle DocumentMak::extent() const
{
    GeoRectangle r;
    for (short f = 0; f < mDrawing->fabricCount(); ++f) {
        const CDbFabricObject* fabric = mDrawing->fabric(f);
        for (short l = 0; fabric->layer(l); ++l) {
            const CDbFabricLayerObject* layer = fabric->layer(l);
            GeoRectangle objects;
            for (const CDbAbstractObject* object : layer->objects())
                objects.include(object->boundingRect());
            const double length = std::max(objects.isValid() ? objects.xmax : 0.0, kMinimumShownLength);
            r.include(GeoRectangle(0.0, 0.0, length, 2.0 * layer->width()));
            r.include(objects);
        }
    }
    if (!r.isValid())
        r = GeoRectangle(0.0, 0.0, kMinimumShownLength, kMinimumShownLength);
    return r;
}

void DocumentMak::addPiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer)
{
    const CDbFabricLayerObject& target = layerOf("addPiece", fabric, layer);
    insertPiece(object, fabric, layer, target.objects().size());
}

void DocumentMak::insertPiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer, int position)
{
    CDbFabricLayerObject& target = layerOf("insertPiece", fabric, layer);
    checkNew("insertPiece", object);
    if (position < 0 || position > target.objects().size())
        fail("insertPiece", "position " + std::to_string(position) + " outside 0.." +
                                std::to_string(target.objects().size()));
    target.insert(position, object);
    place(object, mDrawing->fabricIndex(fabric), layer);
    emit objectAdded(object);
}

void DocumentMak::removePiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer)
{
    CDbFabricLayerObject& target = layerOf("removePiece", fabric, layer);
    checkOnLayer("removePiece", object, fabric, layer);
    unplace(object);
    target.take(object);
    emit objectRemoved(object);
}

void DocumentMak::replacePiece(CDbAbstractObject* current, CDbAbstractObject* replacement,
                               CDbFabricObject* fabric, short layer)
{
    CDbFabricLayerObject& target = layerOf("replacePiece", fabric, layer);
    checkOnLayer("replacePiece", current, fabric, layer);
    checkNew("replacePiece", replacement);
    const QListEx<CDbGrPolysObject*> before =
        msCheckOverlaps ? laidPartners(current) : QListEx<CDbGrPolysObject*>();
    const bool selected = current->isSelected();
    unplace(current);
    target.exchange(current, replacement);
    // The replacement stands for the object it replaces, in the selection too.
    if (selected)
        replacement->setSelected(true);
    place(replacement, mDrawing->fabricIndex(fabric), layer);
    if (msCheckOverlaps)
        refreshOverlaps(before, replacement);
    emit objectRemoved(current);
    emit objectAdded(replacement);
}

bool DocumentMak::contains(const CDbAbstractObject* object) const
{
    return mIndex->contains(object);
}

QListEx<CDbAbstractObject*> DocumentMak::objects(CDbFabricObject* fabric, short layer) const
{
    return layerOf("objects", fabric, layer).objects();
}

QListEx<CDbGrPolysObject*> DocumentMak::groups(CDbFabricObject* fabric, short layer) const
{
    return layerOf("groups", fabric, layer).groups();
}

AbstractCmd* DocumentMak::pushAddCmdUndo(const QListEx<CDbAbstractObject*>& objects, CDbFabricObject* fabric,
                                         short layer, const QString& name)
{
    if (objects.isEmpty())
        return nullptr;
    layerOf("pushAddCmdUndo", fabric, layer);
    checkDistinct("pushAddCmdUndo", objects);
    const bool alreadyPlaced = objects.first() && mIndex->contains(objects.first());
    for (const CDbAbstractObject* object : objects) {
        if (alreadyPlaced)
            checkOnLayer("pushAddCmdUndo", object, fabric, layer);
        else
            checkNew("pushAddCmdUndo", object);
    }
    if (!alreadyPlaced) {
        for (CDbAbstractObject* object : objects)
            object->clearPreviewState();
    }
    auto* command = new AddObjectsCmd(this, objects, fabric, layer, name, alreadyPlaced);
    undoStack()->push(command);
    return command;
}

AbstractCmd* DocumentMak::pushReplaceCmdUndo(const QListEx<CDbAbstractObject*>& first,
                                             const QListEx<CDbAbstractObject*>& second,
                                             CDbFabricObject* fabric, short layer, const QString& name,
                                             Recording recording)
{
    if (first.isEmpty() && second.isEmpty())
        return nullptr;
    layerOf("pushReplaceCmdUndo", fabric, layer);
    checkDistinct("pushReplaceCmdUndo", first + second);
    AbstractCmd* command = nullptr;
    if (recording == ApplyOnPush) {
        for (const CDbAbstractObject* object : first)
            checkOnLayer("pushReplaceCmdUndo", object, fabric, layer);
        for (CDbAbstractObject* object : second) {
            checkNew("pushReplaceCmdUndo", object);
            object->clearPreviewState();
        }
        command = new ReplaceObjectsCmd(this, first, second, fabric, layer, name);
    } else {
        if (first.size() != second.size())
            fail("pushReplaceCmdUndo", "a change recorded after it was made needs one copy per object");
        // The placed objects tell which list holds the copies.
        const bool copiesFirst = first.first() && !mIndex->contains(first.first());
        const QListEx<CDbAbstractObject*>& placed = copiesFirst ? second : first;
        const QListEx<CDbAbstractObject*>& copies = copiesFirst ? first : second;
        for (int i = 0; i < placed.size(); ++i) {
            checkOnLayer("pushReplaceCmdUndo", placed[i], fabric, layer);
            checkCopyOf("pushReplaceCmdUndo", copies[i], placed[i]);
        }
        for (CDbAbstractObject* copy : copies)
            copy->clearPreviewState();
        command = new ExchangeObjectsCmd(this, placed, copies, name);
    }
    undoStack()->push(command);
    return command;
}

void DocumentMak::exchangePiece(CDbAbstractObject* object, CDbAbstractObject* other)
{
    if (!object || !mIndex->contains(object))
        fail("exchangePiece", "the object is not placed in this document");
    checkCopyOf("exchangePiece", other, object);
    const QListEx<CDbGrPolysObject*> before =
        msCheckOverlaps ? laidPartners(object) : QListEx<CDbGrPolysObject*>();
    object->exchangeInfos(other);
    if (msCheckOverlaps)
        refreshOverlaps(before, object);
}

int DocumentMak::findOverlaps()
{
    int pairs = 0;
    std::vector<CDbAbstractObject*> candidates;
    for (short f = 0; f < mDrawing->fabricCount(); ++f) {
        const CDbFabricObject* fabric = mDrawing->fabric(f);
        for (short l = 0; fabric->layer(l); ++l) {
            const QListEx<CDbGrPolysObject*> groups = fabric->layer(l)->groups();
            QSet<const CDbGrPolysObject*> overlapping;
            for (const CDbGrPolysObject* group : groups) {
                if (group->section() != CDbGrPolysObject::SectionFabric)
                    continue;
                candidates.clear();
                mIndex->query(f, l, group->boundingRect(), candidates);
                for (const CDbAbstractObject* candidate : candidates) {
                    // Each pair once: from the group with the lower address.
                    if (candidate->kind() != CDbAbstractObject::KindGroup ||
                        !std::less<const void*>()(group, candidate))
                        continue;
                    const auto* other = static_cast<const CDbGrPolysObject*>(candidate);
                    if (other->section() == CDbGrPolysObject::SectionFabric && group->overlaps(*other)) {
                        ++pairs;
                        overlapping.insert(group);
                        overlapping.insert(other);
                    }
                }
            }
            for (CDbGrPolysObject* group : groups)
                group->setOverlapping(overlapping.contains(group));
        }
    }
    mOverlapCount = pairs;
    return pairs;
}

QListEx<CDbGrPolysObject*> DocumentMak::overlappingGroups(const CDbGrPolysObject* group) const
{
    if (!group || !mIndex->contains(group))
        fail("overlappingGroups", "the group is not placed in this document");
    std::vector<CDbAbstractObject*> candidates;
    mIndex->query(group->fabricIndex(), group->layerIndex(), group->boundingRect(), candidates);
    QListEx<CDbGrPolysObject*> result;
    for (CDbAbstractObject* candidate : candidates) {
        if (candidate != group && candidate->kind() == CDbAbstractObject::KindGroup &&
            group->overlaps(*static_cast<CDbGrPolysObject*>(candidate)))
            result.append(static_cast<CDbGrPolysObject*>(candidate));
    }
    return result;
}

std::vector<CDbAbstractObject*> DocumentMak::candidatesNear(const GeoPoint2D& point, double tolerance,
                                                            CDbFabricObject** fabric, short* layer) const
{
    short code = 1;
    mDrawing->getCurrentFabricsAndLayer(*fabric, *layer, &code);
    std::vector<CDbAbstractObject*> candidates;
    if (code == 0 && point.isFinite())
        mIndex->query(
            mDrawing->fabricIndex(*fabric), *layer,
            GeoRectangle(point.x - tolerance, point.y - tolerance, point.x + tolerance, point.y + tolerance),
            candidates);
    return candidates;
}

QListEx<CDbAbstractObject*> DocumentMak::objectsIn(const GeoRectangle& area, CDbFabricObject* fabric,
                                                   short layer) const
{
    layerOf("objectsIn", fabric, layer);
    std::vector<CDbAbstractObject*> found;
    mIndex->query(mDrawing->fabricIndex(fabric), layer, area, found);
    QListEx<CDbAbstractObject*> result;
    result.reserve(static_cast<int>(found.size()));
    for (CDbAbstractObject* object : found)
        result.append(object);
    return result;
}

bool DocumentMak::overlapsGroupOn(const CDbGrPolysObject& trial, CDbFabricObject* fabric, short layer,
                                  const std::function<bool(const CDbAbstractObject*)>& ignored) const
{
    const QListEx<CDbAbstractObject*> near = objectsIn(trial.boundingRect(), fabric, layer);
    return std::any_of(near.begin(), near.end(), [&](const CDbAbstractObject* object) {
        return object->kind() == CDbAbstractObject::KindGroup && !ignored(object) &&
               trial.overlaps(*static_cast<const CDbGrPolysObject*>(object));
    });
}

double DocumentMak::markerLength() const
{
    const CDbFabricLayerObject* layer = currentLayer();
    double length = 0.0;
    if (!layer)
        return length;
    for (const CDbGrPolysObject* group : layer->groups()) {
        if (group->section() == CDbGrPolysObject::SectionFabric)
            length = std::max(length, group->boundingRect().xmax);
    }
    return length;
}

double DocumentMak::utilization() const
{
    const CDbFabricLayerObject* layer = currentLayer();
    const double length = markerLength();
    if (!layer || length <= 0.0 || layer->width() <= 0.0)
        return 0.0;
    double used = 0.0;
    for (const CDbGrPolysObject* group : layer->groups()) {
        if (group->section() == CDbGrPolysObject::SectionFabric)
            used += group->area();
    }
    return std::min(used / (length * layer->width()), 1.0);
}

void DocumentMak::emitRotModified(double angle, double fineStep)
{
    emit rotModified(angle, fineStep);
}

void DocumentMak::onObjectChanged(CDbAbstractObject* object)
{
    mIndex->update(object);
    updateSection(object);
    emit objectChanged(object);
}

CDbFabricLayerObject& DocumentMak::layerOf(const char* operation, CDbFabricObject* fabric, short layer) const
{
    if (!fabric)
        fail(operation, "no fabric given");
    if (mDrawing->fabricIndex(fabric) < 0)
        fail(operation, "fabric \"" + fabric->name().toStdString() + "\" is not one of this marker's");
    CDbFabricLayerObject* found = fabric->layer(layer);
    if (!found)
        fail(operation,
             "fabric \"" + fabric->name().toStdString() + "\" has no layer " + std::to_string(layer));
    return *found;
}

CDbFabricLayerObject* DocumentMak::currentLayer() const
{
    const CDbFabricObject* fabric = mDrawing->getCurrentFabric();
    return fabric ? fabric->layer(mDrawing->currentLayer()) : nullptr;
}

void DocumentMak::checkNew(const char* operation, const CDbAbstractObject* object) const
{
    if (!object)
        fail(operation, "no object given");
    if (mIndex->contains(object) || object->isPlaced())
        fail(operation, "the object is already placed in a document");
    if (!object->isValid())
        fail(operation, "the object's geometry is broken (non-finite coordinates or an outline of fewer "
                        "than three points)");
}

void DocumentMak::checkCopyOf(const char* operation, const CDbAbstractObject* copy,
                              const CDbAbstractObject* object) const
{
    checkNew(operation, copy);
    if (copy->metaObject() != object->metaObject())
        fail(operation, "an object and its copy are of different kinds");
}

void DocumentMak::checkOnLayer(const char* operation, const CDbAbstractObject* object,
                               CDbFabricObject* fabric, short layer) const
{
    if (!object)
        fail(operation, "no object given");
    if (!mIndex->contains(object) || object->fabricIndex() != mDrawing->fabricIndex(fabric) ||
        object->layerIndex() != layer)
        fail(operation, "the object is not on layer " + std::to_string(layer) + " of fabric \"" +
                            fabric->name().toStdString() + "\"");
}

void DocumentMak::checkDistinct(const char* operation, const QListEx<CDbAbstractObject*>& objects)
{
    QSet<const CDbAbstractObject*> seen;
    for (const CDbAbstractObject* object : objects) {
        if (object && seen.contains(object))
            fail(operation, "an object is listed twice");
        seen.insert(object);
    }
}

void DocumentMak::place(CDbAbstractObject* object, short fabric, short layer)
{
    object->setPlacement(mDrawing.get(), fabric, layer);
    if (mModifyPolysTable)
        updateSection(object);
    mIndex->insert(object, fabric, layer);
    if (object->isSelected())
        mSelection->add(object);
    connect(object, &CDbAbstractObject::changed, this, &DocumentMak::onObjectChanged);
}

void DocumentMak::unplace(CDbAbstractObject* object)
{
    disconnect(object, &CDbAbstractObject::changed, this, &DocumentMak::onObjectChanged);
    mIndex->remove(object);
    // An object out of the document is out of its selection.
    mSelection->remove(object);
    object->setSelected(false);
    object->setPlacement(nullptr, -1, -1);
}

QListEx<CDbGrPolysObject*> DocumentMak::laidPartners(const CDbAbstractObject* object) const
{
    QListEx<CDbGrPolysObject*> partners;
    const auto* group = qobject_cast<const CDbGrPolysObject*>(object);
    if (!group || group->section() != CDbGrPolysObject::SectionFabric)
        return partners;
    for (CDbGrPolysObject* other : overlappingGroups(group)) {
        if (other->section() == CDbGrPolysObject::SectionFabric)
            partners.append(other);
    }
    return partners;
}

// Exact as long as the marks were: the pairs of the replaced group go, the replacement's
// come, and a former partner keeps its mark only if it still meets another laid group.
void DocumentMak::refreshOverlaps(const QListEx<CDbGrPolysObject*>& before, CDbAbstractObject* replacement)
{
    const QListEx<CDbGrPolysObject*> after = laidPartners(replacement);
    if (auto* group = qobject_cast<CDbGrPolysObject*>(replacement))
        group->setOverlapping(!after.isEmpty());
    for (CDbGrPolysObject* partner : after)
        partner->setOverlapping(true);
    for (CDbGrPolysObject* partner : before) {
        if (!after.contains(partner))
            partner->setOverlapping(!laidPartners(partner).isEmpty());
    }
    mOverlapCount = std::max(0, mOverlapCount - before.size() + after.size());
}

void DocumentMak::updateSection(CDbAbstractObject* object) const
{
    if (object->kind() != CDbAbstractObject::KindGroup)
        return;
    auto* group = static_cast<CDbGrPolysObject*>(object);
    const double width = mDrawing->fabric(object->fabricIndex())->getFabricLayerWidth(object->layerIndex());
    const double y = group->boundingRect().center().y;
    group->setSection(y >= 0.0 && y <= width ? CDbGrPolysObject::SectionFabric
                                             : CDbGrPolysObject::SectionStandby);
}

} // namespace VelSystem
