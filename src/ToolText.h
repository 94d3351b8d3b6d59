#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Places text on the marker.
class ToolText : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolText(const QString& icon);
    ~ToolText() override;

    QString name() const override;
};

} // namespace VelSystem
