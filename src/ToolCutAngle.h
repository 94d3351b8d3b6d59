#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QPoint>
#include <memory>

namespace VelSystem {

class CLineItem;
class DocumentScene;

// Cuts a piece in two along an angled line with a seam allowance: dragged on the piece, the
// cut line follows the mouse inside the outline and "+", "-" and "5" turn it; the release
// asks for the seam. Alt-click asks for a horizontal or vertical cut instead.
class ToolCutAngle : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolCutAngle(const QString& icon);
    ~ToolCutAngle() override;

    QString name() const override;
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    // The option cursor while Alt is held (the dialog gesture), else ufo.
    void cursor(QCursor& cursor) const override;
    bool keyStateChanged(bool pressed, int key) override;
    bool isBusy() const override;

private:
    // The shown line: centred on the cut point, as long as the piece is wide either way, at
    // the line angle.
    void layOutLine();

    QPoint mPressPos;
    std::unique_ptr<CLineItem> mLineItem;
    DocumentScene* mScene = nullptr;
    GeoRectangle mPieceRect;
    bool mDragging = false;
    bool mBusy = false;
    GeoPoint2D mCutPoint;
    double mBaseAngle = 0.0; // turned by "+" and "-"
    double mLineAngle = 0.0;
    short mRotationIndex = 0; // eighth turns added by "5", 0..7
};

} // namespace VelSystem
