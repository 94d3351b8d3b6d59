#pragma once

#include "ToolBase.h"

namespace VelSystem {

// A tool whose Alt-click removes what its plain click makes: it follows the Alt key for its
// cursor while it is the current tool.
class ToolAltRemoval : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolAltRemoval(const QString& icon);
    ~ToolAltRemoval() override;

    // Reads the Alt key as the tool becomes current.
    void start() override;
    // Handles Alt (its press and its release); other keys are not the tool's.
    bool keyStateChanged(bool pressed, int key) override;

protected:
    bool altDown() const { return mAltDown; }

private:
    bool mAltDown = false;
};

} // namespace VelSystem
