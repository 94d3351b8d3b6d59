#pragma once

#include "laystore/QListEx.h"
#include "VelConjoin/Selection.h"

namespace VelSystem {

class CDbAbstractObject;
class DocumentMak;

// A set of objects of one marker document: the result of a pick, or the document's
// current selection.
class CMarkerSelection : public Selection
{
public:
    // Kinds: what the objects are.
    enum Kind { KindNone = 0, KindPieces = 1, KindTexts = 2, KindLines = 3, KindMixed = 9 };

    CMarkerSelection(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects = {});

    int kind() const override;
    bool isEmpty() const override { return mObjects.isEmpty(); }
    int count() const override { return mObjects.size(); }
    GeoRectangle boundingRect() const override;
    bool apply() override;
    bool setSelected(bool selected) override;
    bool toggle() override;

    const QListEx<CDbAbstractObject*>& objects() const { return mObjects; }
    void add(CDbAbstractObject* object);
    bool remove(CDbAbstractObject* object);
    void clear() { mObjects.clear(); }
    bool contains(const CDbAbstractObject* object) const;
    // Drops the line objects from this selection (deselecting them).
    void removeLine();

private:
    DocumentMak* mDocument;
    QListEx<CDbAbstractObject*> mObjects;
};

} // namespace VelSystem
