#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Converts a piece's notches and removes converted ones.
class ToolConvert : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolConvert(const QString& icon);
    ~ToolConvert() override;

    QString name() const override;
};

} // namespace VelSystem
