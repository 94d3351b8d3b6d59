#pragma once

#include "ToolBase.h"

namespace VelSystem {

// A placeholder tool that is never enabled.
class ToolSpacing : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSpacing(const QString& icon);
    ~ToolSpacing() override;

    bool isEnabled() const override;
};

} // namespace VelSystem
