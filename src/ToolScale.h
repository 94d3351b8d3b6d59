#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Changes the scale of the view.
class ToolScale : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolScale(const QString& icon);
    ~ToolScale() override;

    QString name() const override;
};

} // namespace VelSystem
