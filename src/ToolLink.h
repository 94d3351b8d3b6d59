#pragma once

#include "ToolAltRemoval.h"

#include <QVariant>

namespace VelSystem {

class CDbMarkerDrawing;
class CDbPolygon;
class CDbTwainLinkPiecesObjectTable;
class DocumentMak;
class GeoPoint2D;

// Links points of two pieces in the link view for plaid and stripe matching: a click on a
// point of one piece and another on a point of another piece make a link ("LinkPiece"); an
// Alt-click on a linked point or on a link's line removes that link.
class ToolLink : public ToolAltRemoval
{
    Q_OBJECT
public:
    explicit ToolLink(const QString& icon);
    ~ToolLink() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;

    // Whether the `pointIndex`-th (1-based) point of the polygon's outline (`lastContour`) or
    // notch already takes part in matching: a match point or a link end.
    static bool isMatchLinkPoint(const CDbPolygon& polygon, short pointIndex, bool lastContour);
    // The number (1-based) of the first of `links` whose line passes within 5 pixels of
    // `point`, 0 when none does.
    static short findLinkAtPoint(const CDbMarkerDrawing& drawing, const CDbTwainLinkPiecesObjectTable& links,
                                 const QList<CDbPolygon>& polygons, const GeoPoint2D& point);

private:
    void record(DocumentMak& document, const QList<QVariant>& parameters);

    // A first end was stored by this tool and no link command followed yet: only the cursor
    // shows it.
    bool mFirstEndTaken = false;
};

} // namespace VelSystem
