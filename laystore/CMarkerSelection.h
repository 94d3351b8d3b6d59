#pragma once

#include "VelConjoin/Selection.h"
#include "laystore/QListEx.h"

namespace VelSystem {

class CDbAbstractObject;
class DocumentMak;

// A set of objects of one marker document: the result of a pick, or the document's
// current selection. Selecting or deselecting through it keeps the objects' selected flags
// and the document's selection in step; add and remove only change this set. Selection
// changes are not announced here: the caller announces them once it is done.
class CMarkerSelection : public Selection
{
public:
    // Kinds: what the objects are. The pointer tool edits a line's text on Alt+click when
    // the kind is KindLines.
    enum Kind
    {
        KindNone = 0,
        KindPieces = 1,
        KindLines = 2,
        KindTexts = 3,
        KindMixed = 9
    };

    // Set (the default) while the pointer tool may select objects; cleared, it selects
    // nothing. Shared by every document.
    static bool mSelectionItems;

    CMarkerSelection(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects = {});

    int kind() const override;
    bool isEmpty() const override { return mObjects.isEmpty(); }
    int count() const override { return mObjects.size(); }
    GeoRectangle boundingRect() const override;
    bool apply() override;
    bool setSelected(bool selected) override;
    bool toggle() override;

    const QListEx<CDbAbstractObject*>& objects() const { return mObjects; }
    // Appends `object` unless it is null or already in the set.
    void add(CDbAbstractObject* object);
    bool remove(CDbAbstractObject* object);
    void clear() { mObjects.clear(); }
    bool contains(const CDbAbstractObject* object) const;
    // Drops the line objects from this selection (deselecting them).
    void removeLine();

private:
    // The document's current selection, null without a document.
    CMarkerSelection* documentSelection() const;
    // Sets `object`'s flag and its membership in the document's selection; true when the
    // flag changed.
    bool select(CDbAbstractObject* object, bool selected) const;

    DocumentMak* mDocument;
    QListEx<CDbAbstractObject*> mObjects;
};

} // namespace VelSystem
