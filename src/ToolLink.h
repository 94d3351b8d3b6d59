#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Links points of two pieces for plaid and stripe matching.
class ToolLink : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolLink(const QString& icon);
    ~ToolLink() override;

    QString name() const override;
};

} // namespace VelSystem
