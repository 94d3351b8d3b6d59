#pragma once

#include <QGraphicsItem>

namespace VelSystem {

class CDbAbstractObject;
class MarkerScene;

// The graphics item of one object placed in a marker. It reads the object when told that
// the object changed (refresh) and never changes it. This base draws any object as its
// bounding rectangle; subclasses draw pieces, texts and lines.
class MarkerObjectItem : public QGraphicsItem
{
public:
    // The stacking of kinds below the object's own z hint (previews add theirs on top).
    static constexpr double kPieceZ = 0.0;
    static constexpr double kAnnotationZ = 10.0;

    explicit MarkerObjectItem(CDbAbstractObject* object);
    ~MarkerObjectItem() override;

    CDbAbstractObject* object() const { return mObject; }

    // Re-reads everything drawn from the object: shape, stacking, visibility.
    void refresh();
    // Recomputes the bounds after the scene's pixel margin changed.
    void updateBounds();
    // Fades the item unless its object lies on the layer being edited.
    void updateEmphasis();

    QRectF boundingRect() const override { return mBounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    // Rebuilds what the item caches from the object. Nothing to cache here.
    virtual void rebuild();
    // The area the item draws, in scene coordinates, before the room left for pens.
    virtual QRectF contentRect() const;
    virtual double baseZ() const { return kAnnotationZ; }
    MarkerScene* markerScene() const;

private:
    CDbAbstractObject* mObject;
    QRectF mBounds;
};

} // namespace VelSystem
