#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Blocks pieces: a contour around a piece for cutting it out first.
class ToolBlock : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolBlock(const QString& icon);
    ~ToolBlock() override;

    QString name() const override;
};

} // namespace VelSystem
