#pragma once

#include "ToolAltRemoval.h"

namespace VelSystem {

// Adds and removes match points for plaid and stripe fabrics: a click makes the piece point
// under it a match point, an Alt-click takes the match point away ("AddMatchPoint").
class ToolMatchPoint : public ToolAltRemoval
{
    Q_OBJECT
public:
    explicit ToolMatchPoint(const QString& icon);
    ~ToolMatchPoint() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

} // namespace VelSystem
