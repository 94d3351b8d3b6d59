#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Adds and removes punch holes between the pieces.
class ToolExternalHole : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolExternalHole(const QString& icon);
    ~ToolExternalHole() override;

    QString name() const override;
    // A click adds a punch hole there, an Alt-click removes the one there ("AddPunchHole").
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

} // namespace VelSystem
