#pragma once

#include "VelConjoin/Document.h"
#include "laystore/QListEx.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace VelSystem {

class AbstractCmd;
class CDbAbstractObject;
class CDbFabricLayerObject;
class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerDrawing;
class CMarkerSelection;
class SpatialIndex;

// The marker document: the drawing, its undo stack, its selection and a spatial index of
// the placed objects. Objects placed in it are owned by their layer; an object taken out
// belongs to whoever took it (usually an undo command).
// Impossible calls (a null object, an object not on the given layer, a fabric or layer the
// marker does not have, broken geometry) throw std::invalid_argument and change nothing.
class DocumentMak : public Document
{
    Q_OBJECT
public:
    DocumentMak();
    ~DocumentMak() override;

    CDbMarkerDrawing* drawing() const { return mDrawing.get(); }

    boost::shared_ptr<Selection> selection() const override;
    boost::shared_ptr<CMarkerSelection> markerSelection() const { return mSelection; }
    // Picks on the drawing's current fabric and layer. A point pick answers only the topmost
    // object hit (the last in drawing order): a click takes one piece, not the stack under it.
    // In a linked document the point is in the link view: the piece under it is picked as
    // its copy laid on the layer (else one waiting), and a rubber band picks nothing.
    boost::shared_ptr<Selection> pick(const GeoPoint2D& point, double tolerance,
                                      const ViewFilter* filter) const override;
    // Where a point aimed at a piece's outline lands on the current layer: the nearest corner
    // of a shown piece's outline within `tolerance`, else the nearest point along such an
    // outline, else `point` itself.
    GeoPoint2D snapToOutline(const GeoPoint2D& point, double tolerance, const ViewFilter* filter) const;
    // The group standing for the link view's piece under `point`, or null.
    CDbGrPolysObject* linkViewPieceAt(const GeoPoint2D& point) const;
    // Every object inside or crossing `polygon`, in drawing order.
    boost::shared_ptr<Selection> pick(const QPolygonF& polygon, const ViewFilter* filter) const override;
    bool deselectAll(bool notify, bool includeHidden) override;
    // Makes `objects` (placed here) the selection, deselecting every other object; true when
    // the selection changed. The caller announces the change.
    bool setSelection(const QListEx<CDbAbstractObject*>& objects);
    GeoRectangle extent() const override;

    // Places `object` on the layer (the layer takes ownership). A piece group's section
    // follows where it lies: on the fabric area it is laid, above it it waits (the centre of
    // its bounding rectangle decides, now and whenever it changes).
    void addPiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer);
    // The same at `position` (0..count) in the layer's drawing order.
    void insertPiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer, int position);
    // Takes `object` out of the layer (and out of the selection); the caller owns it afterwards.
    void removePiece(CDbAbstractObject* object, CDbFabricObject* fabric, short layer);
    // Puts `replacement` in `current`'s place (same drawing order, and selected when `current`
    // was); the caller owns `current`. While msCheckOverlaps is set, the overlap marks around
    // the two (and the count) are brought up to date at once.
    void replacePiece(CDbAbstractObject* current, CDbAbstractObject* replacement, CDbFabricObject* fabric,
                      short layer);
    bool contains(const CDbAbstractObject* object) const;
    // The index of the placed objects' boxes, which every change keeps up to date.
    const SpatialIndex& spatialIndex() const { return *mIndex; }
    // Every object placed on the layer, and the piece groups among them.
    QListEx<CDbAbstractObject*> objects(CDbFabricObject* fabric, short layer) const;
    QListEx<CDbGrPolysObject*> groups(CDbFabricObject* fabric, short layer) const;

    // How a replacement is recorded (see pushReplaceCmdUndo).
    enum Recording
    {
        RecordAfter,
        ApplyOnPush
    };

    // Pushes an undoable addition of `objects` to the layer under the (translated) undo text
    // `name`, and returns the pushed command (null when the list is empty). Objects in no
    // document are added by the push (apply-on-push). Objects the caller has already placed
    // on the layer are recorded as added (record-after: the first redo does nothing); undo
    // takes them out and redo puts them back where they stood. The command owns the objects
    // while they are out of the document.
    AbstractCmd* pushAddCmdUndo(const QListEx<CDbAbstractObject*>& objects, CDbFabricObject* fabric,
                                short layer, const QString& name);
    // Pushes an undoable replacement under the undo text `name` and returns the pushed
    // command (null when both lists are empty).
    // - RecordAfter (the default): the caller changes objects in place. One list holds objects
    //   on the layer, the other a copy of each (`clone`) holding its other state, pairwise,
    //   in either order: (copies taken before, changed objects) or (objects, copies taken
    //   before a change made now or right after the push). The first redo does nothing; undo
    //   and redo exchange each object's data with its copy's, so the layer keeps the same
    //   objects. The command owns the copies.
    // - ApplyOnPush: `first` holds objects on the layer and `second` new objects that take
    //   their places at the push, pairwise; extra new objects are added, extra current ones
    //   removed. The command owns whichever list is out of the document.
    // Objects entering the document this way are ordinary objects, even when they were
    // copied as previews (`clone(drawing, true)`).
    AbstractCmd* pushReplaceCmdUndo(const QListEx<CDbAbstractObject*>& first,
                                    const QListEx<CDbAbstractObject*>& second, CDbFabricObject* fabric,
                                    short layer, const QString& name, Recording recording = RecordAfter);
    // Exchanges the data of `object`, placed here, with that of `other`, an unplaced object of
    // the same class (exchangeInfos), keeping the overlap marks as replacePiece does.
    void exchangePiece(CDbAbstractObject* object, CDbAbstractObject* other);

    // Marks every placed piece group that overlaps another on its layer and returns the
    // number of overlapping pairs. Only laid pieces (on the fabric area) are compared.
    int findOverlaps();
    // Set (the default) while a replacement checks its overlaps at once, so that a piece
    // moved by a command shows them before the next full search. A batch of replacements
    // that ends in one full search clears it while it runs. Shared by every document.
    static bool msCheckOverlaps;
    int overlapCount() const { return mOverlapCount; }
    // The placed groups overlapping `group`'s polygons on its layer (candidates from the index),
    // in no particular order. `group` must be placed in this document.
    QListEx<CDbGrPolysObject*> overlappingGroups(const CDbGrPolysObject* group) const;
    // Objects whose bounding rectangle meets `area` on a layer.
    QListEx<CDbAbstractObject*> objectsIn(const GeoRectangle& area, CDbFabricObject* fabric,
                                          short layer) const;
    // True when `trial`, a group tried somewhere (usually in no document), shares area with a
    // piece group on a layer (candidates from the index) that `ignored` does not leave out.
    bool overlapsGroupOn(const CDbGrPolysObject& trial, CDbFabricObject* fabric, short layer,
                         const std::function<bool(const CDbAbstractObject*)>& ignored) const;

    // Rightmost x of the laid pieces of the current layer (0 when none).
    double markerLength() const;
    // Area of laid pieces / (length × width) of the current layer, 0..1.
    double utilization() const;

    // Set (the default) while an object entering a layer gets the section where it lies;
    // cleared by a caller whose objects carry the section they were given where they lie
    // now (the copies and sources a move command exchanges).
    bool getModifyPolysTable() const { return mModifyPolysTable; }
    void setModifyPolysTable(bool modify) { mModifyPolysTable = modify; }

    // Announces a rotation of the selection (for the status display).
    void emitRotModified(double angle, double fineStep);

signals:
    void objectAdded(VelSystem::CDbAbstractObject* object);
    void objectRemoved(VelSystem::CDbAbstractObject* object);
    void objectChanged(VelSystem::CDbAbstractObject* object);
    void rotModified(double angle, double fineStep);

private:
    void onObjectChanged(CDbAbstractObject* object);
    // The layer, or std::invalid_argument naming `operation`.
    CDbFabricLayerObject& layerOf(const char* operation, CDbFabricObject* fabric, short layer) const;
    CDbFabricLayerObject* currentLayer() const;
    // The index's candidates within `tolerance` of `point` on the current layer, which it
    // writes to `fabric` and `layer`; none without a current layer.
    std::vector<CDbAbstractObject*> candidatesNear(const GeoPoint2D& point, double tolerance,
                                                   CDbFabricObject** fabric, short* layer) const;
    // Throw unless the object can be placed, or lies on the layer, or the list has no repeats.
    void checkNew(const char* operation, const CDbAbstractObject* object) const;
    void checkCopyOf(const char* operation, const CDbAbstractObject* copy,
                     const CDbAbstractObject* object) const;
    void checkOnLayer(const char* operation, const CDbAbstractObject* object, CDbFabricObject* fabric,
                      short layer) const;
    static void checkDistinct(const char* operation, const QListEx<CDbAbstractObject*>& objects);
    // Index, selection, placement and change tracking of an object entering or leaving a layer.
    void place(CDbAbstractObject* object, short fabric, short layer);
    void unplace(CDbAbstractObject* object);
    void updateSection(CDbAbstractObject* object) const;
    // The laid groups sharing area with `object` when it is a laid group placed here (else none).
    QListEx<CDbGrPolysObject*> laidPartners(const CDbAbstractObject* object) const;
    // Marks after `replacement` took the place of a group whose laid partners were `before`.
    void refreshOverlaps(const QListEx<CDbGrPolysObject*>& before, CDbAbstractObject* replacement);

    std::unique_ptr<CDbMarkerDrawing> mDrawing;
    boost::shared_ptr<CMarkerSelection> mSelection;
    std::unique_ptr<SpatialIndex> mIndex;
    int mOverlapCount = 0;
    bool mModifyPolysTable = true;
};

} // namespace VelSystem
