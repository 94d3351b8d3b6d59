#pragma once

#include <QGraphicsLineItem>
#include <QPainterPath>

class QGraphicsScene;

namespace VelSystem {

// A line drawn only inside a clip path: the cut line of the cut-with-angle tool, shown within
// the piece's outline. Adds itself to `scene` when one is given.
class CLineItem : public QGraphicsLineItem
{
public:
    CLineItem(const QPainterPath& clipPath, QGraphicsScene* scene);
    ~CLineItem() override;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPainterPath mClipPath;
};

} // namespace VelSystem
