#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Fills the hole inside a dragged rectangle with pieces.
class ToolFillHole : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolFillHole(const QString& icon);
    ~ToolFillHole() override;

    QString name() const override;
};

} // namespace VelSystem
