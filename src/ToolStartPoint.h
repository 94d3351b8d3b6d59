#pragma once

#include "ToolBase.h"

#include "laystore/CDbVectorsObjectTable.h"

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerDrawing;
class CDbPolygon;

// Moves the knife's starting point on a piece: a click on a point of a placed piece's outline
// asks the host command "ChangeStartPoint" to start the knife there.
class ToolStartPoint : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolStartPoint(const QString& icon);
    ~ToolStartPoint() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

// The placed group, polygon and 1-based point index under `point` on `layer` (0-based) of
// `fabric`, within 5 pixels of a point of the kind `notchMode`; null, null and 0 when nothing
// is hit. A hit on a blocked group's blocking gives a null polygon. A null fabric throws
// FatalError.
void ClickCurrentGrPolysPoint(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short layer,
                              const CDbMarkerPointObject& point, CDbVectorsObjectTable::ClickTarget notchMode,
                              CDbGrPolysObject** group, CDbPolygon** polygon, short* pointIndex);

} // namespace VelSystem
