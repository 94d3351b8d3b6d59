#include "laystore/CDbFabricObject.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace VelSystem {

CDbFabricObject::CDbFabricObject() = default;

CDbFabricObject::~CDbFabricObject() = default;

CDbFabricLayerObject& CDbFabricObject::addLayer(double width)
{
    if (!mLayers)
        mLayers = std::make_unique<CDbFabricLayerObjectsTable>();
    return mLayers->addLayer(width);
}

CDbFabricLayerObject* CDbFabricObject::layer(short index) const
{
    return mLayers && index >= 0 && index < mLayers->size() ? &(*mLayers)[index] : nullptr;
}

double CDbFabricObject::getFabricLayerWidth(short layer) const
{
    const CDbFabricLayerObject* found = this->layer(layer);
    if (!found)
        throw std::invalid_argument("CDbFabricObject::getFabricLayerWidth: fabric \"" + mName.toStdString() +
                                    "\" has no layer " + std::to_string(layer));
    return found->width();
}

bool CDbFabricObject::isPieceBlocked(short piece) const
{
    for (short l = 0; layer(l); ++l) {
        for (const CDbGrPolysObject* group : layer(l)->groups()) {
            const auto& polygons = group->polygons();
            if (group->isBlocked() &&
                std::any_of(polygons.begin(), polygons.end(),
                            [piece](const CDbPolygon& p) { return p.pieceIndex() == piece; }))
                return true;
        }
    }
    return false;
}

short CDbFabricObject::sizeCount() const
{
    short sizes = 0;
    for (const CDbPieceObject& piece : mPieces)
        sizes = std::max(sizes, piece.getNumberOfSizes());
    return sizes;
}

CDbPieceObject* CDbFabricObject::findPieceAccordingIndex(short index, short* code)
{
    CDbPieceObject* found = piece(index);
    if (code)
        *code = found ? 0 : 1;
    return found;
}

const CDbPieceObject* CDbFabricObject::piece(short index) const
{
    return index >= 0 && index < pieceCount() ? &mPieces[static_cast<size_t>(index)] : nullptr;
}

CDbPieceObject* CDbFabricObject::piece(short index)
{
    return const_cast<CDbPieceObject*>(static_cast<const CDbFabricObject*>(this)->piece(index));
}

short CDbFabricObject::getPieceIndex(const CDbPieceObject* piece, short* code) const
{
    for (short i = 0; i < pieceCount(); ++i) {
        if (&mPieces[static_cast<size_t>(i)] == piece) {
            if (code)
                *code = 0;
            return i;
        }
    }
    if (code)
        *code = 1;
    return -1;
}

short CDbFabricObject::addPiece(const CDbPieceObject& piece)
{
    mPieces.push_back(piece);
    return static_cast<short>(mPieces.size() - 1);
}

void CDbFabricObject::setWorkFields(short code, double value)
{
    mWorkCode = code;
    mWorkValue = value;
}

QListEx<CDbGrPolysObject*> CDbFabricObject::getPlaceGroupList(t_1_Based layer) const
{
    const CDbFabricLayerObject* found = this->layer(layer.zeroBased());
    return found ? found->groups() : QListEx<CDbGrPolysObject*>();
}

CDbGrPolysObject* CDbFabricObject::layerSelectsGrPolys(short layer) const
{
    const CDbFabricLayerObject* l = this->layer(layer);
    if (l && l->currentGroup() && l->currentGroup()->isSelected() && l->contains(l->currentGroup()))
        return l->currentGroup();
    for (CDbGrPolysObject* group : getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        if (group->isSelected())
            return group;
    }
    return nullptr;
}

CDbGrPolysObject* CDbFabricObject::selectsGrPolysCD(short layer) const
{
    for (CDbGrPolysObject* group : getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        if (group->cutDownMark())
            return group;
    }
    return nullptr;
}

CDbGrPolysObject* CDbFabricObject::layerNextSelectsGrPolys(short layer, short* code) const
{
    if (code)
        *code = this->layer(layer) ? 0 : 1;
    const CDbGrPolysObject* first = layerSelectsGrPolys(layer);
    for (CDbGrPolysObject* group : getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        if (group->isSelected() && group != first)
            return group;
    }
    return nullptr;
}

void CDbFabricObject::putFirstGroupOfLayer(short layer, CDbGrPolysObject* group)
{
    if (CDbFabricLayerObject* found = this->layer(layer))
        found->setCurrentGroup(group);
}

bool CDbFabricObject::isSelectionCutDownValid(short layer, const CDbGrPolysObject* first, short* code) const
{
    const CDbFabricLayerObject* found = this->layer(layer);
    if (code)
        *code = found ? 0 : 1;
    if (!found || !found->currentGroup())
        return false;
    const CDbGrPolysObject& clicked = *found->currentGroup();
    if (!first)
        return !clicked.isBlocked();
    return CDbCutDownHelper::checkPair(*first, clicked, CDbCutDownObject(), found->width()) ==
           CDbCutDownHelper::Success;
}

bool CDbFabricObject::cancelSelectionLayer(short layer)
{
    const CDbFabricLayerObject* l = this->layer(layer);
    bool changed = false;
    for (CDbAbstractObject* object : l ? l->objects() : QListEx<CDbAbstractObject*>())
        changed = object->setSelected(false) || changed;
    return changed;
}

bool CDbFabricObject::isSelectionBlockingInvalid(const CDbGrPolysObject* group) const
{
    const CDbFabricLayerObject* l = group ? layer(group->layerIndex()) : nullptr;
    // A cut-down pair may not be blocked either, but the blocking itself refuses it
    // (CDbBlockHelper::kCannotPlace), so that the block tool tells the user.
    if (!l || !l->contains(group) || !group->isValid() || (group->hasMultiPolygon() && !group->isCutDown()))
        return true;
    if (group->isCutDown())
        return false;
    const CDbPolygon& polygon = group->polygon(0);
    return polygon.isBlocking() || polygon.isBlockingPolygon() || !piece(polygon.pieceIndex()) ||
           !polygon.pieceOutline().toPolygon().isSimple();
}

void CDbFabricObject::setBlockMargin(double margin)
{
    if (!(margin > 0.0) || !std::isfinite(margin))
        throw std::invalid_argument("CDbFabricObject::setBlockMargin: the margin must be positive");
    mBlockMargin = margin;
}

bool CDbFabricObject::isSelectionCuttingValid(const CDbGrPolysObject* group, short* code) const
{
    const bool here = group && group->isPlaced() && group->drawing()->fabric(group->fabricIndex()) == this;
    if (code)
        *code = here ? 0 : 1;
    return here && group->polygonCount() == 1 && !group->isCutDown() && !group->isBlocked();
}

QListEx<CDbGrPolysObject*> CDbFabricObject::groupsInCutOrder(short layer) const
{
    QListEx<CDbGrPolysObject*> laid;
    for (CDbGrPolysObject* group : getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        if (group->section() == CDbGrPolysObject::SectionFabric && group->polygonCount() > 0)
            laid.append(group);
    }
    const auto key = [](const CDbGrPolysObject* g) {
        const short rank = g->polygon(0).getPolygonCutRank();
        return rank > 0 ? static_cast<int>(rank) : std::numeric_limits<int>::max();
    };
    std::stable_sort(laid.begin(), laid.end(), [&key](const CDbGrPolysObject* a, const CDbGrPolysObject* b) {
        return key(a) < key(b);
    });
    return laid;
}

void CDbFabricObject::cancelLayerSelecitionInCutView(short layer)
{
    if (CDbFabricLayerObject* found = this->layer(layer))
        found->setCutOrderGroup(nullptr);
}

void CDbFabricObject::selectGrPolysFromCutView(short layer, CDbGrPolysObject* group, short* code)
{
    CDbFabricLayerObject* found = this->layer(layer);
    const bool laid =
        found && group && found->contains(group) && group->section() == CDbGrPolysObject::SectionFabric;
    if (laid)
        found->setCutOrderGroup(group);
    if (code)
        *code = laid ? 0 : 1;
}

} // namespace VelSystem
