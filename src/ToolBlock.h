#pragma once

#include "ToolBase.h"

namespace VelSystem {

class CDbGrPolysObject;
class CurrentLayer;
class GeoPoint2D;

// Blocks a piece: a click on a laid or waiting piece asks the library for its blocking, the
// cutting block round it with the fabric's margin, and reports what it answered. With Alt, a
// click takes the piece out of its blocking (out of a fusion with others, too).
class ToolBlock : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolBlock(const QString& icon);
    ~ToolBlock() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    // Ends a press's busy state; nothing else.
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    // The removal cursor while Alt is held.
    void cursor(QCursor& cursor) const override;
    // True while the library computes a blocking: a nested event loop may deliver a press.
    bool isBusy() const override;

private:
    // Takes the piece of `group` at `at` out of its blocking and says when it could not.
    void takeOut(const CurrentLayer& current, CDbGrPolysObject* group, const GeoPoint2D& at);

    bool mBusy = false;
};

} // namespace VelSystem
