#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Measures the distance between two points.
class ToolRuler : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolRuler(const QString& icon);
    ~ToolRuler() override;

    QString name() const override;
};

} // namespace VelSystem
