#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Pans the view by dragging it (the hand grip).
class ToolViewTranslation : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolViewTranslation(const QString& icon);
    ~ToolViewTranslation() override;

    std::vector<int> shortcutKeys() const override;
};

} // namespace VelSystem
