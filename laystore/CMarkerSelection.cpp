#include "laystore/CMarkerSelection.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

bool CMarkerSelection::mSelectionItems = true;

CMarkerSelection::CMarkerSelection(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects)
    : mDocument(document)
{
    for (CDbAbstractObject* object : objects)
        add(object);
}

int CMarkerSelection::kind() const
{
    if (mObjects.isEmpty())
        return KindNone;
    const int first = mObjects.first()->kind();
    for (const CDbAbstractObject* object : mObjects) {
        if (object->kind() != first)
            return KindMixed;
    }
    switch (first) {
    case CDbAbstractObject::KindGroup:
        return KindPieces;
    case CDbAbstractObject::KindText:
        return KindTexts;
    case CDbAbstractObject::KindLine:
        return KindLines;
    default:
        return KindMixed;
    }
}

GeoRectangle CMarkerSelection::boundingRect() const
{
    GeoRectangle r;
    for (const CDbAbstractObject* object : mObjects)
        r.include(object->boundingRect());
    return r;
}

CMarkerSelection* CMarkerSelection::documentSelection() const
{
    return mDocument ? mDocument->markerSelection().get() : nullptr;
}

bool CMarkerSelection::select(CDbAbstractObject* object, bool selected) const
{
    if (CMarkerSelection* current = documentSelection()) {
        if (selected)
            current->add(object);
        else
            current->remove(object);
    }
    return object->setSelected(selected);
}

bool CMarkerSelection::apply()
{
    bool changed = false;
    if (CMarkerSelection* current = documentSelection()) {
        const QListEx<CDbAbstractObject*> previous = current->objects();
        for (CDbAbstractObject* object : previous) {
            if (!contains(object))
                changed |= select(object, false);
        }
    }
    return setSelected(true) || changed;
}

bool CMarkerSelection::setSelected(bool selected)
{
    bool changed = false;
    // A copy: this may be the document's selection, which deselecting empties.
    const QListEx<CDbAbstractObject*> objects = mObjects;
    for (CDbAbstractObject* object : objects)
        changed |= select(object, selected);
    return changed;
}

bool CMarkerSelection::toggle()
{
    bool changed = false;
    const QListEx<CDbAbstractObject*> objects = mObjects;
    for (CDbAbstractObject* object : objects)
        changed |= select(object, !object->isSelected());
    return changed;
}

void CMarkerSelection::add(CDbAbstractObject* object)
{
    if (object && !mObjects.contains(object))
        mObjects.append(object);
}

bool CMarkerSelection::remove(CDbAbstractObject* object)
{
    return mObjects.removeOne(object);
}

bool CMarkerSelection::contains(const CDbAbstractObject* object) const
{
    return mObjects.contains(const_cast<CDbAbstractObject*>(object));
}

void CMarkerSelection::removeLine()
{
    const QListEx<CDbAbstractObject*> objects = mObjects;
    for (CDbAbstractObject* object : objects) {
        if (object->kind() == CDbAbstractObject::KindLine) {
            select(object, false);
            remove(object);
        }
    }
}

} // namespace VelSystem
