#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Zooms the view in on a point or rectangle, or out with Alt.
class ToolZoom : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolZoom(const QString& icon);
    ~ToolZoom() override;

    QString name() const override;
    std::vector<int> shortcutKeys() const override;
};

} // namespace VelSystem
