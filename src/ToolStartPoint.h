#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Moves the knife's starting point on a piece.
class ToolStartPoint : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolStartPoint(const QString& icon);
    ~ToolStartPoint() override;

    QString name() const override;
};

} // namespace VelSystem
