#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Selects, moves, rotates and mirrors pieces on the marker.
class ToolSelect : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSelect(const QString& icon);
    ~ToolSelect() override;

    QString name() const override;
    std::vector<int> shortcutKeys() const override;
};

} // namespace VelSystem
