#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Picks a piece and drags it with a magnetic cursor.
class ToolMagnetic : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolMagnetic(const QString& icon);
    ~ToolMagnetic() override;

    QString name() const override;
};

} // namespace VelSystem
