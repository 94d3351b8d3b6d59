#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Adds and removes punch holes between the pieces.
class ToolExternalHole : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolExternalHole(const QString& icon);
    ~ToolExternalHole() override;

    QString name() const override;
};

} // namespace VelSystem
