#pragma once

#include "ToolBase.h"

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerDrawing;
class CDbMarkerPointObject;
class CDbPolygon;

// Converts a piece's notches, so that the cutter cuts them as slits, and removes conversions:
// a click converts the notch clicked, Alt un-converts it, Shift takes every notch of the piece
// clicked; each click is one "Convert Notch" step. Started with Shift held it converts (with
// Alt un-converts) every placed piece of the current fabric.
class ToolConvert : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolConvert(const QString& icon);
    ~ToolConvert() override;

    QString name() const override;
    void start() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    bool keyStateChanged(bool pressed, int key) override;
    bool isBusy() const override;

private:
    void convertWholeFabric() const;

    bool mBusy = false;
    bool mRemoveMode = false;
};

// The notch under `point` on `layer` (0-based) of `fabric`: the group, the polygon (null on a
// blocked group's blocking) and the notch's 1-based index (0 when nothing is hit). A null
// fabric throws FatalError.
void PointOnCurrentClickedGrPolys(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short layer,
                                  const CDbMarkerPointObject& point, CDbGrPolysObject** group,
                                  CDbPolygon** polygon, short* index);

} // namespace VelSystem
