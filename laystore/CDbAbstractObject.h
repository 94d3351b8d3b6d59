#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QObject>

namespace VelSystem {

class CDbMarkerDrawing;

// Base of every object placed on a layer of a marker: piece groups, texts, lines, marks.
// Model objects know nothing of graphics; views follow the `changed` signal.
class CDbAbstractObject : public QObject
{
    Q_OBJECT
public:
    // The kind codes that selections and view filters use.
    enum Kind
    {
        KindGroup = 1,
        KindText = 2,
        KindLine = 3,
        KindMark = 4
    };

    CDbAbstractObject();
    ~CDbAbstractObject() override;

    virtual int kind() const = 0;
    virtual GeoRectangle boundingRect() const = 0;
    // A deep copy, not placed in any document, with the same placement data.
    virtual CDbAbstractObject* clone() const = 0;
    // A copy for `drawing` (not placed on a layer); with `asPreview` true it is marked as a
    // clone and a drag object and draws above the other objects.
    virtual CDbAbstractObject* clone(CDbMarkerDrawing* drawing, bool asPreview) const;
    // False only for an object whose geometry is broken (non-finite coordinates, an outline
    // with fewer than three points); never because of where it lies.
    virtual bool isValid() const = 0;
    // Moves by `delta`. The object may adjust `delta` (a piece keeps x >= 0 and stays within
    // its area, while mAdjustOffset is set) and writes back the offset it applied.
    virtual void translate(GeoPoint2D& delta) = 0;
    // Set (the default) while translate may adjust the offsets it is given. Cleared by a
    // caller that moves objects onto a position already checked, so that they land exactly
    // there.
    static bool mAdjustOffset;
    // Swaps the object's whole state (all that sameContent compares, bar the preview flags)
    // with `other`, which is of the same class (std::invalid_argument otherwise), so that
    // undo can give an object its former state without replacing the object. Selection,
    // placement in a document and the flags stay. Both emit `changed`.
    virtual void exchangeInfos(CDbAbstractObject* other) = 0;
    // True when both objects hold the same data (placement, geometry, flags); ids aside.
    // Selection and the last overlap search's marks are not content.
    virtual bool sameContent(const CDbAbstractObject& other) const = 0;

    // True when a click at `point` with `tolerance` (document units) hits the object. The
    // base answers for the bounding rectangle; objects with a shape test the shape.
    virtual bool hitTest(const GeoPoint2D& point, double tolerance) const;
    // True when the object lies inside `area` or crosses it (a rubber-band pick).
    virtual bool meets(const GeoPolygon2D& area) const;

    // The stacking hint of drag previews: above every placed piece.
    static constexpr double kPreviewZHint = 5.0;

    // A copy made for a drag: shown as a preview above the other objects.
    bool isCloned() const { return mCloned; }
    void setCloned(bool cloned) { mCloned = cloned; }
    bool isDragged() const { return mDragged; }
    void setDragged(bool dragged);
    // Stacking hint for views: previews draw above placed pieces.
    double zHint() const { return mZHint; }
    void setZHint(double z) { mZHint = z; }
    // The drag preview standing for this object while it is dragged (null otherwise), so
    // that the preview is not taken for another object in the way of the drag.
    CDbAbstractObject* preview() const { return mPreview; }
    void setPreview(CDbAbstractObject* preview) { mPreview = preview; }

    // Makes a copy taken as a preview an ordinary object again: not cloned, not dragged, no
    // preview and no stacking hint. For objects entering the document through a command.
    void clearPreviewState();

    bool isSelected() const { return mSelected; }
    // True when the state changed. Emits `changed`.
    bool setSelected(bool selected);

    // Where the object is placed; null/-1 while it is not in a document (a copy made for a
    // drawing knows the drawing but no fabric or layer).
    CDbMarkerDrawing* drawing() const { return mDrawing; }
    short fabricIndex() const { return mFabricIndex; }
    short layerIndex() const { return mLayerIndex; }
    void setPlacement(CDbMarkerDrawing* drawing, short fabricIndex, short layerIndex);
    // True when the object lies on a fabric's layer.
    bool isPlaced() const;

    void emitChanged();

signals:
    void changed(CDbAbstractObject* object);

protected:
    // The preview flags and stacking hint, which clones and sameContent carry.
    void copyFlagsFrom(const CDbAbstractObject& other);
    bool sameFlags(const CDbAbstractObject& other) const;

private:
    bool mCloned = false;
    bool mDragged = false;
    bool mSelected = false;
    double mZHint = 0.0;
    CDbAbstractObject* mPreview = nullptr;
    CDbMarkerDrawing* mDrawing = nullptr;
    short mFabricIndex = -1;
    short mLayerIndex = -1;
};

} // namespace VelSystem
