#pragma once

#include "laystore/view/MarkerObjectItem.h"

#include <QColor>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace VelSystem {

class CDbGrPolysObject;

// Draws a placed piece group: each piece's outline filled lightly in its fabric's colour,
// notches as short ticks into the piece, its internal segments, the grain line, and the piece's name when
// there is room. A selected group gets a thick highlight, an overlapping one a red hatch, a drag preview a
// dashed outline.
class PieceGroupItem : public MarkerObjectItem
{
public:
    explicit PieceGroupItem(CDbGrPolysObject* group);

    CDbGrPolysObject* group() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // The colour of a fabric's pieces: its own, or one of a fixed set by index.
    static QColor fabricColour(const CDbGrPolysObject& group);

protected:
    void rebuild() override;
    double baseZ() const override { return kPieceZ; }

private:
    // While the blocking editor is the view's tool, blockings show their control points.
    static constexpr const char* kEditBlockingTool = "editblock";
    static constexpr double kControlPointPixels = 5.0;
    static bool showsControlPoints(const QWidget* viewport);
    static void drawControlPoints(QPainter* painter, const CDbGrPolysObject& group);

    struct Outline
    {
        QPainterPath path;
        QPointF labelPoint;
        QString label;
        double labelRoom = 0.0; // width of the piece at its label, in centimetres
        bool blocking = false;
    };

    std::vector<Outline> mOutlines;
    QPainterPath mNotches;
    QPainterPath mGrainLines;
    QPainterPath mInternalSegments;
    QColor mColour;
};

} // namespace VelSystem
